#include "app/MainWindow.h"

#include "app/CommandRegistry.h"
#include "app/HomePage.h"
#include "app/ServerWatch.h"
#include "app/SplashWindow.h"
#include "app/StartupRules.h"
#include "app/WelcomeLine.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "records/ElidedLabel.h"
#include "store/DatabaseKind.h"
#include "store/StoreIndexes.h"
#include "workspace/PageFrame.h"
#include "workspace/PageMetrics.h"
#include "workspace/PageView.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString idleState = u"    当前状态：请选择操作"_s;

} // namespace

MainWindow::MainWindow(PlatformServices& services, const AppPaths& paths, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_paths(paths)
{
    setObjectName(u"MainWindow"_s);
    setWindowIcon(QIcon(u":/icons/school.png"_s));
    resize(800, 600);
    setMinimumSize(PageMetrics::minimumWindowSize);

    // Hidden: they only carry state for the whole run.
    权限标签 = new QLabel(this);
    权限标签->setObjectName(u"权限标签"_s);
    权限标签->hide();
    学校名称标签 = new QLabel(u"学校"_s, this);
    学校名称标签->setObjectName(u"学校名称标签"_s);
    学校名称标签->hide();

    m_commands = new CommandRegistry(
        services.prompt, [this] { return m_state.session().rights; }, this);
    buildCommands();
    buildMenus();
    buildPopupMenus();
    buildToolBar();
    buildPages();
    buildStatusBar();
    installOwnHandlers();

    connect(&m_state, &ProgramState::sessionChanged, this, &MainWindow::showSession);
    connect(&m_state, &ProgramState::schoolNameChanged, this, [this](const QString& name) {
        学校名称标签->setText(name);
        m_home->setSchoolTitle(homePageTitle(name));
    });
    connect(&m_state, &ProgramState::statusStateChanged, this, [this](const QString& text) {
        m_panels[2]->setText(text);
        m_panels[2]->setMinimumWidth(std::max(200, m_panels[2]->fontMetrics().horizontalAdvance(text) + 10));
    });
    connect(&m_state, &ProgramState::statusHintChanged, m_panels[3], &QLabel::setText);
    m_state.setStatusState(idleState);
    m_state.setStatusHint(welcomeLine());
    setPageCommandsEnabled(false);
    new ServerWatch(services.prompt, m_state, this);
}

MainWindow::~MainWindow()
{
    closeConnections();
    closeSplash();
}

void MainWindow::buildPages()
{
    选择夹1 = new QTabWidget(this);
    选择夹1->setObjectName(u"选择夹1"_s);
    选择夹1->setDocumentMode(true);
    // The program chooses the page; the user never sees tabs.
    选择夹1->tabBar()->hide();
    setCentralWidget(选择夹1);

    m_home = new HomePage(选择夹1);
    选择夹1->addTab(m_home, u"首页"_s);
    connect(m_home, &HomePage::exitRequested, this, [this] { confirmExit(); });

    struct PageDescription
    {
        PageFrame::Names names;
        QString title;
    };
    const PageDescription descriptions[] = {
        {{u"查看页外形框"_s, u"查看页标题标签"_s, {}, u"查看页底座"_s}, u"学生档案资料"_s},
        {{u"离校生列表外形框1"_s, u"离校生列表标题标签"_s, u"离校生列表外形框2"_s, {}}, u"毕业及离校学生资料列表"_s},
        {{u"在校生列表外形框1"_s, u"在校生列表标题标签"_s, u"在校生列表外形框2"_s, {}}, u"在校学生资料列表"_s},
        {{u"成绩表外形框1"_s, u"成绩表标题标签"_s, u"成绩表外形框2"_s, u"成绩表底座"_s}, u"学生成绩表"_s},
        {{u"查看教员外形框"_s, u"查看教员标题标签"_s, {}, u"查看教员底座"_s}, u"教员档案资料"_s},
        {{u"教员列表外形框1"_s, u"教员表标题标签"_s, u"教员列表外形框2"_s, {}}, u"教员资料列表"_s},
        {{u"工资表外形框1"_s, u"工资表标题标签"_s, u"工资表外形框2"_s, u"工资表底座"_s}, u"教员工资表"_s},
        {{u"成绩统计表外形框1"_s, u"成绩统计表标题标签"_s, u"成绩统计表外形框2"_s, {}}, u"平均成绩统计表"_s},
    };
    for (int i = 1; i < PageCount; ++i) {
        const PageDescription& page = descriptions[i - 1];
        m_pages[i] = new PageFrame(static_cast<Page>(i), page.names, page.title, 选择夹1);
        m_pages[i]->setObjectName(u"页面"_s + QString::number(i));
        选择夹1->addTab(m_pages[i], page.title);
    }
}

void MainWindow::buildStatusBar()
{
    状态条1 = statusBar();
    状态条1->setObjectName(u"状态条1"_s);
    状态条1->setSizeGripEnabled(true);
    const int widths[] = {110, 90, 200, 0};
    for (int i = 0; i < 4; ++i) {
        // The hints are longer than an 800-pixel window leaves them: "…" and the whole as tooltip.
        QLabel* panel = i == 3 ? new ElidedLabel(状态条1) : new QLabel(状态条1);
        panel->setObjectName(u"状态面板"_s + QString::number(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        状态条1->addWidget(panel, i == 3 ? 1 : 0);
        m_panels[i] = panel;
    }
    m_panels[0]->setText(u"  当前系统管理员："_s);
    // Fixed panels grow to their text rather than cut it.
    m_panels[0]->setMinimumWidth(
        std::max(widths[0], m_panels[0]->fontMetrics().horizontalAdvance(m_panels[0]->text()) + 10));

    进度条1 = new QProgressBar(状态条1);
    进度条1->setObjectName(u"进度条1"_s);
    进度条1->setFixedWidth(220);
    进度条1->setTextVisible(false);
    进度条1->hide();
    状态条1->addPermanentWidget(进度条1);
}

bool MainWindow::runCommand(QStringView name)
{
    return m_commands->run(name);
}

QMenu* MainWindow::menu(QStringView name) const
{
    for (QMenu* m : m_menus) {
        if (m->objectName() == name)
            return m;
    }
    return nullptr;
}

PageFrame* MainWindow::page(Page page) const
{
    return m_pages[pageIndex(page)];
}

Page MainWindow::currentPage() const
{
    return static_cast<Page>(选择夹1->currentIndex());
}

void MainWindow::showPage(Page page)
{
    选择夹1->setCurrentIndex(pageIndex(page));
}

void MainWindow::enablePageCommands()
{
    const bool homeState = !m_commands->action(u"打印")->isEnabled() && !m_commands->action(u"打印预览")->isEnabled();
    if (homeState)
        setPageCommandsEnabled(true);
    uncheckWageTables();
}

void MainWindow::openPage(Page page)
{
    enablePageCommands();
    showPage(page);
}

void MainWindow::showHomePage()
{
    setPageCommandsEnabled(false);
    m_home->首页底色标签->clear();
    uncheckWageTables();
    m_state.setStatusState(idleState);
    m_state.setStatusHint(welcomeLine());
    showPage(Page::Home);
    Q_EMIT homePageShown();
}

void MainWindow::navigate(RecordNavigation::Move move)
{
    const PageFrame* frame = page(currentPage());
    RecordNavigation* navigation = frame && frame->pageView() ? frame->pageView()->navigation() : nullptr;
    if (!navigation)
        return;
    if (!navigation->move(move))
        m_services.prompt.show(RecordNavigation::endMessage(move), u"提示"_s);
}

QString MainWindow::statusPanel(int panel) const
{
    return panel >= 0 && panel < 4 ? m_panels[panel]->text() : QString();
}

QString MainWindow::welcomeLine() const
{
    return WelcomeLine::forDate(m_services.clock.today());
}

void MainWindow::showStoredSchoolName(const QString& name)
{
    m_state.setSchoolName(name);
    // A school that has not been named yet is asked to be, right on the home page. Once it has been
    // named in the settings window the title follows the name as given, even an empty one.
    if (name.trimmed().isEmpty())
        m_home->setSchoolTitle(homePageTitle(u"(请设置学校名称)"_s));
}

bool MainWindow::openSchoolDatabases()
{
    if (!外部数据库1.openSchool(DatabaseKind::Student, m_paths.database(DatabaseKind::Student))) {
        m_services.prompt.show(u"载入系统数据A失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    // A file from before the per-class indexes gets them now; one that cannot take them still works.
    StoreIndexes::ensure(外部数据库1, DatabaseKind::Student);
    if (!外部数据库2.openSchool(DatabaseKind::Teacher, m_paths.database(DatabaseKind::Teacher))) {
        m_services.prompt.show(u"载入系统数据B失败！"_s, u"错误"_s, Prompt::Icon::Error);
        外部数据库1.close();
        return false;
    }
    return true;
}

void MainWindow::closeConnections()
{
    DbConnection* connections[] = {&外部数据库1, &外部数据库2, &外部数据库3};
    const DatabaseKind kinds[] = {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin};
    for (int i = 0; i < 3; ++i) {
        if (!connections[i]->isOpen())
            continue;
        connections[i]->close();
        Q_EMIT connectionClosed(DatabaseKinds::connectionName(kinds[i]));
    }
}

void MainWindow::setSplash(SplashWindow* splash)
{
    m_splash = splash;
    if (splash) {
        connect(splash, &SplashWindow::loginDue, this, [this] { openLoginWindow(0, false); });
    }
}

void MainWindow::openLoginWindow(int mode, bool modal)
{
    if (m_loginOpener)
        m_loginOpener(*this, mode, modal);
    if (modal) {
        // The window is gone once a modal run returns; it held the accounts only while it existed.
        m_relogin = false;
        外部数据库3.close();
    }
}

bool MainWindow::confirmExit()
{
    const Prompt::Answer answer = m_services.prompt.show(
        u"确定要退出校务管理系统吗？"_s, u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::YesNo);
    if (answer != Prompt::Answer::Yes)
        return false;
    quitProgram();
    return true;
}

Session MainWindow::session() const
{
    return m_state.session();
}

void MainWindow::setSession(const Session& session)
{
    m_state.setSession(session);
}

void MainWindow::showSession(const Session& session)
{
    m_panels[1]->setText(session.userName);
    m_panels[1]->setMinimumWidth(std::max(90, m_panels[1]->fontMetrics().horizontalAdvance(session.userName) + 10));
    权限标签->setText(session.rights.text());
    // Only one of the two account commands applies to a session. All accounts are managed by a
    // super administrator alone: with the system right by itself an ordinary administrator could
    // raise its own rights to "1111" there and so reach the deletions kept from it.
    const bool super = session.rights.isSuper();
    m_commands->action(u"管理员设置")->setVisible(super);
    m_commands->action(u"修改管理员资料")->setVisible(!super);
}

void MainWindow::showAfterLogin()
{
    showMaximized();
    showHomePage();
}

void MainWindow::closeSplash()
{
    if (m_splash) {
        m_splash->hide();
        m_splash->deleteLater();
        m_splash = nullptr;
    }
}

void MainWindow::quitProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    closeConnections();
    closeSplash();
    hide();
    Q_EMIT programEnding();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The minimum size is a hint a window manager may ignore; then the window corrects itself.
    const QSize snapped = PageMetrics::snapToMinimum(size());
    if (snapped != size()) {
        resize(snapped);
        return;
    }
    applyPageLayouts();
}

void MainWindow::applyPageLayouts()
{
    const int screenWidth = m_services.screen.width();
    for (int i = 1; i < PageCount; ++i) {
        if (PageView* view = m_pages[i]->pageView())
            view->applyLayout(width(), screenWidth);
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        if (const PageFrame* frame = page(currentPage())) {
            if (PageView* view = frame->pageView())
                view->refreshView();
            else if (frame->view())
                frame->view()->update();
        }
    } else if (auto* classes = findChild<QWidget*>(u"查看班级名组合框"_s)) {
        // Back in the window, typing goes to the student view's class selector.
        classes->setFocus();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_ending || confirmExit())
        event->accept();
    else
        event->ignore();
}
