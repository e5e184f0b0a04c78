#include "wages/WagePage.h"

#include "access/CommandRights.h"
#include "platform/AppPaths.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "printing/TableReports.h"
#include "settings/AppSettings.h"
#include "sheet/ColumnFit.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "wages/WageSettingsWindow.h"
#include "wages/WageSheet.h"
#include "wages/WageTableFile.h"
#include "workspace/PageFrame.h"
#include "workspace/PageMetrics.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton* button(const QString& name, const QString& text)
{
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus); // the grid keeps the focus, and its pending edit
    return b;
}

} // namespace

WagePage::WagePage(Workspace& ws, PageFrame& frame, QWidget* parent)
    : QWidget(parent)
    , m_ws(ws)
    , m_frame(frame)
{
    选择工资表标签 = new QLabel(u"请选择："_s);
    选择工资表标签->setObjectName(u"选择工资表标签"_s);
    工资表组合框 = new QComboBox;
    工资表组合框->setObjectName(u"工资表组合框"_s);
    for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet)
        工资表组合框->addItem(WageTableFile::sheetName(sheet));
    工资设置按钮 = button(u"工资设置按钮"_s, u"设  置"_s);
    插入一行钮 = button(u"插入一行钮"_s, u"插入一行"_s);
    删除一行钮 = button(u"删除一行钮"_s, u"删除一行"_s);
    if (QHBoxLayout* bar = frame.barLayout()) {
        bar->addWidget(选择工资表标签);
        bar->addWidget(工资表组合框);
        bar->addStretch(1);
        bar->addWidget(工资设置按钮);
        bar->addWidget(插入一行钮);
        bar->addWidget(删除一行钮);
    }
    工资日期标签 = new QLabel;
    工资日期标签->setObjectName(u"工资日期标签"_s);
    frame.titleLayout()->addWidget(工资日期标签, 0, Qt::AlignRight | Qt::AlignVCenter);

    工资表格 = new SheetGrid(this);
    工资表格->setObjectName(u"工资表格"_s);
    工资表格->installEventFilter(this);
    工资表格->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(工资表格);

    connect(工资表组合框, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index + 1 != m_open)
            openSheet(index + 1);
    });
    connect(工资设置按钮, &QPushButton::clicked, this, &WagePage::titleSettings);
    connect(插入一行钮, &QPushButton::clicked, this, &WagePage::insertRow);
    connect(删除一行钮, &QPushButton::clicked, this, &WagePage::deleteRow);
    connect(工资表格, &SheetGrid::cursorMoved, this, &WagePage::cursorMoved);
    connect(工资表格, &SheetGrid::cellChanged, this, &WagePage::cellChanged);
}

WagePage::~WagePage()
{
    工资表格->detach();
}

bool WagePage::openSheet(int sheet)
{
    Prompt& prompt = m_ws.services.prompt;
    if (!m_ws.state.session().rights.grants(Requirement::Wages)) {
        prompt.show(CommandRights::refusal());
        showSelectorItem(m_open);
        return false;
    }
    // Changes the disk refused stay on screen until they are written or the user lets them go.
    if (m_unsaved && !save()
        && prompt.show(u"当前工资表的修改尚未保存，换表将丢失这些修改。仍要换表吗？"_s, u"询问"_s,
               Prompt::Icon::Question, Prompt::Buttons::YesNo)
            != Prompt::Answer::Yes) {
        showSelectorItem(m_open);
        return false;
    }
    const QString path = m_ws.paths.path(WageTableFile::relativePath(sheet));
    auto table = std::make_unique<SheetTable>();
    table->setObjectName(u"工资数据源"_s);
    const std::optional<QByteArray> bytes = m_ws.services.fileOps.readFile(path);
    if (path.isEmpty() || !WageTableFile::read(bytes.value_or(QByteArray()), *table)) {
        prompt.show(u"不能打开工资表数据文件！"_s);
        showSelectorItem(m_open);
        return false;
    }

    // Detaching drops an edit still pending in the old sheet, so it never lands in this one.
    工资表格->detach();
    m_sheet.reset();
    m_table = std::move(table);
    m_sheet = std::make_unique<WageSheet>(*m_table);
    m_open = sheet;
    m_path = path;
    m_unsaved = false;
    // Measuring every text is most of the work after the file: done once for zoom and widths.
    const QList<int> needs = m_sheet->textWidths();
    工资表格->setZoom(zoom(m_ws.services.screen.width(), needs));
    m_sheet->present(columnWidth(), needs);
    工资表格->attach(m_table.get());

    const QDate today = m_ws.services.clock.today();
    工资日期标签->setText(WageSheet::payMonth(today.year(), today.month()));
    m_ws.state.setStatusState(u"    当前状态：教员工资管理"_s);
    m_ws.state.setStatusHint(u"    提示：移动方格光标直接键入修改内容，单击右键可弹出操作菜单！"_s);
    m_ws.shell.openPage(Page::WageSheet);
    工资表格->setFocus();
    工资表格->setCursorCell(2, 2);
    cursorMoved(工资表格->cursorRow(), 工资表格->cursorColumn());

    showSelectorItem(sheet);
    const QString title = m_ws.settings.wageTitle(sheet);
    m_frame.setTitle(title.isEmpty() ? WageSheet::defaultTitle(m_ws.state.schoolName(), sheet) : title);
    if (markOpenSheet)
        markOpenSheet(sheet);
    return true;
}

