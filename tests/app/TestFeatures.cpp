// The features as the running program holds them: commands reach the windows of their folders.
#include "AppFixture.h"
#include "records/NameFlowView.h"
#include "records/ReportList.h"

#include "app/CommandRegistry.h"
#include "app/Features.h"
#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/StudentPageView.h"
#include "classes/SchoolSettingsWindow.h"
#include "prefs/InterfaceStyler.h"
#include "settings/AppSettings.h"
#include "store/DbConnection.h"
#include "students/StudentsFixture.h"
#include "support/ModalGuard.h"
#include "support/StartedProgram.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestFeatures : public QObject
{
    Q_OBJECT

    // A message box the test did not expect fails it at once instead of waiting for a click.
    ModalGuard m_modals;

    static bool addClassWithPupils(DbConnection& db, const QString& klass, const QStringList& names)
    {
        if (!StudentsFixture::addClass(db, klass, u"王老师"_s, QStringList(10, u""_s)))
            return false;
        qint64 number = 100;
        for (const QString& name : names) {
            if (!db.execute(
                    u"insert into 学籍表 (学号,姓名,性别,所在班级,离校时间,离校原因) values (?,?,?,?,'-','-')"_s,
                    {++number, name, u"男"_s, klass}))
                return false;
        }
        return true;
    }

    // Started as 校长 with 张三 and 李四 in 3年级2班.
    static bool startWithTwoPupils(StartedProgram& program)
    {
        return program.startAsHead()
            && addClassWithPupils(program.main().studentDb(), u"3年级2班"_s, {u"张三"_s, u"李四"_s});
    }

private Q_SLOTS:
    void everyWiredCommandHasItsHandler()
    {
        StartedProgram program;
        QVERIFY(program.startup.start());
        const CommandRegistry& c = program.main().commands();
        for (const char16_t* name : {u"校务设置", u"查看学生资料", u"毕业学生资料", u"转退学生资料", u"添加学生资料",
                 u"修改学生资料", u"设置界面风格", u"记事本", u"计算器", u"背景音乐一", u"背景音乐二", u"其它音乐",
                 u"关闭音乐", u"使用手册"})
            QVERIFY2(c.hasHandler(QString::fromUtf16(name)), qPrintable(QString::fromUtf16(name)));
    }

    void schoolSettingsOpenOverTheMainWindow()
    {
        StartedProgram program;
        QVERIFY(program.startAsHead());
        MainWindow& main = program.main();
        QString seen;
        QTimer::singleShot(0, [&seen] {
            if (auto* w = qobject_cast<SchoolSettingsWindow*>(QApplication::activeModalWidget())) {
                seen = w->windowTitle();
                w->reject();
            }
        });
        QVERIFY(main.runCommand(u"校务设置"));
        QVERIFY(!seen.isNull());
    }

    void studentViewMovesAlongItsNames()
    {
        StartedProgram program;
        QVERIFY(startWithTwoPupils(program));
        MainWindow& main = program.main();
        QVERIFY(main.runCommand(u"查看学生资料"));
        QCOMPARE(main.currentPage(), Page::StudentView);
        auto* names = program.startup.features()->studentView()->findChild<NameFlowView*>(u"查看学生列表框"_s);
        QVERIFY(names);
        QCOMPARE(names->rowCount(), 2);
        main.navigate(RecordNavigation::Move::Last);
        QCOMPARE(names->currentRow(), 1);
        program.f.prompt.clear();
        main.navigate(RecordNavigation::Move::Next);
        QCOMPARE(program.f.prompt.lastText(), u"已到最后一个记录"_s);
    }

    void rosterRowOpensThePupilOnTheStudentView()
    {
        StartedProgram program;
        QVERIFY(startWithTwoPupils(program));
        MainWindow& main = program.main();
        QVERIFY(main.runCommand(u"在校学生列表"));
        QCOMPARE(main.currentPage(), Page::EnrolledRoster);
        auto* roster = main.findChild<ReportList*>(u"在校生列表框"_s);
        QCOMPARE(roster->rowCount(), 2);
        main.navigate(RecordNavigation::Move::Last); // the toolbar moves along the roster too
        QCOMPARE(roster->currentText(2), u"张三"_s);
        QTest::keyClick(roster, Qt::Key_Return);
        QCOMPARE(main.currentPage(), Page::StudentView);
        QCOMPARE(main.findChild<QLabel*>(u"学生学号"_s)->text(), roster->currentText(1));
    }

    void storedStyleIsAppliedAtStart()
    {
        AppFixture f;
        AppSettings settings(f.paths.settingsFile(), f.fileOps);
        QVERIFY(settings.writeDefaultsIfMissing());
        QVERIFY(settings.setValue(u"Interface"_s, u"Style"_s, u"2"_s));
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        QVERIFY(!qApp->styleSheet().isEmpty());
        applyInterfaceStyle(0);
        QVERIFY(qApp->styleSheet().isEmpty());
    }

    void namingTheSchoolShowsTheNameAsGiven()
    {
        StartedProgram program;
        QVERIFY(program.startup.start());
        MainWindow& main = program.main();
        QCOMPARE(main.homePage()->首页校名标签->text(), u"(请设置学校名称)校务管理系统"_s);
        // The settings window as 校务设置 opens it, on the workspace Features hands out.
        SchoolSettingsWindow window(program.startup.features()->workspace(), &main);
        auto* name = window.findChild<QLineEdit*>(u"学校名编辑框"_s);
        auto* rename = window.findChild<QPushButton*>(u"添加学校按钮"_s);
        name->setText(u"育才小学"_s);
        rename->click();
        QCOMPARE(main.homePage()->首页校名标签->text(), u"育才小学校务管理系统"_s);
        QCOMPARE(main.findChild<QLabel*>(u"学校名称标签"_s)->text(), u"育才小学"_s);
        QCOMPARE(AppSettings(program.f.paths.settingsFile(), program.f.fileOps).schoolName(), u"育才小学"_s);
        name->clear();
        rename->click();
        QCOMPARE(main.homePage()->首页校名标签->text(), u"校务管理系统"_s);
    }
};

XIAOWU_TEST(TestFeatures)
#include "TestFeatures.moc"
