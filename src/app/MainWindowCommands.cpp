// The menus, pop-up menus and toolbar of the main window, and the commands the window handles itself.
#include "app/MainWindow.h"

#include "app/CommandRegistry.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QStringList& wageTableCommands()
{
    static const QStringList names {
        u"打开工资表一"_s, u"打开工资表二"_s, u"打开工资表三"_s, u"打开工资表四"_s, u"打开工资表五"_s};
    return names;
}

const QStringList& wagePopupCommands()
{
    static const QStringList names {u"工资表一"_s, u"工资表二"_s, u"工资表三"_s, u"工资表四"_s, u"工资表五"_s};
    return names;
}

const QString separator = u"-"_s;

struct ToolItem
{
    const char16_t* tooltip; // null: a separator
    const char16_t* command;
    const char16_t* icon;
};

// The toolbar in order; separators sit at 4, 9, 13, 18, 22, 25 and 30.
const ToolItem toolItems[] = {
    {u"添加学生资料", u"添加学生资料", u"student_add"},
    {u"修改学生资料", u"修改学生资料", u"student_edit"},
    {u"调整学生班级", u"调整学生班级", u"student_class"},
    {u"学生转学、退学离校", u"学生转学退学", u"student_leave"},
    {nullptr, nullptr, nullptr},
    {u"添加教员资料", u"添加教员档案", u"teacher_add"},
    {u"修改教员资料", u"修改教员档案", u"teacher_edit"},
    {u"教员退休操作", u"教员退休操作", u"teacher_retire"},
    {u"教员调离操作", u"教员调离操作", u"teacher_transfer"},
    {nullptr, nullptr, nullptr},
    {u"打印预览", u"打印预览", u"print_preview"},
    {u"打印当前页", u"打印", u"print"},
    {u"导出当前页到Excel或CSV文件", u"导出", u"export"},
    {nullptr, nullptr, nullptr},
    {u"查看学生资料", u"查看学生资料", u"student_view"},
    {u"学生资料列表", u"在校学生列表", u"student_list"},
    {u"学生成绩管理", u"期中成绩录入", u"scores"},
    {u"录入学生评语", u"智能评语录入", u"comments"},
    {nullptr, nullptr, nullptr},
    {u"查看教员资料", u"查看教员档案", u"teacher_view"},
    {u"教员资料列表", u"在职教员列表", u"teacher_list"},
    {u"教员工资管理", u"教员工资管理", u"wages"},
    {nullptr, nullptr, nullptr},
    {u"编辑课程表", u"编辑课程表", u"timetable"},
    {u"背景音乐", u"背景音乐", u"music"},
    {nullptr, nullptr, nullptr},
    {u"到首记录", u"到首记录", u"first"},
    {u"上一条记录", u"上一条记录", u"previous"},
    {u"下一条记录", u"下一条记录", u"next"},
    {u"到尾记录", u"到尾记录", u"last"},
    {nullptr, nullptr, nullptr},
    {u"返回主界面", u"返回主界面", u"home"},
};

} // namespace

