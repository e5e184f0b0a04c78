// The wage commands as the running program wires them: menu, pop-up menu, toolbar cycle.
#include "app/CommandRegistry.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "sheet/SheetTable.h"
#include "support/FakeServices.h"
#include "support/ModalGuard.h"
#include "support/StartedProgram.h"
#include "support/TestRegistry.h"
#include "wages/WagePage.h"

#include <QAction>
#include <QComboBox>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWageCommands : public QObject
{
    Q_OBJECT

    ModalGuard m_modals;

    static QList<int> checkedSheets(const CommandRegistry& c)
    {
        QList<int> checked;
        const QStringList numbers {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s};
        for (int i = 0; i < 5; ++i) {
            const bool menu = c.action(u"打开工资表"_s + numbers[i])->isChecked();
            const bool popup = c.action(u"工资表"_s + numbers[i])->isChecked();
            if (menu != popup)
                return {-1};
            if (menu)
                checked << i + 1;
        }
        return checked;
    }

private Q_SLOTS:
    void everyEntryOpensTheRealSheetsWithTheRightChecked()
    {
        StartedProgram program;
        QVERIFY(program.startup.start());
        MainWindow& main = program.main();
        main.setSession({u"会计"_s, RightsString(u"0010"_s)});
        WagePage* page = program.startup.features()->wagePage();
        CommandRegistry& c = main.commands();
        QCOMPARE(c.action(u"打开工资表三")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F3));

        QAction* wageButton = c.action(u"教员工资管理");
        for (int expected : {1, 2, 3, 4, 5, 1}) {
            wageButton->trigger();
            QCOMPARE(page->openSheetNumber(), expected);
            QCOMPARE(checkedSheets(c), QList<int> {expected});
            QCOMPARE(main.currentPage(), Page::WageSheet);
        }
        c.action(u"工资表四")->trigger();
        QCOMPARE(page->openSheetNumber(), 4);
        QCOMPARE(checkedSheets(c), QList<int> {4});
        QCOMPARE(page->工资表组合框->currentText(), u"工资表四"_s);

        // Without the wage right neither the pop-up item nor the selector opens a sheet.
        main.setSession({u"教务"_s, RightsString(u"1101"_s)});
        c.action(u"工资表二")->trigger();
        page->工资表组合框->setCurrentIndex(4);
        QCOMPARE(program.f.prompt.texts(), QStringList(2, u"  抱歉！您没有当前的操作权限！  "_s));
        QCOMPARE(page->openSheetNumber(), 4);
        QCOMPARE(page->工资表组合框->currentIndex(), 3);
        QCOMPARE(checkedSheets(c), QList<int> {4});
    }
};

XIAOWU_TEST(TestWageCommands)
#include "TestWageCommands.moc"
