#include "access/CommandRights.h"
#include "app/CommandRegistry.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "maintenance/DataMaintenanceWindow.h"
#include "store/DatabaseTemplate.h"
#include "support/DataRows.h"
#include "support/FakePrompt.h"
#include "support/ModalGuard.h"
#include "support/StartedProgram.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestDataMaintenanceWindow : public QObject
{
    Q_OBJECT

    ModalGuard m_modals;

private Q_SLOTS:
    void initialisationNeedsEveryRight_data()
    {
        addColumns<QString, bool>({"rights", "runs"});
        QTest::newRow("1110") << u"1110"_s << false;
        QTest::newRow("1111") << u"1111"_s << true;
    }
    void initialisationNeedsEveryRight()
    {
        QFETCH(QString, rights);
        QFETCH(bool, runs);
        FakePrompt prompt;
        CommandRegistry registry(prompt, [rights] { return RightsString(rights); });
        registry.add(u"系统数据初始化"_s);
        bool ran = false;
        registry.setHandler(u"系统数据初始化", [&ran] { ran = true; });
        QCOMPARE(registry.run(u"系统数据初始化"), runs);
        QCOMPARE(ran, runs);
        QCOMPARE(prompt.texts(), runs ? QStringList() : QStringList {CommandRights::refusal()});
    }

    void wageTicksFollowTheAllBox()
    {
        Workbench bench;
        DataMaintenanceWindow window(bench.ws, {});
        // The window is modal and stays up while its runs paint their progress.
        ModalGuard::answering(&window);
        QCOMPARE(window.tickedParts(), (QList<int> {0, 1, 2, 3, 4, 5, 6, 7}));
        QVERIFY(!window.分组框1->isEnabled() && !window.工资表2->isEnabled());
        window.备份或还原全部工资表->setChecked(false);
        QVERIFY(window.分组框1->isEnabled() && window.工资表2->isEnabled());
        QCOMPARE(window.tickedParts(), (QList<int> {0, 1, 2}));
        window.工资表2->setChecked(true);
        QCOMPARE(window.tickedParts(), (QList<int> {0, 1, 2, 4}));
        window.备份或还原全部工资表->setChecked(true);
        QVERIFY(!window.工资表1->isEnabled() && window.工资表1->isChecked());
    }

    void runsShowTheirLogAndRefuseToCloseMidway()
    {
        Workbench bench;
        DataMaintenanceWindow window(bench.ws, {});
        // The window is modal and stays up while its runs paint their progress.
        ModalGuard::answering(&window);
        window.show();
        // The bar is on show and moves while the copies run, and is gone when they are done.
        QList<int> shownValues;
        connect(window.备份进度条, &QProgressBar::valueChanged, &window,
            [&](int value) { shownValues << (window.备份进度条->isVisible() ? value : -1); });
        window.备份系统数据按钮->click();
        QVERIFY(shownValues.size() > 1);
        QVERIFY(std::is_sorted(shownValues.cbegin(), shownValues.cend()) && shownValues.first() >= 0);
        QCOMPARE(shownValues.last(), 100);
        QVERIFY(!window.备份进度条->isVisible());
        QCOMPARE(window.选择夹1->currentIndex(), 1);
        QVERIFY(window.显示编辑框->toPlainText().startsWith(u"正在准备备份系统数据...\n"_s));
        QVERIFY(window.显示编辑框->toPlainText().endsWith(u"√完成教员工资表5数据的备份\n备份系统数据完成！"_s));
        QCOMPARE(bench.desk.prompt.lastText(), u"备份系统数据完成！"_s);
        QVERIFY(window.返回按钮->isEnabled() && window.退出数据维护按钮->isEnabled());

        bench.desk.prompt.answerNext(Prompt::Answer::Cancel);
        window.返回按钮->click();
        window.还原系统数据按钮->click();
        QCOMPARE(window.选择夹1->currentIndex(), 0);
        QCOMPARE(bench.shell.homePageCalls, 0);
        window.还原系统数据按钮->click();
        QCOMPARE(bench.shell.homePageCalls, 1);
        QCOMPARE(bench.desk.prompt.lastText(), u"还原系统数据完成！"_s);
        QVERIFY(bench.studentDb.isOpen() && bench.teacherDb.isOpen());

        window.返回按钮->setEnabled(false);
        window.close();
        QVERIFY(window.isVisible());
        window.返回按钮->setEnabled(true);
        window.退出数据维护按钮->click();
        QVERIFY(!window.isVisible());
    }

    // After a promotion only the students have a backup: the default ticks name what is missing
    // and restore the rest when the user agrees.
    void restoreWithPartsNotBackedUpOffersTheRest_data()
    {
        addSwitchRows("agree", {{"restore the rest", true}, {"restore nothing", false}});
    }

    void restoreWithPartsNotBackedUpOffersTheRest()
    {
        QFETCH(bool, agree);
        Workbench bench;
        DataMaintenanceWindow window(bench.ws, {});
        // The window is modal and stays up while its runs paint their progress.
        ModalGuard::answering(&window);
        window.show();
        QDir(bench.desk.paths.backupDir()).removeRecursively();
        QVERIFY(QDir().mkpath(bench.desk.paths.backupDir()));
        QVERIFY(QFile::copy(
            bench.desk.paths.database(DatabaseKind::Student), bench.desk.paths.backupDir() + u"/006.xsk"_s));
        const QList<int> ticked = window.tickedParts();
        QVERIFY(ticked.size() > 1 && ticked.contains(0));
        bench.desk.prompt.answerNext(Prompt::Answer::Ok);
        bench.desk.prompt.answerNext(agree ? Prompt::Answer::Yes : Prompt::Answer::No);
        window.还原系统数据按钮->click();
        const QString question = bench.desk.prompt.boxes().at(1).text;
        QVERIFY2(
            question.startsWith(u"下列数据还没有备份，不能还原：\r\n    教员数据文件\r\n"_s), qPrintable(question));
        QVERIFY(!question.contains(u"学生数据文件"_s));
        QCOMPARE(bench.desk.prompt.boxes().size(), agree ? 3 : 2);
        if (agree)
            QCOMPARE(bench.desk.prompt.lastText(), u"还原系统数据完成！"_s);
        QCOMPARE(bench.shell.homePageCalls, agree ? 1 : 0);
    }

    void initialisationRestartsTheProgram()
    {
        StartedProgram program;
        QVERIFY(program.startAsHead());
        MainWindow& main = program.main();
        QVERIFY(main.runCommand(u"系统数据初始化"));
        QCOMPARE(program.f.launcher.started, (QList<QStringList> {{QCoreApplication::applicationFilePath()}}));
        QVERIFY(!main.studentDb().isOpen() && !main.teacherDb().isOpen());
        QVERIFY(program.f.prompt.lastText().startsWith(
            u"系统数据初始化完成，即将重新启动本系统！\r\n\r\n初始化前的数据保存在："_s));
    }
};

XIAOWU_TEST(TestDataMaintenanceWindow)
#include "TestDataMaintenanceWindow.moc"