void MainWindow::buildCommands()
{
    // Every menu item, pop-up item and toolbar button of its own.
    const QStringList plain {u"校务设置"_s, u"管理员设置"_s, u"修改管理员资料"_s, u"重新登录"_s, u"通用班级毕业升级"_s,
        u"自设班级毕业升级"_s, u"系统数据维护"_s, u"系统数据初始化"_s, u"打印预览"_s, u"打印"_s, u"导出"_s,
        u"退出系统"_s, u"查看学生资料"_s, u"添加学生资料"_s, u"修改学生资料"_s, u"删除学生资料"_s, u"调整学生班级"_s,
        u"学生转学退学"_s, u"导入学生资料"_s, u"查看教员档案"_s, u"添加教员档案"_s, u"修改教员档案"_s,
        u"删除教员档案"_s, u"教员退休操作"_s, u"教员调离操作"_s, u"智能评语录入"_s, u"期中成绩录入"_s,
        u"期末成绩录入"_s, u"成绩分析"_s, u"在校学生列表"_s, u"毕业学生列表"_s, u"转退学生列表"_s, u"在职教员列表"_s,
        u"退休教员列表"_s, u"调离教员列表"_s, u"毕业学生资料"_s, u"转退学生资料"_s, u"退休教员档案"_s,
        u"调离教员档案"_s, u"编辑课程表"_s, u"设置界面风格"_s, u"记事本"_s, u"计算器"_s, u"关闭音乐"_s, u"使用手册"_s,
        u"删除学生"_s, u"离校学生复学"_s, u"删除教员"_s, u"恢复教员资料"_s, u"添加一行"_s, u"删除一行"_s, u"标题设置"_s,
        u"教员工资管理"_s, u"背景音乐"_s, u"到首记录"_s, u"上一条记录"_s, u"下一条记录"_s, u"到尾记录"_s,
        u"返回主界面"_s};
    for (const QString& name : plain)
        m_commands->add(name);
    for (const QString& name : wageTableCommands() + wagePopupCommands())
        m_commands->add(name, true);
    for (const QString& name : {u"背景音乐一"_s, u"背景音乐二"_s, u"其它音乐"_s})
        m_commands->add(name, true);
}

void MainWindow::addItems(QMenu* menu, const QStringList& items)
{
    for (const QString& item : items) {
        if (item == separator)
            menu->addSeparator();
        else
            menu->addAction(m_commands->action(item));
    }
}

QMenu* MainWindow::addMenu(QMenu* parent, const QString& title, const QStringList& items)
{
    // The object name drops the access key: "&S.校务管理" is found as "校务管理".
    QString name = title;
    name.remove(u'&');
    if (name.size() > 1 && name.at(0).isLetter() && name.at(0).unicode() < 128)
        name.remove(0, name.at(1) == u'.' ? 2 : 1);
    QMenu* menu = parent ? parent->addMenu(title) : new QMenu(title, this);
    menu->setObjectName(name);
    addItems(menu, items);
    m_menus.append(menu);
    return menu;
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto top = [this, bar](const QString& title, const QStringList& items) {
        QMenu* menu = addMenu(nullptr, title, items);
        bar->addMenu(menu);
        return menu;
    };
    const QString s = separator;
    top(u"&S.校务管理"_s,
        {u"校务设置"_s, u"管理员设置"_s, u"修改管理员资料"_s, u"重新登录"_s, s, u"通用班级毕业升级"_s,
            u"自设班级毕业升级"_s, s, u"系统数据维护"_s, u"系统数据初始化"_s, s, u"打印预览"_s, u"打印"_s, u"导出"_s, s,
            u"退出系统"_s});
    top(u"&P.班务管理"_s,
        {u"查看学生资料"_s, s, u"添加学生资料"_s, u"修改学生资料"_s, u"删除学生资料"_s, s, u"导入学生资料"_s, s,
            u"调整学生班级"_s, u"学生转学退学"_s});
    top(u"&T.教员管理"_s,
        {u"查看教员档案"_s, s, u"添加教员档案"_s, u"修改教员档案"_s, u"删除教员档案"_s, s, u"教员退休操作"_s,
            u"教员调离操作"_s});
    top(u"&E评测管理"_s, {u"智能评语录入"_s, s, u"期中成绩录入"_s, u"期末成绩录入"_s, s, u"成绩分析"_s});
    top(u"&W.工资管理"_s, wageTableCommands());
    top(u"&L.资料列表"_s,
        {u"在校学生列表"_s, u"毕业学生列表"_s, u"转退学生列表"_s, s, u"在职教员列表"_s, u"退休教员列表"_s,
            u"调离教员列表"_s});
    top(u"&V.历史资料"_s, {u"毕业学生资料"_s, u"转退学生资料"_s, s, u"退休教员档案"_s, u"调离教员档案"_s});
    QMenu* tools = top(u"&C.常用工具"_s, {u"编辑课程表"_s, u"设置界面风格"_s, u"记事本"_s, u"计算器"_s});
    addMenu(tools, u"背景音乐"_s, {u"背景音乐一"_s, u"背景音乐二"_s, u"其它音乐"_s, u"关闭音乐"_s});
    top(u"&H.帮助"_s, {u"使用手册"_s});
}

