#include "access/LoginWindow.h"

#include "access/AccessHost.h"
#include "access/AccountRules.h"
#include "access/AdminAccounts.h"
#include "access/AdminDatabase.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "store/DbConnection.h"
#include "text/GbText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
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

// Height of the client area; every page is laid out to fit it.
constexpr int clientHeight = 210;
constexpr int clientWidth = 600;

} // namespace

LoginWindow::LoginWindow(int openMode, AccessHost& host, QWidget* parent)
    : QDialog(parent)
    , m_host(host)
    , m_mode(openMode == OwnAccount || openMode == ManageAccounts ? openMode : LogIn)
{
    setObjectName(u"LoginWindow"_s);
    setWindowTitle(u"系统管理员设置"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    选择夹1 = new QTabWidget(this);
    选择夹1->setObjectName(u"选择夹1"_s);
    // The program chooses the page; the user never sees tabs.
    选择夹1->tabBar()->hide();
    选择夹1->setDocumentMode(true);
    layout->addWidget(选择夹1);
    buildLoginPage();
    buildOwnAccountPage();
    buildAccountFormPage();
    buildAccountListPage();
    setFixedSize(clientWidth, clientHeight);

    const AdminDatabase::Result opened
        = AdminDatabase::open(m_host.adminDb(), m_host.paths(), m_host.services().fileOps);
    m_failedLogins = 0;
    // Mode 0 with someone logged in can only be 重新登录.
    m_reLogin = m_mode == LogIn && m_host.session().isLoggedIn();
    if (m_mode == LogIn) {
        // An administrators file that cannot be read must not pass for none at all: that would
        // let anyone in as the built-in super administrator.
        const bool readable = opened.isOpen() && AdminAccounts(m_host.adminDb()).load().has_value();
        if (!readable && opened.outcome == AdminDatabase::Outcome::Failed)
            m_endPending = u"不能打开系统管理员数据文件：\r\n"_s
                + QDir::toNativeSeparators(AdminDatabase::path(m_host.paths()))
                + u"\r\n\r\n它可能正被其他程序占用，或者没有读写权限。请检查后重新启动本系统！"_s;
        else if (!readable && !startWithoutAdministrators())
            m_endPending = u"-"_s;
    }
    loadAccounts();

    const QString currentUser = m_host.session().userName;
    switch (m_mode) {
    case LogIn:
        setWindowTitle(u"欢迎登录"_s);
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        m_host.closeSplash();
        if (!m_endPending.isEmpty()) {
            登录钮->setEnabled(false);
        } else if (登陆名组合框->count() > 0) {
            登陆名组合框->setCurrentIndex(0);
            登陆名组合框->setFocus();
        } else {
            登陆名组合框->addItem(AccountRules::builtInName());
            登陆名组合框->setCurrentIndex(0);
            登陆密码编辑框->setText(AccountRules::builtInPassword());
            m_hintPending = true;
            登录钮->setFocus();
        }
        break;
    case OwnAccount:
        setWindowTitle(u"修改管理员资料"_s);
        改用户名组合框->setEditText(currentUser);
        break;
    case ManageAccounts:
        setWindowTitle(u"设置管理员资料"_s);
        break;
    }
    if (m_mode != ManageAccounts)
        selectCurrentUser();
    选择夹1->setCurrentIndex(m_mode == LogIn ? LoginPage : m_mode == OwnAccount ? OwnAccountPage : AccountListPage);
}

LoginWindow::~LoginWindow()
{
    m_host.adminDb().close();
}

bool LoginWindow::prepareOwnAccountChange(AccessHost& host)
{
    if (AdminDatabase::reopen(host.adminDb(), host.paths()))
        return true;
    host.services().prompt.show(u"不能打开系统数据文件！请尝试重新启动本系统！"_s);
    return false;
}

bool LoginWindow::startWithoutAdministrators()
{
    Prompt& prompt = m_host.services().prompt;
    FileOps& files = m_host.services().fileOps;
    const QString file = AdminDatabase::path(m_host.paths());
    const QString text = u"系统管理员数据文件已损坏，其中的管理员资料不能读出：\r\n"_s + QDir::toNativeSeparators(file)
        + u"\r\n\r\n按“是”将在没有管理员的情况下启动：损坏的文件改名保存在原处，由系统内置的管理员登录，"
          u"请随后在“系统数据维护”中还原备份。\r\n按“否”退出本系统，文件不作任何改动。"
          u"\r\n\r\n要在没有管理员的情况下启动吗？"_s;
    if (prompt.show(text, u"警告"_s, Prompt::Icon::Warning, Prompt::Buttons::YesNo) != Prompt::Answer::Yes)
        return false;
    const AdminDatabase::Result replaced = AdminDatabase::replaceDamaged(m_host.adminDb(), m_host.paths(), files);
    if (!replaced.isOpen()) {
        prompt.show(u"不能把损坏的系统管理员数据文件改名保存，本系统将退出！"_s, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    prompt.show(u"损坏的系统管理员数据文件已保存为：\r\n"_s + QDir::toNativeSeparators(replaced.movedTo), u"提示"_s);
    return true;
}

void LoginWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_endPending.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            if (m_endPending != u"-"_s)
                m_host.services().prompt.show(m_endPending, u"错误"_s, Prompt::Icon::Error);
            endProgram();
        });
        return;
    }
    if (!m_hintPending)
        return;
    m_hintPending = false;
    // Shown once the window is on the screen, so the hint stands over it.
    QTimer::singleShot(0, this, [this] {
        m_host.services().prompt.show(u"目前尚未建立系统管理员数据！现在将使用系统内置的管理员登录！"_s, u"提示"_s);
        登录钮->setFocus();
    });
}

