// The accounts in the login window: the list, one's own name and password, adding, changing and
// deleting administrators.
#include "access/LoginWindow.h"

#include "access/AccessHost.h"
#include "access/AccountRules.h"
#include "access/AdminAccounts.h"
#include "access/AdminDatabase.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "store/DbConnection.h"
#include "text/GbText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QIcon accountIcon(bool super)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = super ? QColor(0xc0, 0x6a, 0x10) : QColor(0x2f, 0x6f, 0xb8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(10, 3, 12, 12));
    painter.drawRoundedRect(QRectF(5, 17, 22, 13), 6, 6);
    if (super) {
        // A small crown above the head.
        painter.setBrush(QColor(0xf2, 0xc1, 0x1d));
        const QPointF crown[] = {{9, 5}, {12, 0}, {16, 4}, {20, 0}, {23, 5}};
        painter.drawPolygon(crown, 5);
    }
    return QIcon(pixmap);
}

} // namespace

void LoginWindow::loadAccounts()
{
    登陆名组合框->clear();
    改用户名组合框->clear();
    管理员列表框->clear();
    m_accounts.clear();
    m_currentRow = -1;
    // An unreadable table reads as no accounts: the built-in administrator still lets one in.
    const QList<AdminAccount> accounts = AdminAccounts(m_host.adminDb()).load().value_or(QList<AdminAccount>());
    for (const AdminAccount& account : accounts) {
        登陆名组合框->addItem(account.userName);
        改用户名组合框->addItem(account.userName);
        appendListItem(account);
    }
    管理员列表框->setCurrentRow(-1);
    m_currentRow = -1;
}

void LoginWindow::appendListItem(const AdminAccount& account)
{
    m_accounts.append(account);
    管理员列表框->addItem(new QListWidgetItem(accountIcon(account.rights.isSuper()), account.userName));
}

void LoginWindow::selectCurrentUser()
{
    const QString currentUser = m_host.session().userName;
    const QList<QListWidgetItem*> found = 管理员列表框->findItems(currentUser, Qt::MatchExactly);
    管理员列表框->setCurrentRow(found.isEmpty() ? -1 : 管理员列表框->row(found.first()));
    m_currentRow = 管理员列表框->currentRow();
}

// ---- one's own account ----

void LoginWindow::saveOwnAccount()
{
    Prompt& prompt = m_host.services().prompt;
    const Session session = m_host.session();
    const QString name = 改用户名组合框->currentText();
    if (name != session.userName && AccountRules::find(m_accounts, name) >= 0) {
        prompt.show(u"输入的管理员用户名已经存在！请重新输入用户名！"_s);
        改用户名组合框->setFocus();
        return;
    }
    for (const QString& text : {name, 原密码编辑框->text(), 新密码编辑框->text(), 确认密码编辑框->text()}) {
        if (GbText::isBlank(text)) {
            prompt.show(u"管理员的用户名或密码不能有空数据！"_s);
            return;
        }
    }
    const bool hasRow = m_currentRow >= 0 && m_currentRow < m_accounts.size();
    if (!hasRow || 原密码编辑框->text() != m_accounts[m_currentRow].password) {
        prompt.show(u"您输入的管理员原密码有错误！"_s, u"错误"_s, Prompt::Icon::Error);
        原密码编辑框->clear();
        原密码编辑框->setFocus();
        return;
    }
    if (新密码编辑框->text() != 确认密码编辑框->text()) {
        prompt.show(u"输入的新密码与确认新密码不一致！"_s);
        新密码编辑框->setFocus();
        新密码编辑框->selectAll();
        return;
    }
    const QString password = 确认密码编辑框->text();
    if (!AdminAccounts(m_host.adminDb()).changeOwn(session.userName, name, password)) {
        prompt.show(u"修改数据失败！"_s);
        return;
    }
    m_host.setSession({name, session.rights});
    m_accounts[m_currentRow].userName = name;
    m_accounts[m_currentRow].password = password;
    管理员列表框->item(m_currentRow)->setText(name);
    prompt.show(u"   当前管理员数据被成功修改！  "_s);
    finish(Accepted);
}

// ---- managing the accounts ----

void LoginWindow::showAddForm()
{
    m_adding = true;
    分组框1->setTitle(u"添加管理员数据"_s);
    标签5->setText(u"注册管理员后将打开管理员认证功能，无管理员用户名及密码将不能进入本系统！"_s);
    标签3->setText(u"密码："_s);
    添加修改密码框1->setEnabled(true);
    添加修改用户名->clear();
    添加修改密码框1->clear();
    添加修改密码框2->clear();
    for (QCheckBox* box : {权限选择框1, 权限选择框2, 权限选择框3, 权限选择框4})
        box->setChecked(true);
    选择夹1->setCurrentIndex(AccountFormPage);
    添加修改用户名->setFocus();
}

void LoginWindow::showModifyForm()
{
    const int row = 管理员列表框->currentRow();
    if (row < 0 || row >= m_accounts.size()) {
        m_host.services().prompt.show(u"请选择要修改的管理员用户名！"_s);
        return;
    }
    m_adding = false;
    const AdminAccount& account = m_accounts[row];
    分组框1->setTitle(u"修改管理员数据"_s);
    标签3->setText(u"原密码："_s);
    添加修改用户名->setText(account.userName);
    添加修改密码框1->setText(account.password);
    添加修改密码框2->setText(account.password);
    // The first box keeps the old password; the second carries the new one.
    添加修改密码框1->setEnabled(false);
    const QString rights = account.rights.text();
    const QList<QCheckBox*> boxes {权限选择框1, 权限选择框2, 权限选择框3, 权限选择框4};
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setChecked(i < rights.size() && rights[i] == u'1');
    标签5->setText(u"按下确定钮后被修改的管理员用户名、密码及权限将会立即生效！"_s);
    选择夹1->setCurrentIndex(AccountFormPage);
    添加修改用户名->setFocus();
}

