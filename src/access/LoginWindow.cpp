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

enum Page { LoginPage = 0, OwnAccountPage = 1, AccountFormPage = 2, AccountListPage = 3 };

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

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter is handled by the boxes themselves, never by whichever button is the default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLineEdit* makePasswordBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(AdminAccounts::maxPasswordLength);
    return box;
}

QComboBox* makeNameBox(QWidget* parent, const QString& name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    label->setFont(font);
    return label;
}

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

void LoginWindow::buildLoginPage()
{
    auto* page = new QWidget;
    page->setObjectName(u"登录页"_s);
    page->setAttribute(Qt::WA_StyledBackground);
    page->setStyleSheet(
        u"#登录页 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #1d4b87, stop:1 #6a9fd8);"
        u" border: 1px solid #123056; }"
        u" #登录页 QLabel { color: white; }"_s);
    auto* title = makeHeading(page, u"校务管理系统"_s);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    title->setFont(big);
    auto* version = new QLabel(u"v3.0　系统管理员登录"_s, page);

    登陆名组合框 = makeNameBox(page, u"登陆名组合框"_s);
    登陆密码编辑框 = makePasswordBox(page, u"登陆密码编辑框"_s);
    登录钮 = makeButton(page, u"登录钮"_s, u"登 录"_s);
    退出登陆钮 = makeButton(page, u"退出登陆钮"_s, u"退 出"_s);

    auto* form = new QFormLayout;
    form->addRow(new QLabel(u"用户名："_s, page), 登陆名组合框);
    form->addRow(new QLabel(u"密码："_s, page), 登陆密码编辑框);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(登录钮);
    buttons->addWidget(退出登陆钮);

    auto* right = new QVBoxLayout;
    right->addStretch();
    right->addLayout(form);
    right->addSpacing(8);
    right->addLayout(buttons);
    right->addStretch();
    auto* left = new QVBoxLayout;
    left->addStretch();
    left->addWidget(title);
    left->addWidget(version);
    left->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(28, 12, 28, 12);
    layout->addLayout(left, 1);
    layout->addSpacing(20);
    layout->addLayout(right, 1);
    选择夹1->addTab(page, u"登录"_s);

    connect(登录钮, &QPushButton::clicked, this, &LoginWindow::logIn);
    connect(退出登陆钮, &QPushButton::clicked, this, &LoginWindow::leaveLogin);
    connect(登陆密码编辑框, &QLineEdit::returnPressed, this, &LoginWindow::logIn);
    connect(登陆名组合框->lineEdit(), &QLineEdit::returnPressed, this, [this] { 登陆密码编辑框->setFocus(); });
    connect(登陆名组合框, &QComboBox::activated, this, [this] { 登陆密码编辑框->setFocus(); });
}

void LoginWindow::buildOwnAccountPage()
{
    auto* page = new QWidget;
    改用户名组合框 = makeNameBox(page, u"改用户名组合框"_s);
    原密码编辑框 = makePasswordBox(page, u"原密码编辑框"_s);
    新密码编辑框 = makePasswordBox(page, u"新密码编辑框"_s);
    确认密码编辑框 = makePasswordBox(page, u"确认密码编辑框"_s);
    修改确定钮 = makeButton(page, u"修改确定钮"_s, u"确 定"_s);
    修改取消按钮 = makeButton(page, u"修改取消按钮"_s, u"取 消"_s);

    auto* form = new QFormLayout;
    form->setVerticalSpacing(6);
    form->addRow(u"用户名："_s, 改用户名组合框);
    form->addRow(u"原密码："_s, 原密码编辑框);
    form->addRow(u"新密码："_s, 新密码编辑框);
    form->addRow(u"确认新密码："_s, 确认密码编辑框);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(修改确定钮);
    buttons->addWidget(修改取消按钮);
    auto* body = new QHBoxLayout;
    body->addLayout(form, 1);
    body->addSpacing(30);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 10, 24, 14);
    layout->addWidget(makeHeading(page, u"修改管理员资料"_s));
    layout->addLayout(body);
    选择夹1->addTab(page, u"修改管理员资料"_s);

    connect(修改确定钮, &QPushButton::clicked, this, &LoginWindow::saveOwnAccount);
    connect(修改取消按钮, &QPushButton::clicked, this, &LoginWindow::close);
}