// ---- logging in and leaving ----

void LoginWindow::logIn()
{
    Prompt& prompt = m_host.services().prompt;
    const QString name = 登陆名组合框->currentText();
    const QString password = 登陆密码编辑框->text();
    if (name.isEmpty()) {
        prompt.show(u"请输入管理员用户名！  "_s, u"提示"_s);
        登陆名组合框->setFocus();
        return;
    }
    if (password.isEmpty()) {
        prompt.show(u"请输入管理员密码！  "_s, u"提示"_s);
        登陆密码编辑框->setFocus();
        return;
    }
    m_currentRow = AccountRules::find(m_accounts, name);
    const std::optional<RightsString> rights = AccountRules::authenticate(m_accounts, name, password);
    if (!rights) {
        if (m_failedLogins >= 2) {
            prompt.show(u"抱歉！非本系统管理员无权使用本系统！"_s, u"错误！"_s, Prompt::Icon::Error);
            endProgram();
            return;
        }
        prompt.show(u"用户名或密码错误，请重新登录！  "_s, u"错误！"_s, Prompt::Icon::Error);
        登陆密码编辑框->clear();
        登陆密码编辑框->setFocus();
        ++m_failedLogins;
        return;
    }
    m_host.setSession({name, *rights});
    m_host.showAfterLogin();
    finish(Accepted);
}

void LoginWindow::leaveLogin()
{
    if (m_reLogin) {
        // The previous session stays.
        finish(Rejected);
        return;
    }
    endProgram();
}

void LoginWindow::endProgram()
{
    m_leaving = true;
    QPointer<LoginWindow> self(this);
    m_host.quitProgram();
    if (self)
        finish(Rejected);
}

void LoginWindow::finish(int result)
{
    m_leaving = true;
    done(result);
}

bool LoginWindow::mayClose()
{
    if (m_leaving || 选择夹1->currentIndex() != LoginPage)
        return true;
    const Prompt::Answer answer = m_host.services().prompt.show(
        u"您真的要退出系统吗？"_s, u"询问"_s, Prompt::Icon::None, Prompt::Buttons::YesNo);
    if (answer != Prompt::Answer::Yes)
        return false;
    m_leaving = true;
    QPointer<LoginWindow> self(this);
    m_host.quitProgram();
    return !self.isNull();
}

void LoginWindow::reject()
{
    if (mayClose())
        QDialog::reject();
}

void LoginWindow::closeEvent(QCloseEvent* event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