void MainWindow::buildPopupMenus()
{
    // Never in the menu bar: the pages open them at the mouse.
    addMenu(nullptr, u"学离"_s, {u"删除学生"_s, u"离校学生复学"_s});
    addMenu(nullptr, u"教离"_s, {u"删除教员"_s, u"恢复教员资料"_s});
    addMenu(nullptr, u"工资"_s, QStringList {u"添加一行"_s, u"删除一行"_s, u"标题设置"_s} + wagePopupCommands());
}

void MainWindow::buildToolBar()
{
    工具条1 = addToolBar(u"工具条1"_s);
    工具条1->setObjectName(u"工具条1"_s);
    工具条1->setMovable(false);
    工具条1->setIconSize(QSize(24, 24));
    for (const ToolItem& item : toolItems) {
        if (!item.tooltip) {
            工具条1->addSeparator();
            continue;
        }
        QAction* action = m_commands->action(QString::fromUtf16(item.command));
        action->setToolTip(QString::fromUtf16(item.tooltip));
        action->setIcon(QIcon(u":/icons/"_s + QString::fromUtf16(item.icon) + u".png"_s));
        工具条1->addAction(action);
    }
    // The wage button opens the next table on a click and the wage menu from its arrow.
    m_wageButton = qobject_cast<QToolButton*>(工具条1->widgetForAction(m_commands->action(u"教员工资管理")));
    if (m_wageButton) {
        m_wageButton->setMenu(menu(u"工资管理"));
        m_wageButton->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void MainWindow::installOwnHandlers()
{
    CommandRegistry& c = *m_commands;
    c.setHandler(u"退出系统", [this] { confirmExit(); });
    c.setHandler(u"返回主界面", [this] { showHomePage(); });
    c.setHandler(u"到首记录", [this] { navigate(RecordNavigation::Move::First); });
    c.setHandler(u"上一条记录", [this] { navigate(RecordNavigation::Move::Previous); });
    c.setHandler(u"下一条记录", [this] { navigate(RecordNavigation::Move::Next); });
    c.setHandler(u"到尾记录", [this] { navigate(RecordNavigation::Move::Last); });
    c.setHandler(u"教员工资管理", [this] { openNextWageTable(); });
    c.setHandler(u"背景音乐", [this] { menu(u"背景音乐")->popup(QCursor::pos()); });
    c.setHandler(u"管理员设置", [this] { openLoginWindow(3, true); });
    c.setHandler(u"修改管理员资料", [this] { openLoginWindow(1, true); });
    c.setHandler(u"重新登录", [this] {
        m_relogin = true;
        openLoginWindow(0, true);
    });
}

void MainWindow::openNextWageTable()
{
    // One → two → … → five → one: the open table carries the check mark.
    const QStringList& tables = wageTableCommands();
    for (qsizetype i = 0; i + 1 < tables.size(); ++i) {
        if (m_commands->action(tables[i])->isChecked()) {
            runCommand(tables[i + 1]);
            return;
        }
    }
    runCommand(tables.first());
}

void MainWindow::uncheckWageTables()
{
    for (const QString& name : wageTableCommands() + wagePopupCommands())
        m_commands->action(name)->setChecked(false);
}

void MainWindow::setPageCommandsEnabled(bool enabled)
{
    for (const char16_t* name :
        {u"打印预览", u"打印", u"导出", u"到首记录", u"上一条记录", u"下一条记录", u"到尾记录", u"返回主界面"})
        m_commands->action(QStringView(name))->setEnabled(enabled);
}
