#include "AppFixture.h"

#include "app/CommandRegistry.h"
#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "support/TestRegistry.h"
#include "workspace/ItemViewNavigation.h"
#include "workspace/PageFrame.h"
#include "workspace/PageView.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A roster as a list page would install it.
class RosterView : public QWidget, public PageView
{
public:
    RosterView()
        : list(new QListWidget(this))
        , nav(list)
    {
        (new QVBoxLayout(this))->addWidget(list);
        list->addItems({u"张三"_s, u"李四"_s, u"王五"_s});
    }
    void applyLayout(int windowWidth, int screenWidth) override
    {
        lastWindowWidth = windowWidth;
        lastScreenWidth = screenWidth;
    }
    RecordNavigation* navigation() override { return &nav; }

    QListWidget* list;
    ItemViewNavigation nav;
    int lastWindowWidth = 0;
    int lastScreenWidth = 0;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsInTheHomePageState()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        QCOMPARE(w.currentPage(), Page::Home);
        auto* pages = w.findChild<QTabWidget*>(u"选择夹1"_s);
        QCOMPARE(pages->count(), 9);
        for (const char16_t* name :
            {u"打印", u"打印预览", u"导出", u"到首记录", u"上一条记录", u"下一条记录", u"到尾记录", u"返回主界面"})
            QVERIFY(!w.commands().action(QStringView(name))->isEnabled());
        QCOMPARE(w.statusPanel(0), u"  当前系统管理员："_s);
        QCOMPARE(w.statusPanel(2), u"    当前状态：请选择操作"_s);
        QCOMPARE(w.statusPanel(3), w.welcomeLine());
        QVERIFY(w.findChild<QLabel*>(u"权限标签"_s)->isHidden());
        QCOMPARE(w.findChild<QLabel*>(u"学校名称标签"_s)->text(), u"学校"_s);
        // Every page below the home page has its frame and title ready for a feature.
        QCOMPARE(w.page(Page::EnrolledRoster)->titleLabel()->objectName(), u"在校生列表标题标签"_s);
        QCOMPARE(w.page(Page::StudentView)->base()->objectName(), u"查看页底座"_s);
        QVERIFY(!w.page(Page::TeacherView)->barFrame());
        QCOMPARE(w.page(Page::WageSheet)->barFrame()->objectName(), u"工资表外形框2"_s);
        QVERIFY(w.findChild<QPushButton*>(u"退出图形按钮"_s));
    }

    void welcomeLineUsesTheClock()
    {
        AppFixture f;
        f.clock.at = QDateTime(QDate(2026, 9, 6), QTime(9, 0)); // a Sunday
        MainWindow w(f.services, f.paths);
        QVERIFY(w.statusPanel(3).endsWith(u"今天是2026年9月6日  星期日"_s));
        f.clock.at = QDateTime(QDate(2026, 9, 9), QTime(9, 0)); // a Wednesday
        w.showHomePage();
        QVERIFY(w.statusPanel(3).endsWith(u"今天是2026年9月9日  星期三"_s));
    }

    void pageCommandsFollowThePage()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"校长"_s, RightsString::super()});
        w.commands().action(u"工资表三")->setChecked(true);
        w.openPage(Page::EnrolledRoster);
        QCOMPARE(w.currentPage(), Page::EnrolledRoster);
        for (const char16_t* name : {u"打印", u"打印预览", u"导出", u"到首记录", u"到尾记录", u"返回主界面"})
            QVERIFY(w.commands().action(QStringView(name))->isEnabled());
        QVERIFY(!w.commands().action(u"工资表三")->isChecked());

        // A page that switched navigation off keeps it off when another page opens.
        w.commands().action(u"到首记录")->setEnabled(false);
        w.openPage(Page::TeacherRoster);
        QVERIFY(!w.commands().action(u"到首记录")->isEnabled());

        QSignalSpy home(&w, &MainWindow::homePageShown);
        w.state().setStatusState(u"    当前状态：查看在校学生资料"_s);
        QVERIFY(w.runCommand(u"返回主界面"));
        QCOMPARE(w.currentPage(), Page::Home);
        QCOMPARE(home.size(), 1);
        QCOMPARE(w.statusPanel(2), u"    当前状态：请选择操作"_s);
        QVERIFY(!w.commands().action(u"打印")->isEnabled());
        QVERIFY(!w.commands().action(u"返回主界面")->isEnabled());
    }

    void navigationStopsAtBothEnds()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        auto* roster = new RosterView;
        w.page(Page::EnrolledRoster)->setView(roster);
        w.openPage(Page::EnrolledRoster);

        w.runCommand(u"到首记录");
        QCOMPARE(roster->list->currentRow(), 0);
        QVERIFY(f.prompt.boxes().isEmpty());
        w.runCommand(u"上一条记录");
        QCOMPARE(roster->list->currentRow(), 0);
        QCOMPARE(f.prompt.lastText(), u"已到第一个记录"_s);
        QCOMPARE(f.prompt.boxes().last().title, u"提示"_s);

        w.runCommand(u"下一条记录");
        QCOMPARE(roster->list->currentRow(), 1);
        w.runCommand(u"到尾记录");
        QCOMPARE(roster->list->currentRow(), 2);
        f.prompt.clear();
        w.runCommand(u"下一条记录");
        QCOMPARE(roster->list->currentRow(), 2);
        QCOMPARE(f.prompt.texts(), QStringList {u"已到最后一个记录"_s});
        w.runCommand(u"到尾记录");
        QCOMPARE(f.prompt.boxes().size(), 2);
        QCOMPARE(roster->list->selectedItems().size(), 1);
    }

    void navigationIsOffOnTheHomePage()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        QVERIFY(!w.runCommand(u"下一条记录"));
        QVERIFY(f.prompt.boxes().isEmpty());
    }

    void smallWindowSnapsToTheMinimum()
    {
        AppFixture f;
        f.screen.fixed = QSize(1024, 768);
        MainWindow w(f.services, f.paths);
        auto* roster = new RosterView;
        w.page(Page::LeaverRoster)->setView(roster);
        w.show();
        w.resize(700, 500);
        QTRY_COMPARE(w.size(), QSize(800, 600));
        w.resize(1000, 700);
        QTRY_COMPARE(roster->lastWindowWidth, 1000);
        QCOMPARE(roster->lastScreenWidth, 1024);
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("menu") << u"menu"_s;
        QTest::newRow("EXIT button") << u"button"_s;
        QTest::newRow("closing the window") << u"close"_s;
    }

    void exitAsksFirst()
    {
        QFETCH(QString, path);
        AppFixture f;
        MainWindow w(f.services, f.paths);
        QVERIFY(w.openSchoolDatabases());
        w.show();
        QSignalSpy ending(&w, &MainWindow::programEnding);
        const auto leave = [&] {
            if (path == u"menu")
                w.runCommand(u"退出系统");
            else if (path == u"button")
                QTest::mouseClick(w.findChild<QPushButton*>(u"退出图形按钮"_s), Qt::LeftButton);
            else
                w.close();
        };

        f.prompt.answerNext(Prompt::Answer::No);
        leave();
        QCOMPARE(f.prompt.boxes().size(), 1);
        const FakePrompt::Box& box = f.prompt.boxes().first();
        QCOMPARE(box.text, u"确定要退出校务管理系统吗？"_s);
        QCOMPARE(box.title, u"询问"_s);
        QCOMPARE(box.icon, Prompt::Icon::Question);
        QCOMPARE(box.buttons, Prompt::Buttons::YesNo);
        QVERIFY(w.isVisible());
        QVERIFY(w.studentDb().isOpen());
        QCOMPARE(ending.size(), 0);

        f.prompt.answerNext(Prompt::Answer::Yes);
        leave();
        QCOMPARE(ending.size(), 1);
        QVERIFY(!w.studentDb().isOpen());
        QVERIFY(!w.teacherDb().isOpen());
        QVERIFY(!w.isVisible());
    }

    void connectionsCloseInOrder()
    {
        AppFixture f;
        QStringList closed;
        {
            MainWindow w(f.services, f.paths);
            QVERIFY(w.openSchoolDatabases());
            QVERIFY(w.adminDb().open(
                f.paths.database(DatabaseKind::Admin), {}, DatabaseKinds::password(DatabaseKind::Admin)));
            connect(&w, &MainWindow::connectionClosed, &w, [&closed](const QString& name) { closed.append(name); });
            w.quitProgram();
            QCOMPARE(closed, QStringList({u"外部数据库1"_s, u"外部数据库2"_s, u"外部数据库3"_s}));
            // A second way out finds nothing left to close.
            w.quitProgram();
            w.closeConnections();
            QCOMPARE(closed.size(), 3);
        }
        {
            // Destroying the window closes them too, in the same order.
            closed.clear();
            MainWindow w(f.services, f.paths);
            QVERIFY(w.openSchoolDatabases());
            QVERIFY(w.adminDb().open(
                f.paths.database(DatabaseKind::Admin), {}, DatabaseKinds::password(DatabaseKind::Admin)));
            connect(&w, &MainWindow::connectionClosed, &w, [&closed](const QString& name) { closed.append(name); });
            w.closeConnections();
            QCOMPARE(closed, QStringList({u"外部数据库1"_s, u"外部数据库2"_s, u"外部数据库3"_s}));
        }
    }

    void installedViewReplacesTheEarlierOne()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        QPointer<QWidget> first = new RosterView;
        w.page(Page::LeaverRoster)->setView(first);
        QVERIFY(w.page(Page::LeaverRoster)->pageView());
        auto* plain = new QWidget;
        w.page(Page::LeaverRoster)->setView(plain);
        QVERIFY(!first);
        QCOMPARE(w.page(Page::LeaverRoster)->view(), plain);
        QVERIFY(!w.page(Page::LeaverRoster)->pageView());
        QVERIFY(w.page(Page::LeaverRoster)->base()->isAncestorOf(plain));
    }

    void schoolNameOnTheHomePage()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.showStoredSchoolName(u"实验中学"_s);
        QCOMPARE(w.homePage()->首页校名标签->text(), u"实验中学校务管理系统"_s);
        QCOMPARE(w.state().schoolName(), u"实验中学"_s);
        QCOMPARE(w.findChild<QLabel*>(u"学校名称标签"_s)->text(), u"实验中学"_s);
        w.showStoredSchoolName(QString());
        QCOMPARE(w.homePage()->首页校名标签->text(), u"(请设置学校名称)校务管理系统"_s);
    }
};

XIAOWU_TEST(TestMainWindow)
#include "TestMainWindow.moc"