void WagePage::showSelectorItem(int sheet)
{
    // Putting the selector back must not open anything.
    const QSignalBlocker quiet(工资表组合框);
    if (sheet >= 1)
        工资表组合框->setCurrentIndex(sheet - 1);
    else
        工资表组合框->setCurrentIndex(0);
}

int WagePage::columnWidth() const
{
    // Ten equal columns across the grid at its zoom. The old proportion of the main window's width
    // (W / 3.33) left the net pay out of sight at 1024 pixels; it stays as the fallback while the
    // grid has no width yet.
    const int pixels = 工资表格->viewport()->width();
    const double pixelsPerUnit = 工资表格->logicalDpiY() / 254.0 * 工资表格->zoom() / 100.0;
    if (pixels < 100 || pixelsPerUnit <= 0) {
        const QWidget* main = m_ws.shell.ownerWindow() ? m_ws.shell.ownerWindow() : window();
        return int(main->width() / 3.33);
    }
    return int(pixels / pixelsPerUnit / int(WageSheet::Extra));
}

int WagePage::zoom(int screenWidth, const QList<int>& needs) const
{
    const int pixels = 工资表格->viewport()->width();
    const int zoom = PageMetrics::wageGridZoom(screenWidth);
    return m_sheet && pixels >= 100 ? ColumnFit::fittingZoom(needs, pixels, 工资表格->logicalDpiY(), zoom) : zoom;
}

void WagePage::applyLayout(int, int screenWidth)
{
    if (!m_sheet)
        return;
    const QList<int> needs = m_sheet->textWidths();
    工资表格->setZoom(zoom(screenWidth, needs));
    fitColumns(needs);
}

void WagePage::fitColumns()
{
    fitColumns(m_sheet->textWidths());
}

void WagePage::fitColumns(const QList<int>& needs)
{
    // An amount typed longer than its column makes the sheet smaller, never cut.
    if (const int fitted = zoom(m_ws.services.screen.width(), needs); fitted != 工资表格->zoom())
        工资表格->setZoom(fitted);
    m_sheet->setColumnWidths(columnWidth(), needs);
    m_table->commit();
}

void WagePage::cursorMoved(int row, int column)
{
    if (!m_sheet || row == 0)
        return;
    const auto [r, c] = m_sheet->cursorCell(row, column);
    if (r != row || c != column) {
        工资表格->setCursorCell(r, c); // comes back here from the allowed cell
        return;
    }
    m_sheet->highlight(row);
    m_table->commit();
}

void WagePage::cellChanged(int row, int column)
{
    if (!m_sheet)
        return;
    m_sheet->cellEdited(row, column);
    fitColumns();
    save();
}

void WagePage::insertRow()
{
    if (!m_sheet)
        return;
    const int row = m_sheet->insertRow(工资表格->cursorRow());
    m_sheet->highlight(row);
    工资表格->setCursorCell(row, 1);
    m_table->commit();
    save();
    工资表格->setFocus();
}

