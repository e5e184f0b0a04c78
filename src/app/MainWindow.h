#pragma once

#include "access/AccessHost.h"
#include "app/SplashWindow.h"
#include "platform/AppPaths.h"
#include "store/DbConnection.h"
#include "workspace/Page.h"
#include "workspace/ProgramState.h"
#include "workspace/RecordNavigation.h"
#include "workspace/Shell.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class CommandRegistry;
class HomePage;
class PageFrame;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTabWidget;
class QToolBar;
class QToolButton;

// The frame of the program: menus, toolbar, the nine pages, the status bar and the three database
// connections. Features put their views on pages 1..8 and their handlers into commands().
class MainWindow : public QMainWindow, public AccessHost, public Shell
{
    Q_OBJECT

public:
    // Creates the login window in a mode (0 login, 1 own account, 3 all accounts); modal when the
    // main window is not its owner. For mode 1 it first reopens the administrators database and
    // opens nothing when that fails.
    using LoginOpener = std::function<void(MainWindow& host, int mode, bool modal)>;

    MainWindow(PlatformServices& services, const AppPaths& paths, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- commands
    CommandRegistry& commands() const { return *m_commands; }
    // Rights check, then the handler; see CommandRegistry::run.
    bool runCommand(QStringView name) override;
    QMenu* menu(QStringView name) const override;

    // --- pages
    // Null for the home page.
    PageFrame* page(Page page) const;
    Page currentPage() const override;
    // Switches to a page; commands that open one call enablePageCommands() first.
    void showPage(Page page);
    void enablePageCommands();
    // Both, as a command that opens one of the pages 1..7 does.
    void openPage(Page page) override;
    // Toolbar 25..28 on the page on show; tells the user when the end is reached.
    void navigate(RecordNavigation::Move move);
    HomePage* homePage() const { return m_home; }

    // --- status bar: panel 2 holds the state as each view words it ("    当前状态：查看在校学生资料";
    // a few views have no leading blanks), panel 3 the welcome line or hints; both follow state()
    QString statusPanel(int panel) const;
    QString welcomeLine() const;
    QProgressBar* progressBar() const override { return 进度条1; }
    QWidget* ownerWindow() override { return this; }

    // --- program-wide state
    ProgramState& state() { return m_state; }
    DbConnection& studentDb() { return 外部数据库1; }
    DbConnection& teacherDb() { return 外部数据库2; }
    // At start: the name from the settings file, and a home page that asks for one when it is empty.
    void showStoredSchoolName(const QString& name);
    static QString homePageTitle(const QString& schoolName) { return schoolName + QStringLiteral(u"校务管理系统"); }
    void setRelogin(bool relogin) { m_relogin = relogin; }

    // --- start and end
    // Opens 外部数据库1 and 外部数据库2; tells the user and closes what it opened on failure.
    bool openSchoolDatabases();
    void setSplash(SplashWindow* splash);
    SplashWindow* splash() const { return m_splash; }
    void setLoginOpener(LoginOpener opener) { m_loginOpener = std::move(opener); }
    void openLoginWindow(int mode, bool modal);
    // Asks "确定要退出校务管理系统吗？" and ends the program on Yes; false on No.
    bool confirmExit();
    // 外部数据库1, 外部数据库2, 外部数据库3, in that order.
    void closeConnections();

    // --- AccessHost
    PlatformServices& services() override { return m_services; }
    const AppPaths& paths() const override { return m_paths; }
    DbConnection& adminDb() override { return 外部数据库3; }
    Session session() const override;
    void setSession(const Session& session) override;
    void showAfterLogin() override;
    void showHomePage() override;
    void closeSplash() override;
    void quitProgram() override;
    bool isRelogin() const override { return m_relogin; }

Q_SIGNALS:
    void connectionClosed(const QString& name);
    // The program is to end; the application object quits its event loop.
    void programEnding();
    // Back on the home page: pages drop what they held (the score grid its query).
    void homePageShown();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildCommands();
    void buildMenus();
    void buildPopupMenus();
    void buildToolBar();
    void buildPages();
    void buildStatusBar();
    void installOwnHandlers();
    QMenu* addMenu(QMenu* parent, const QString& title, const QStringList& items);
    void addItems(QMenu* menu, const QStringList& items);
    void setPageCommandsEnabled(bool enabled);
    void uncheckWageTables();
    void openNextWageTable();
    void applyPageLayouts();
    void showSession(const Session& session);

    PlatformServices& m_services;
    AppPaths m_paths;
    DbConnection 外部数据库1;
    DbConnection 外部数据库2;
    DbConnection 外部数据库3;
    CommandRegistry* m_commands;
    QList<QMenu*> m_menus;

    QToolBar* 工具条1;
    QToolButton* m_wageButton = nullptr;
    QTabWidget* 选择夹1;
    HomePage* m_home;
    std::array<PageFrame*, PageCount> m_pages {};
    QStatusBar* 状态条1;
    std::array<QLabel*, 4> m_panels {};
    QProgressBar* 进度条1;

    ProgramState m_state;
    // Hidden mirrors of the state, kept under their old names for whoever looks for them.
    QLabel* 权限标签;
    QLabel* 学校名称标签;

    bool m_relogin = false;
    bool m_ending = false;
    QPointer<SplashWindow> m_splash;
    LoginOpener m_loginOpener;
};
