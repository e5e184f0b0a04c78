#pragma once

#include "access/AdminAccount.h"

#include <QDialog>
#include <QList>

class AccessHost;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

// The login and administrator window. Open mode 0 logs in (at start and on 重新登录), 1 changes
// one's own name and password (修改管理员资料), 3 manages all accounts (管理员设置). The
// administrators database is open on the host's connection exactly while the window exists.
//
// At start: new LoginWindow(0, host, mainWindow) with Qt::WA_DeleteOnClose, then show(). From the
// menus: LoginWindow window(mode, host); window.exec(). A successful login finishes the window
// with Accepted after host.showAfterLogin().
class LoginWindow : public QDialog
{
    Q_OBJECT

public:
    enum OpenMode { LogIn = 0, OwnAccount = 1, ManageAccounts = 3 };

    LoginWindow(int openMode, AccessHost& host, QWidget* parent = nullptr);
    ~LoginWindow() override;

    // What 修改管理员资料 does before it opens the window: closes and reopens the administrators
    // database. False, after telling the user, when that fails; the window must not open then.
    static bool prepareOwnAccountChange(AccessHost& host);

    int openMode() const { return m_mode; }

    // Named controls, found by tests under these names.
    QTabWidget* 选择夹1 = nullptr;
    QComboBox* 登陆名组合框 = nullptr;
    QLineEdit* 登陆密码编辑框 = nullptr;
    QPushButton* 登录钮 = nullptr;
    QPushButton* 退出登陆钮 = nullptr;
    QComboBox* 改用户名组合框 = nullptr;
    QLineEdit* 原密码编辑框 = nullptr;
    QLineEdit* 新密码编辑框 = nullptr;
    QLineEdit* 确认密码编辑框 = nullptr;
    QPushButton* 修改确定钮 = nullptr;
    QPushButton* 修改取消按钮 = nullptr;
    QGroupBox* 分组框1 = nullptr;
    QLineEdit* 添加修改用户名 = nullptr;
    QLabel* 标签3 = nullptr;
    QLineEdit* 添加修改密码框1 = nullptr;
    QLineEdit* 添加修改密码框2 = nullptr;
    QCheckBox* 权限选择框1 = nullptr;
    QCheckBox* 权限选择框2 = nullptr;
    QCheckBox* 权限选择框3 = nullptr;
    QCheckBox* 权限选择框4 = nullptr;
    QPushButton* 添加修改确定钮 = nullptr;
    QPushButton* 添加修改取消钮 = nullptr;
    QLabel* 标签5 = nullptr;
    QListWidget* 管理员列表框 = nullptr;
    QPushButton* 添加钮 = nullptr;
    QPushButton* 修改钮 = nullptr;
    QPushButton* 删除钮 = nullptr;
    QPushButton* 退出钮 = nullptr;

    // The window's copy of 用户表, row for row as 管理员列表框 lists it.
    const QList<AdminAccount>& 隐藏列表() const { return m_accounts; }

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The tabs of 选择夹1; the pages are built in LoginWindowPages.cpp, the accounts kept in
    // LoginWindowAccounts.cpp.
    enum Tab { LoginPage = 0, OwnAccountPage = 1, AccountFormPage = 2, AccountListPage = 3 };

    void buildLoginPage();
    void buildOwnAccountPage();
    void buildAccountFormPage();
    void buildAccountListPage();
    void loadAccounts();
    void appendListItem(const AdminAccount& account);
    void selectCurrentUser();

    void logIn();
    void leaveLogin();
    bool mayClose();
    void finish(int result);
    void endProgram();

    void saveOwnAccount();
    void showAddForm();
    void showModifyForm();
    void saveAccountForm();
    void addAccount(const AdminAccount& account);
    void modifyAccount(const AdminAccount& account);
    void deleteAccount();
    // A damaged administrators file at login: the user may start with no administrators (the
    // file is kept aside) or end. False when the program has to end.
    bool startWithoutAdministrators();

    AccessHost& m_host;
    int m_mode;
    bool m_reLogin = false;
    bool m_leaving = false;
    bool m_adding = false;
    bool m_hintPending = false;
    QString m_endPending; // the administrators cannot be read: said once shown, then the program ends
    int m_failedLogins = 0;
    int m_currentRow = -1; // the current row of 隐藏列表
    QList<AdminAccount> m_accounts;
};
