#include "AppFixture.h"

#include "access/LoginWindow.h"
#include "app/CommandRegistry.h"
#include "app/DataLock.h"
#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "settings/AppSettings.h"
#include "store/DbConnection.h"
#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

struct LoginCall
{
    int mode;
    bool modal;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshStartWritesDefaultsAndShowsTheUnnamedSchool()
    {
        AppFixture f;
        QVERIFY(!QFile::exists(f.paths.settingsFile()));
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow* w = startup.mainWindow();
        QCOMPARE(w->windowTitle(), u"校务管理系统 v3.0"_s);
        QVERIFY(!w->isVisible());
        QVERIFY(w->splash() && w->splash()->isVisible());
        QCOMPARE(w->splash()->size(), QSize(460, 235));
        QCOMPARE(w->splash()->提示标签->text(), u"系统数据正在载入中请稍侯..."_s);
        QCOMPARE(w->splash()->进度标签->text(), u"■ □ □ □ □"_s);

        AppSettings settings(f.paths.settingsFile());
        QVERIFY(settings.exists());
        QCOMPARE(settings.schoolName(), u"(请设置学校名称)"_s);
        QCOMPARE(w->homePage()->首页校名标签->text(), u"(请设置学校名称)校务管理系统"_s);
        QVERIFY(w->studentDb().isOpen());
        QVERIFY(w->teacherDb().isOpen());
        QVERIFY(!w->adminDb().isOpen());
        QCOMPARE(w->currentPage(), Page::Home);
        QVERIFY(f.prompt.boxes().isEmpty());
        // The window covers the screen, ready for its maximised showing.
        QCOMPARE(w->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(w->size(), f.screen.size());
    }

    void namedSchoolIsShown()
    {
        AppFixture f;
        AppSettings(f.paths.settingsFile()).setValue(u"School"_s, u"Name"_s, u"育才小学"_s);
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        QCOMPARE(startup.mainWindow()->state().schoolName(), u"育才小学"_s);
        QCOMPARE(startup.mainWindow()->homePage()->首页校名标签->text(), u"育才小学校务管理系统"_s);
    }

    // A file gone or unusable while the others are there is named before anything is made; only
    // the user's yes puts an empty file in its place (kept aside when there was one).
    void lostOrDamagedFileIsNamedBeforeAnythingIsMade_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("content"); // empty: the file is removed
        addColumns<bool, QString>({"goOn", "said"});
        const int students = int(DatabaseKind::Student);
        const int teachers = int(DatabaseKind::Teacher);
        QTest::newRow("students missing, end") << students << QByteArray() << false << u"不见了"_s;
        QTest::newRow("students missing, go on") << students << QByteArray() << true << u"不见了"_s;
        QTest::newRow("teachers not ours, end") << teachers << QByteArray("not a database") << false << u"已损坏"_s;
        QTest::newRow("teachers not ours, go on") << teachers << QByteArray("not a database") << true << u"已损坏"_s;
    }