void WagePage::deleteRow()
{
    if (!m_sheet)
        return;
    Prompt& prompt = m_ws.services.prompt;
    const int row = 工资表格->cursorRow();
    if (!m_sheet->isStaffRow(row)) {
        prompt.show(u"抱歉！您不能删除“合计：”的资料！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    const QString name = m_sheet->nameAt(row);
    if (!name.isEmpty()
        && prompt.show(u"您确认要删除"_s + name + u"的工资资料吗？"_s, u"询问"_s, Prompt::Icon::Question,
               Prompt::Buttons::OkCancel)
            != Prompt::Answer::Ok)
        return;
    m_sheet->deleteRow(row);
    // The last staff row gone, the cursor goes up rather than onto the total row.
    const auto [r, c] = m_sheet->cursorCell(row, 工资表格->cursorColumn());
    工资表格->setCursorCell(r, c);
    m_sheet->highlight(工资表格->cursorRow());
    m_table->commit();
    save();
    工资表格->setFocus();
}

void WagePage::titleSettings()
{
    if (!m_sheet)
        return;
    const QDate today = m_ws.services.clock.today();
    // The open sheet, not whatever the selector may show.
    WageSettingsWindow window(WageTableFile::sheetName(m_open), m_frame.titleLabel()->text(), m_sheet->itemNames(),
        today, m_ws.shell.ownerWindow());
    const bool accepted = window.exec() == QDialog::Accepted;
    工资表格->setFocus();
    if (!accepted)
        return; // nothing changed, so the file is not rewritten
    if (!m_ws.settings.setWageTitle(m_open, window.title()))
        m_ws.services.prompt.show(m_ws.settings.failure(u"不能保存工资表标题！"_s));
    m_frame.setTitle(window.title());
    工资日期标签->setText(window.payMonth());
    m_sheet->setItemNames(window.itemNames());
    m_table->commit();
    save();
}

bool WagePage::save()
{
    FileOps& files = m_ws.services.fileOps;
    if (files.writeFile(m_path, WageTableFile::write(*m_table))) {
        if (m_unsaved) {
            m_unsaved = false;
            m_ws.state.setStatusState(u"    当前状态：教员工资管理"_s);
        }
        return true;
    }
    // The grid keeps what was typed; the next change or a change of sheet tries again.
    m_unsaved = true;
    m_ws.state.setStatusState(u"    当前状态：教员工资管理（修改尚未保存！）"_s);
    m_ws.services.prompt.show(files.failure(u"不能保存工资表数据文件！"_s));
    return false;
}

bool WagePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == 工资表格 && event->type() == QEvent::KeyPress && !工资表格->isEditing()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if (key->modifiers() == Qt::NoModifier && (k == Qt::Key_Insert || k == Qt::Key_Delete || k == Qt::Key_F12)) {
            // Held down, the key still acts once.
            if (!key->isAutoRepeat()) {
                if (k == Qt::Key_Insert)
                    insertRow();
                else if (k == Qt::Key_Delete)
                    deleteRow();
                else
                    titleSettings();
            }
            return true;
        }
    }
    if (watched == 工资表格->viewport() && event->type() == QEvent::Resize && m_sheet)
        fitColumns();
    if (watched == 工资表格->viewport() && event->type() == QEvent::ContextMenu && m_sheet) {
        if (QMenu* menu = m_ws.shell.menu(u"工资"))
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<PageTable> WagePage::pageTable() const
{
    if (!m_table)
        return std::nullopt;
    PageTable table = PageTable::fromSheet(*m_table);
    table.title = m_frame.titleLabel()->text();
    table.note = 工资日期标签->text();
    for (int c = WageSheet::FirstAdded; c <= WageSheet::NetPay && c <= table.kinds.size(); ++c)
        table.kinds[c - 1] = PageTable::Kind::Money;
    return table;
}

ReportBuild WagePage::buildReport(SheetTable& sheet, const QDate&)
{
    const std::optional<PageTable> table = pageTable();
    if (!table)
        return ReportBuild::NoReport;
    TableReports::wages(sheet, *table);
    return ReportBuild::Built;
}