void LoginWindow::saveAccountForm()
{
    Prompt& prompt = m_host.services().prompt;
    const QString name = 添加修改用户名->text();
    // Adding refuses every existing name; modifying may keep the account's own.
    if (AccountRules::nameTaken(m_accounts, name, m_adding ? -1 : m_currentRow)) {
        prompt.show(u"输入的管理员用户名已经存在！请重新输入用户名！"_s);
        添加修改用户名->setFocus();
        添加修改用户名->selectAll();
        return;
    }
    if (GbText::isBlank(name) || GbText::isBlank(添加修改密码框1->text()) || GbText::isBlank(添加修改密码框2->text())) {
        prompt.show(u"管理员的用户名或密码不能有空数据！"_s);
        添加修改用户名->setFocus();
        return;
    }
    const RightsString rights = AccountRules::fromTicks(
        权限选择框1->isChecked(), 权限选择框2->isChecked(), 权限选择框3->isChecked(), 权限选择框4->isChecked());
    if (rights.text() == u"0000"_s) {
        prompt.show(u"    管理员最少要有一项操作权限！    "_s);
        权限选择框4->setFocus();
        return;
    }
    const AdminAccount account {name, 添加修改密码框2->text(), rights};
    if (m_adding)
        addAccount(account);
    else
        modifyAccount(account);
}

void LoginWindow::addAccount(const AdminAccount& account)
{
    Prompt& prompt = m_host.services().prompt;
    if (添加修改密码框2->text() != 添加修改密码框1->text()) {
        prompt.show(u"输入的密码与确认密码不一致！"_s);
        添加修改密码框1->clear();
        添加修改密码框2->clear();
        添加修改密码框1->setFocus();
        return;
    }
    if (AccountRules::firstAccountRefused(m_accounts, account.rights)) {
        prompt.show(u"第一次创建的管理员必须拥有全部的操作权限！    \r\n（请在4个操作权限上全部打勾）"_s, u"提示"_s,
            Prompt::Icon::Information);
        return;
    }
    if (!AdminAccounts(m_host.adminDb()).add(account)) {
        prompt.show(u"添加管理员数据失败！"_s);
        return;
    }
    appendListItem(account);
    if (account.rights.isSuper())
        prompt.show(u"          添加管理员数据成功！管理员权限为：超级管理员   \r\n\r\n"
                    u"如果您不慎丢失了全部超级管理员的密码或不能进入管理设置时请查阅本系统\r\n"
                    u"运行目录下的readme.txt文件或与作者联系！  "_s);
    else
        prompt.show(u"   添加管理员数据成功！管理员权限为：普通管理员   "_s);
    添加修改用户名->clear();
    添加修改密码框1->clear();
    添加修改密码框2->clear();
    for (QCheckBox* box : {权限选择框1, 权限选择框2, 权限选择框3, 权限选择框4})
        box->setChecked(true);
    添加修改用户名->setFocus();
}

void LoginWindow::modifyAccount(const AdminAccount& account)
{
    Prompt& prompt = m_host.services().prompt;
    const int row = m_currentRow;
    if (row < 0 || row >= m_accounts.size())
        return;
    if (prompt.show(u"您确认要修改当前管理员的数据吗？"_s, u"询问"_s, Prompt::Icon::None, Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    const QString oldName = m_accounts[row].userName;
    if (AccountRules::demotionRefused(m_accounts, row, account.rights)) {
        prompt.show(u"  目前"_s + oldName
            + u"是唯一的超级管理员，不能修改为普通管理员！  \r\n\r\n  如果您一定要修改，请先再添加一个超级管理员！"_s);
        return;
    }
    if (!AdminAccounts(m_host.adminDb()).modify(oldName, account)) {
        prompt.show(u"  修改管理员数据失败！  "_s);
        return;
    }
    if (oldName == m_host.session().userName) {
        // One's own rights changed: the page on show may no longer be allowed.
        m_host.setSession({account.userName, account.rights});
        m_host.showHomePage();
    }
    m_accounts[row] = account;
    QListWidgetItem* item = 管理员列表框->item(row);
    item->setText(account.userName);
    item->setIcon(accountIcon(account.rights.isSuper()));
    prompt.show(u"   当前管理员数据被成功修改！  "_s);
    选择夹1->setCurrentIndex(AccountListPage);
}

void LoginWindow::deleteAccount()
{
    Prompt& prompt = m_host.services().prompt;
    const int row = 管理员列表框->currentRow();
    if (row < 0 || row >= m_accounts.size()) {
        prompt.show(u"请选择要删除的管理员用户名！"_s);
        return;
    }
    const QString name = m_accounts[row].userName;
    if (AccountRules::deletionRefused(m_accounts, row)) {
        prompt.show(u"       "_s + name
            + u"是目前唯一的超级管理员！\r\n\r\n如果您确定要删除，请再创建一个超级管理员或先将\r\n"
              u"其他普通管理员全部删除后再删除当前管理员！"_s);
        return;
    }
    if (prompt.show(u"    您确定要删除用户名为"_s + name + u"的管理员数据吗？    "_s, u"询问"_s, Prompt::Icon::None,
            Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    if (!AdminAccounts(m_host.adminDb()).remove(name))
        return;
    // The statement removes every row of that name; so does the window's copy.
    for (int i = int(m_accounts.size()) - 1; i >= 0; --i) {
        if (m_accounts[i].userName == name) {
            m_accounts.removeAt(i);
            delete 管理员列表框->takeItem(i);
        }
    }
    m_currentRow = 管理员列表框->currentRow();
}