void LoginWindow::buildAccountFormPage()
{
    auto* page = new QWidget;
    分组框1 = new QGroupBox(u"添加管理员数据"_s, page);
    分组框1->setObjectName(u"分组框1"_s);
    添加修改用户名 = new QLineEdit(分组框1);
    添加修改用户名->setObjectName(u"添加修改用户名"_s);
    标签3 = new QLabel(u"密码："_s, 分组框1);
    标签3->setObjectName(u"标签3"_s);
    添加修改密码框1 = makePasswordBox(分组框1, u"添加修改密码框1"_s);
    添加修改密码框2 = makePasswordBox(分组框1, u"添加修改密码框2"_s);
    const auto makeRight = [this](const QString& name, const QString& caption) {
        auto* box = new QCheckBox(caption, 分组框1);
        box->setObjectName(name);
        return box;
    };
    权限选择框1 = makeRight(u"权限选择框1"_s, u"允许查询、录入、修改所有学生数据"_s);
    权限选择框2 = makeRight(u"权限选择框2"_s, u"允许查询、录入、修改教员档案数据"_s);
    权限选择框3 = makeRight(u"权限选择框3"_s, u"允许查询、录入、修改教员工资数据"_s);
    权限选择框4 = makeRight(u"权限选择框4"_s, u"允许操作系统设置、毕业升级、管理员设置及删除资料等"_s);
    添加修改确定钮 = makeButton(分组框1, u"添加修改确定钮"_s, u"确 定"_s);
    添加修改取消钮 = makeButton(分组框1, u"添加修改取消钮"_s, u"取 消"_s);
    标签5 = new QLabel(分组框1);
    标签5->setObjectName(u"标签5"_s);
    标签5->setWordWrap(true);
    标签5->setStyleSheet(u"color: #8a2b0e;"_s);

    auto* grid = new QGridLayout(分组框1);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(u"用户名："_s, 分组框1), 0, 0);
    grid->addWidget(添加修改用户名, 0, 1);
    grid->addWidget(标签3, 1, 0);
    grid->addWidget(添加修改密码框1, 1, 1);
    grid->addWidget(new QLabel(u"确认新密码："_s, 分组框1), 2, 0);
    grid->addWidget(添加修改密码框2, 2, 1);
    grid->addWidget(标签5, 3, 0, 2, 2, Qt::AlignTop);
    grid->setColumnMinimumWidth(2, 12);
    grid->addWidget(权限选择框1, 0, 3, 1, 2);
    grid->addWidget(权限选择框2, 1, 3, 1, 2);
    grid->addWidget(权限选择框3, 2, 3, 1, 2);
    grid->addWidget(权限选择框4, 3, 3, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(添加修改确定钮);
    buttons->addWidget(添加修改取消钮);
    grid->addLayout(buttons, 4, 3, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addWidget(分组框1);
    选择夹1->addTab(page, u"管理员数据"_s);

    connect(添加修改确定钮, &QPushButton::clicked, this, &LoginWindow::saveAccountForm);
    connect(添加修改取消钮, &QPushButton::clicked, this, [this] { 选择夹1->setCurrentIndex(AccountListPage); });
}

void LoginWindow::buildAccountListPage()
{
    auto* page = new QWidget;
    管理员列表框 = new QListWidget(page);
    管理员列表框->setObjectName(u"管理员列表框"_s);
    管理员列表框->setIconSize(QSize(20, 20));
    添加钮 = makeButton(page, u"添加钮"_s, u"添 加"_s);
    修改钮 = makeButton(page, u"修改钮"_s, u"修 改"_s);
    删除钮 = makeButton(page, u"删除钮"_s, u"删 除"_s);
    退出钮 = makeButton(page, u"退出钮"_s, u"退 出"_s);

    auto* heading = new QVBoxLayout;
    heading->addWidget(makeHeading(page, u"系统管理员设置"_s));
    auto* hint = new QLabel(u"在这里您可以添加、修改及删除管理员的数据"_s, page);
    hint->setWordWrap(true);
    heading->addWidget(hint);
    heading->addStretch();
    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel(u"管理员用户名列表"_s, page));
    list->addWidget(管理员列表框);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    for (QPushButton* button : {添加钮, 修改钮, 删除钮, 退出钮})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->addLayout(heading, 4);
    layout->addSpacing(10);
    layout->addLayout(list, 5);
    layout->addLayout(buttons);
    选择夹1->addTab(page, u"系统管理员设置"_s);

    connect(添加钮, &QPushButton::clicked, this, &LoginWindow::showAddForm);
    connect(修改钮, &QPushButton::clicked, this, &LoginWindow::showModifyForm);
    connect(删除钮, &QPushButton::clicked, this, &LoginWindow::deleteAccount);
    connect(退出钮, &QPushButton::clicked, this, &LoginWindow::close);
    connect(管理员列表框, &QListWidget::currentRowChanged, this, [this](int row) { m_currentRow = row; });
}

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
