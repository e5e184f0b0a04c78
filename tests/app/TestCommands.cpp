#include "AppFixture.h"

#include "app/CommandRegistry.h"
#include "app/MainWindow.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QStringList itemsOf(const QMenu* menu)
{
    QStringList items;
    for (const QAction* a : menu->actions())
        items.append(a->isSeparator() ? u"-"_s : a->menu() ? u"▸"_s + a->text() : a->text());
    return items;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menusHoldEveryItemInOrder()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        QStringList titles;
        for (const QAction* a : w.menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles,
            QStringList({u"&S.校务管理"_s, u"&P.班务管理"_s, u"&T.教员管理"_s, u"&E评测管理"_s, u"&W.工资管理"_s,
                u"&L.资料列表"_s, u"&V.历史资料"_s, u"&C.常用工具"_s, u"&H.帮助"_s}));
        QCOMPARE(itemsOf(w.menu(u"校务管理")),
            QStringList({u"校务设置"_s, u"管理员设置"_s, u"修改管理员资料"_s, u"重新登录"_s, u"-"_s,
                u"通用班级毕业升级"_s, u"自设班级毕业升级"_s, u"-"_s, u"系统数据维护"_s, u"系统数据初始化"_s, u"-"_s,
                u"打印预览"_s, u"打印"_s, u"导出"_s, u"-"_s, u"退出系统"_s}));
        QCOMPARE(itemsOf(w.menu(u"评测管理")),
            QStringList({u"智能评语录入"_s, u"-"_s, u"期中成绩录入"_s, u"期末成绩录入"_s, u"-"_s, u"成绩分析"_s}));
        QCOMPARE(itemsOf(w.menu(u"常用工具")),
            QStringList({u"编辑课程表"_s, u"设置界面风格"_s, u"记事本"_s, u"计算器"_s, u"▸背景音乐"_s}));
        QCOMPARE(itemsOf(w.menu(u"背景音乐")),
            QStringList({u"背景音乐一"_s, u"背景音乐二"_s, u"其它音乐"_s, u"关闭音乐"_s}));
        QCOMPARE(itemsOf(w.menu(u"工资")),
            QStringList({u"添加一行"_s, u"删除一行"_s, u"标题设置"_s, u"工资表一"_s, u"工资表二"_s, u"工资表三"_s,
                u"工资表四"_s, u"工资表五"_s}));
        // The pop-up menus are not in the menu bar.
        for (const QAction* a : w.menuBar()->actions())
            QVERIFY(!QStringList({u"学离"_s, u"教离"_s, u"工资"_s}).contains(a->menu()->objectName()));
    }

    void toolbarSharesTheMenuActions()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        auto* bar = w.findChild<QToolBar*>(u"工具条1"_s);
        QVERIFY(bar);
        const QList<QAction*> items = bar->actions();
        QCOMPARE(items.size(), 32);
        QList<int> separators;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i]->isSeparator())
                separators.append(i);
            else
                QVERIFY2(!items[i]->icon().pixmap(24).isNull(), qPrintable(items[i]->toolTip()));
        }
        QCOMPARE(separators, QList<int>({4, 9, 13, 18, 22, 25, 30}));
        QCOMPARE(items[3], w.commands().action(u"学生转学退学"));
        QCOMPARE(items[3]->toolTip(), u"学生转学、退学离校"_s);
        QCOMPARE(items[11], w.commands().action(u"打印"));
        QCOMPARE(items[11]->toolTip(), u"打印当前页"_s);
        QCOMPARE(items[12], w.commands().action(u"导出"));
        QCOMPARE(items[16], w.commands().action(u"期中成绩录入"));
        QCOMPARE(items[31]->toolTip(), u"返回主界面"_s);
    }

    void refusedCommandShowsTheRefusalAndNothingElse()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"张老师"_s, RightsString(u"0111"_s)});
        int ran = 0;
        w.commands().setHandler(u"查看学生资料", [&ran] { ++ran; });
        w.commands().setHandler(u"打开工资表一", [&ran] { ++ran; });

        // From the toolbar button, exactly as from the menu.
        auto* bar = w.findChild<QToolBar*>(u"工具条1"_s);
        bar->actions().at(14)->trigger();
        QCOMPARE(ran, 0);
        QCOMPARE(f.prompt.boxes().size(), 1);
        const FakePrompt::Box& box = f.prompt.boxes().first();
        QCOMPARE(box.text, u"  抱歉！您没有当前的操作权限！  "_s);
        QCOMPARE(box.title, u"信息："_s);
        QCOMPARE(box.icon, Prompt::Icon::None);
        QCOMPARE(w.currentPage(), Page::Home);

        // Allowed: the handler runs and nothing is shown.
        f.prompt.clear();
        w.commands().action(u"打开工资表一")->trigger();
        QCOMPARE(ran, 1);
        QVERIFY(f.prompt.boxes().isEmpty());
    }

    void refusedCheckableCommandKeepsItsMark()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"张老师"_s, RightsString(u"1101"_s)});
        QAction* table = w.commands().action(u"打开工资表二");
        table->trigger();
        QCOMPARE(f.prompt.lastText(), u"  抱歉！您没有当前的操作权限！  "_s);
        QVERIFY(!table->isChecked());
    }

    void ordinaryAdministratorSeesOwnAccountCommand()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"李主任"_s, RightsString(u"1101"_s)});
        QVERIFY(w.commands().action(u"修改管理员资料")->isVisible());
        QVERIFY(!w.commands().action(u"管理员设置")->isVisible());
        QCOMPARE(w.statusPanel(1), u"李主任"_s);
        QCOMPARE(w.session().rights.text(), u"1101"_s);

        // Delete commands and initialisation need a super administrator, even with the system right.
        int ran = 0;
        for (const char16_t* name :
            {u"系统数据初始化", u"删除学生资料", u"删除教员档案", u"删除学生", u"恢复教员资料"}) {
            w.commands().setHandler(QStringView(name), [&ran] { ++ran; });
            QVERIFY(!w.runCommand(QStringView(name)));
        }
        QCOMPARE(ran, 0);
        QCOMPARE(f.prompt.boxes().size(), 5);

        w.setSession({u"教务员"_s, RightsString(u"0001"_s)});
        QVERIFY(w.commands().action(u"修改管理员资料")->isVisible());
        QVERIFY(!w.commands().action(u"管理员设置")->isVisible());

        w.setSession({u"校长"_s, RightsString::super()});
        QVERIFY(w.commands().action(u"管理员设置")->isVisible());
        QVERIFY(!w.commands().action(u"修改管理员资料")->isVisible());
        QVERIFY(w.runCommand(u"系统数据初始化"));
        QCOMPARE(ran, 1);
    }

    void unguardedCommandsNeedNoRights()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"甲"_s, RightsString(u"1000"_s)});
        for (const char16_t* name : {u"编辑课程表", u"记事本", u"关闭音乐", u"使用手册", u"设置界面风格"})
            QVERIFY(w.runCommand(QStringView(name)));
        QVERIFY(f.prompt.boxes().isEmpty());
    }

    void wageButtonCyclesThroughTheFiveTables()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"会计"_s, RightsString(u"0010"_s)});
        QStringList opened;
        const QStringList tables {
            u"打开工资表一"_s, u"打开工资表二"_s, u"打开工资表三"_s, u"打开工资表四"_s, u"打开工资表五"_s};
        for (const QString& name : tables) {
            // As the wage page will: open the page, then mark its table.
            w.commands().setHandler(name, [&w, &opened, name] {
                w.enablePageCommands();
                w.commands().action(name)->setChecked(true);
                w.showPage(Page::WageSheet);
                opened.append(name);
            });
        }
        auto* bar = w.findChild<QToolBar*>(u"工具条1"_s);
        QAction* wageButton = w.commands().action(u"教员工资管理");
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(wageButton));
        QVERIFY(button);
        QCOMPARE(button->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(button->menu(), w.menu(u"工资管理"));

        for (int i = 0; i < 6; ++i)
            wageButton->trigger();
        QCOMPARE(opened, tables + QStringList {tables.first()});
        QVERIFY(w.commands().action(u"打开工资表一")->isChecked());
        QVERIFY(!w.commands().action(u"打开工资表五")->isChecked());

        // Back home, the cycle starts again at one.
        w.showHomePage();
        for (const QString& name : tables)
            QVERIFY(!w.commands().action(name)->isChecked());
        opened.clear();
        wageButton->trigger();
        QCOMPARE(opened, QStringList {tables.first()});
    }

    void wageButtonIsRefusedWithoutTheWageRight()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"教务"_s, RightsString(u"1101"_s)});
        bool ran = false;
        w.commands().setHandler(u"打开工资表一", [&ran] { ran = true; });
        w.runCommand(u"教员工资管理");
        QVERIFY(!ran);
        QCOMPARE(f.prompt.lastText(), u"  抱歉！您没有当前的操作权限！  "_s);
    }

    void featuresRunEachOthersCommandsByName()
    {
        AppFixture f;
        MainWindow w(f.services, f.paths);
        w.setSession({u"校长"_s, RightsString::super()});
        bool settingsOpened = false;
        w.commands().setHandler(u"校务设置", [&settingsOpened] { settingsOpened = true; });
        QVERIFY(w.runCommand(u"校务设置"));
        QVERIFY(settingsOpened);
        QVERIFY(!w.runCommand(u"没有这个命令"));
        QVERIFY(!w.commands().setHandler(u"没有这个命令", [] {}));
    }
};

XIAOWU_TEST(TestCommands)
#include "TestCommands.moc"