    void lostOrDamagedFileIsNamedBeforeAnythingIsMade()
    {
        QFETCH(int, kind);
        QFETCH(QByteArray, content);
        QFETCH(bool, goOn);
        QFETCH(QString, said);
        AppFixture f;
        const QString file = f.dir.databasePath(DatabaseKind(kind));
        if (content.isEmpty()) {
            QVERIFY(QFile::remove(file));
        } else {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write(content);
        }
        f.prompt.answerNext(goOn ? Prompt::Answer::Yes : Prompt::Answer::No);
        Startup startup(f.services, f.paths);
        QCOMPARE(startup.start(), goOn);
        const FakePrompt::Box& box = f.prompt.boxes().first();
        QVERIFY2(box.text.contains(said) && box.text.contains(QDir::toNativeSeparators(file)), qPrintable(box.text));
        QCOMPARE(box.buttons, Prompt::Buttons::YesNo);
        if (!goOn) {
            QCOMPARE(f.prompt.boxes().size(), 1);
            QCOMPARE(QFile::exists(file), !content.isEmpty());
            QVERIFY(!startup.mainWindow());
            return;
        }
        QVERIFY(startup.mainWindow()->studentDb().isOpen() && startup.mainWindow()->teacherDb().isOpen());
        if (!content.isEmpty()) {
            QFile kept(file + u".damaged"_s);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), content);
        }
    }

    // Damage SQLite's quick check finds is said at the start, naming the file.
    void damagedInsideIsSaidAtTheStart()
    {
        AppFixture f;
        const QString file = f.dir.databasePath(DatabaseKind::Student);
        {
            DbConnection db;
            QVERIFY(db.openSchool(DatabaseKind::Student, file));
            QVERIFY(StudentsFixture::damageTable(db, u"学籍表"_s));
        }
        Startup startup(f.services, f.paths);
        startup.start();
        QVERIFY(!f.prompt.boxes().isEmpty());
        QVERIFY2(f.prompt.boxes().first().text.startsWith(u"数据文件已损坏："_s + QDir::toNativeSeparators(file)),
            qPrintable(f.prompt.boxes().first().text));
    }

    // A second copy on the same data is told who has it, and may wait or end.
    void secondCopyIsToldAndWaits()
    {
        AppFixture f;
        DataLock other(f.paths.dataRoot());
        QVERIFY(other.acquire());
        f.prompt.answerNext(Prompt::Answer::Cancel);
        {
            Startup startup(f.services, f.paths);
            QVERIFY(!startup.start());
            QCOMPARE(f.prompt.boxes().size(), 1);
            QVERIFY(f.prompt.lastText().contains(u"进程 %1"_s.arg(QCoreApplication::applicationPid())));
            QCOMPARE(f.prompt.boxes().first().buttons, Prompt::Buttons::OkCancel);
        }
        // Once the other copy has ended the data opens without a word.
        f.prompt.clear();
        other.release();
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        QVERIFY(f.prompt.boxes().isEmpty());
    }

    void readOnlyDataFilesBecomeWritable()
    {
        AppFixture f;
        const QString students = f.dir.databasePath(DatabaseKind::Student);
        QFile::setPermissions(students, QFile::ReadOwner);
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        QVERIFY(QFile::permissions(students) & QFile::WriteOwner);
    }

    void splashWaitsFourteenTicksAndTheFinishedTitle()
    {
        AppFixture f;
        Startup startup(f.services, f.paths);
        QList<LoginCall> calls;
        QVERIFY(startup.start());
        MainWindow* w = startup.mainWindow();
        w->setLoginOpener([&calls](MainWindow&, int mode, bool modal) { calls.append({mode, modal}); });
        SplashWindow* splash = w->splash();
        QVERIFY(splash->启动时钟->isActive());
        QCOMPARE(splash->启动时钟->interval(), 300);
        splash->启动时钟->stop();

        for (int i = 0; i < 13; ++i)
            splash->tick();
        QVERIFY(calls.isEmpty());
        QCOMPARE(splash->进度标签->text(), u"□ □ □ ■ □"_s); // 13 frames on
        splash->tick();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().mode, 0);
        QVERIFY(!calls.first().modal);
    }

    void splashWaitsForTheMainWindow()
    {
        AppFixture f;
        int calls = 0;
        QString title;
        SplashWindow splash([&title] { return title; });
        splash.启动时钟->stop();
        connect(&splash, &SplashWindow::loginDue, this, [&calls] { ++calls; });
        for (int i = 0; i < 30; ++i)
            splash.tick();
        QCOMPARE(calls, 0);
        title = u"校务管理系统 v3.0"_s;
        splash.tick();
        QCOMPARE(calls, 1);
        // A text put in by hand is left alone.
        splash.进度标签->setText(u"完成"_s);
        splash.tick();
        QCOMPARE(splash.进度标签->text(), u"完成"_s);
    }

    void splashStaysAtLeastFourPointTwoSeconds()
    {
        AppFixture f;
        Startup startup(f.services, f.paths);
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(startup.start());
        qint64 loginAt = -1;
        startup.mainWindow()->setLoginOpener([&](MainWindow&, int, bool) { loginAt = elapsed.elapsed(); });
        QTRY_VERIFY_WITH_TIMEOUT(loginAt >= 0, 8000);
        QVERIFY2(loginAt >= 4200, qPrintable(QString::number(loginAt)));
        QVERIFY(!startup.mainWindow()->splash()->启动时钟->isActive());
    }

    void freshInstallationLogsInWithTheBuiltInAdministrator()
    {
        AppFixture f;
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow* w = startup.mainWindow();
        QPointer<SplashWindow> splash = w->splash();
        splash->启动时钟->stop();
        for (int i = 0; i < 14; ++i)
            splash->tick();

        auto* login = w->findChild<LoginWindow*>();
        QVERIFY(login);
        QTRY_VERIFY(login->isVisible());
        QTRY_VERIFY(!splash);
        QCOMPARE(login->windowTitle(), u"欢迎登录"_s);
        QCOMPARE(login->登陆名组合框->currentText(), u"内部管理员"_s);
        QCOMPARE(login->登陆密码编辑框->text(), u"40917"_s);
        QTRY_VERIFY(f.prompt.lastText().startsWith(u"目前尚未建立系统管理员数据！"_s));
        QVERIFY(w->adminDb().isOpen());
        QVERIFY(!w->isVisible());

        QPointer<LoginWindow> watched = login;
        QTest::mouseClick(login->登录钮, Qt::LeftButton);
        QTRY_VERIFY(!watched);
        QVERIFY(w->isVisible());
        QCOMPARE(w->currentPage(), Page::Home);
        QCOMPARE(w->statusPanel(1), u"内部管理员"_s);
        QCOMPARE(w->session().rights.text(), u"1111"_s);
        QVERIFY(w->commands().action(u"管理员设置")->isVisible());
        QVERIFY(!w->adminDb().isOpen());
    }

    void loginClosesTheSplashAndShowsTheMainWindow()
    {
        AppFixture f;
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow* w = startup.mainWindow();
        QPointer<SplashWindow> splash = w->splash();
        // What the login window does on a successful login.
        w->closeSplash();
        w->setSession({u"内部管理员"_s, RightsString::super()});
        w->showAfterLogin();
        QTRY_VERIFY(!splash);
        QVERIFY(w->isVisible());
        QCOMPARE(w->currentPage(), Page::Home);
        QCOMPARE(w->statusPanel(1), u"内部管理员"_s);
    }
};

XIAOWU_TEST(TestStartup)
#include "TestStartup.moc"
