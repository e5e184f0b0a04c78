// The four tabs of the login window: their controls and layout.
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
