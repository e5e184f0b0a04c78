#include "grades/ScoreSheetPage.h"

#include "classes/ClassSelector.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "printing/TableReports.h"
#include "sheet/ColumnFit.h"
#include "sheet/QueryTable.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetPainter.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/PageFrame.h"
#include "workspace/PageMetrics.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 CursorRowColour = 0xECECEC;
// White on screen and paper without a fill of its own: the grid draws its lines under a filled
// neighbour, so an explicit white would wipe the lines of every row the cursor has visited.
constexpr quint32 PlainRowColour = SheetColour::None;
constexpr int Columns = ScoreSheetRules::ColumnCount;
constexpr int FirstMark = ScoreSheetRules::FirstMarkColumn;

const QString LoadingState = u"当前状态：数据载入中请稍侯......"_s;
const QString SheetState = u"    当前状态：学生成绩管理"_s;
const QString SheetHint = u"  提示：用鼠标或方向键移动方格光标，在光标内输入成绩后按回车键。"_s;

// The busy cursor for as long as the object lives, also when a step returns early.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QComboBox* dropDownList(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

bool hasItems(const QComboBox& box, const QStringList& items)
{
    if (box.count() != items.size())
        return false;
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i) != items[i])
            return false;
    }
    return true;
}

} // namespace

ScoreSheetPage::ScoreSheetPage(Workspace& ws, PageFrame& frame)
    : QWidget(frame.base())
    , m_ws(ws)
    , m_rules(ws.studentDb)
{
    setObjectName(u"成绩表页"_s);
    buildControls(frame);
    // The rows are read straight into the sheet below its header, formatted as they come.
    SheetCell fixed;
    fixed.setAlignment(SheetAlignment::Centre);
    fixed.setFlag(SheetCell::ReadOnlyBit, true);
    SheetCell mark;
    mark.setAlignment(SheetAlignment::Centre);
    mark.setDataType(SheetDataType::Double);
    QList<SheetCell> cells(FirstMark - 1, fixed);
    cells.insert(cells.size(), Columns - FirstMark + 1, mark);
    m_rules.showIn(成绩源, 2, cells);
}

ScoreSheetPage::~ScoreSheetPage() = default;

void ScoreSheetPage::buildControls(PageFrame& frame)
{
    QWidget* bar = frame.barFrame();
    成绩表班级组合框 = dropDownList(u"成绩表班级组合框"_s, bar);
    成绩表班级组合框->setMinimumContentsLength(8);
    考试时间组合框 = dropDownList(u"考试时间组合框"_s, bar);
    考试时间组合框->addItems(ScoreSheetRules::examItems());
    标签18 = new QLabel(u"排序方式"_s, bar);
    标签18->setObjectName(u"标签18"_s);
    成绩表排序组合框 = dropDownList(u"成绩表排序组合框"_s, bar);
    成绩表排序组合框->setMinimumContentsLength(4);
    排序方向组合框 = dropDownList(u"排序方向组合框"_s, bar);
    排序方向组合框->addItems(ScoreSheetRules::directionItems());
    平均成绩统计钮 = new QPushButton(u"全校平均成绩统计表"_s, bar);
    平均成绩统计钮->setObjectName(u"平均成绩统计钮"_s);
    // 成绩分析 for this class, through the command and its rights check. It stands right of the
    // title: the bar has no room left for it at 800 pixels.
    成绩分析钮 = new QPushButton(u"成绩分析"_s, frame.titleFrame());
    成绩分析钮->setObjectName(u"成绩分析钮"_s);
    清空成绩钮 = new QPushButton(u"清 空 →"_s, bar);
    清空成绩钮->setObjectName(u"清空成绩钮"_s);
    清除科目成绩组合框 = dropDownList(u"清除科目成绩组合框"_s, bar);
    清除科目成绩组合框->setMinimumContentsLength(6);

    QHBoxLayout* row = frame.barLayout();
    row->addWidget(成绩表班级组合框);
    row->addWidget(考试时间组合框);
    // Narrow gaps: with wider ones the bar needed more than an 800-pixel window.
    row->addSpacing(6);
    row->addWidget(标签18);
    row->addWidget(成绩表排序组合框);
    row->addWidget(排序方向组合框);
    row->addStretch(1);
    row->addWidget(平均成绩统计钮);
    row->addSpacing(6);
    row->addWidget(清空成绩钮);
    row->addWidget(清除科目成绩组合框);

    成绩表标题标签 = frame.titleLabel();
    frame.titleLayout()->addWidget(成绩分析钮);

    成绩表格 = new SheetGrid(this);
    成绩表格->setObjectName(u"成绩表格"_s);
    成绩表格->attach(&成绩源);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(成绩表格);
    // Whoever focuses the page (the school settings closing over it) means the grid.
    setFocusProxy(成绩表格);
    成绩表格->viewport()->installEventFilter(this);
    frame.setFocusProxy(成绩表格);

    connect(成绩表班级组合框, &QComboBox::currentIndexChanged, this, &ScoreSheetPage::classChanged);
    for (QComboBox* box : {考试时间组合框, 成绩表排序组合框, 排序方向组合框})
        connect(box, &QComboBox::currentIndexChanged, this, &ScoreSheetPage::viewChanged);
    connect(清空成绩钮, &QPushButton::clicked, this, &ScoreSheetPage::clearSubject);
    connect(平均成绩统计钮, &QPushButton::clicked, this, [this] {
        if (showStatistics)
            showStatistics();
    });
    connect(成绩分析钮, &QPushButton::clicked, this, [this] { m_ws.shell.runCommand(u"成绩分析"); });
    connect(成绩表格, &SheetGrid::cursorMoved, this, &ScoreSheetPage::cursorMoved);
    connect(成绩表格, &SheetGrid::cellChanged, this, &ScoreSheetPage::cellChanged);
}

ScoreSheetRules::Exam ScoreSheetPage::exam() const
{
    return 考试时间组合框->currentIndex() == 1 ? ScoreSheetRules::Exam::Final : ScoreSheetRules::Exam::MidTerm;
}

QString ScoreSheetPage::shownClass() const
{
    return 成绩表班级组合框->currentText();
}

void ScoreSheetPage::open(ScoreSheetRules::Exam exam)
{
    bool anyClass = false;
    {
        // Refilling the selectors is part of this one load, not a selection of the user's.
        const QSignalBlocker quiet(成绩表班级组合框);
        anyClass = ClassSelector::load(*成绩表班级组合框, m_ws.state.headTeachers(), m_ws.studentDb);
    }
    if (!anyClass) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置！"_s, u"提示"_s);
        m_ws.shell.runCommand(u"校务设置");
        return;
    }
    buildHeader();
    fillLists();
    {
        const QSignalBlocker quiet(考试时间组合框);
        考试时间组合框->setCurrentIndex(exam == ScoreSheetRules::Exam::Final ? 1 : 0);
    }
    load();
    m_ws.shell.openPage(Page::ScoreSheet);
    成绩表格->setFocus();
}

void ScoreSheetPage::buildHeader()
{
    const QStringList header = ScoreSheetRules::header(m_rules.subjects(成绩表班级组合框->currentText()));
    成绩源.reset(1, Columns);
    for (int c = 1; c <= Columns; ++c)
        成绩源.setText(1, c, header[c - 1]);
    成绩源.setFixedRows(1);
}

void ScoreSheetPage::applyColumnLayout()
{
    // The twelve columns fill the grid, equal unless a caption, number or name needs more: widths
    // are tenths of a millimetre, scaled by the zoom on screen, which is smaller than the screen's
    // when the texts need it (no name wrapped and cut, no column scrolled out of sight).
    QList<int> needs;
    for (int c = 1; c <= Columns; ++c)
        needs.append(SheetPainter::columnTextWidth(成绩源, c));
    const int pixels = 成绩表格->viewport()->width();
    const double dpi = 成绩表格->logicalDpiY();
    const int zoom
        = ColumnFit::fittingZoom(needs, pixels, dpi, PageMetrics::gradeGridZoom(m_ws.services.screen.width()));
    if (成绩表格->zoom() != zoom)
        成绩表格->setZoom(zoom);
    const double unit = dpi / 254.0 * zoom / 100.0;
    const QList<int> widths = ColumnFit::share(needs, std::max(Columns, int(pixels / unit)));
    for (int c = 1; c <= Columns; ++c)
        成绩源.setColumnWidth(c, widths[c - 1]);
}

void ScoreSheetPage::applyLayout(int, int)
{
    if (成绩源.columnCount() == Columns) {
        applyColumnLayout();
        成绩源.commit();
    }
}

bool ScoreSheetPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == 成绩表格->viewport() && event->type() == QEvent::Resize)
        applyLayout(0, 0);
    return QWidget::eventFilter(watched, event);
}

void ScoreSheetPage::fillLists()
{
    QStringList header;
    for (int c = 1; c <= Columns; ++c)
        header.append(成绩源.text(1, c));
    const QSignalBlocker quietSort(成绩表排序组合框);
    const QSignalBlocker quietClear(清除科目成绩组合框);
    // Classes of one school mostly share their subjects: lists that already read so are kept, as
    // refilling a list sized to its contents lays the bar out again.
    if (!hasItems(*成绩表排序组合框, header)) {
        成绩表排序组合框->clear();
        成绩表排序组合框->addItems(header);
    }
    const QStringList clearItems = ScoreSheetRules::clearItems(header);
    if (!hasItems(*清除科目成绩组合框, clearItems)) {
        清除科目成绩组合框->clear();
        清除科目成绩组合框->addItems(clearItems);
    }
    清除科目成绩组合框->setCurrentIndex(0);
    成绩表排序组合框->setCurrentIndex(1);
}

void ScoreSheetPage::load()
{
    WaitCursor busy;
    成绩表格->detach();
    m_ws.state.setStatusState(LoadingState);

    const QString className = 成绩表班级组合框->currentText();
    const bool loaded
        = m_rules.load(className, exam(), 成绩表排序组合框->currentIndex(), 排序方向组合框->currentIndex() == 1);
    成绩源.setAlignment({1, 1, 1, Columns}, SheetAlignment::Centre);
    成绩源.setReadOnly({1, 1, 1, 2}, true);
    applyColumnLayout();

    m_highlightedRow = 0;
    成绩表格->attach(&成绩源);
    成绩表格->setCursorCell(2, FirstMark);
    cursorMoved(成绩表格->cursorRow(), 成绩表格->cursorColumn());
    成绩表标题标签->setText(ScoreSheetRules::title(m_ws.state.schoolName(), className, 考试时间组合框->currentText()));
    成绩源.commit();

    成绩表格->setFocus();
    m_ws.state.setStatusState(SheetState);
    m_ws.state.setStatusHint(SheetHint);
    if (!loaded)
        m_ws.services.prompt.show(u"成绩数据载入失败！"_s, u"错误"_s, Prompt::Icon::Error);
}

QStringList ScoreSheetPage::classNames() const
{
    QStringList names;
    for (int i = 0; i < 成绩表班级组合框->count(); ++i)
        names << 成绩表班级组合框->itemText(i);
    return names;
}

QStringList ScoreSheetPage::subjectCaptions() const
{
    QStringList captions;
    for (int c = FirstMark; c <= Columns; ++c)
        captions << 成绩源.text(1, c);
    return captions;
}

bool ScoreSheetPage::showClass(const QString& className)
{
    const int index = 成绩表班级组合框->findText(className, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    {
        // Unlike a choice in the selector, this keeps the sort and clear lists as they are.
        const QSignalBlocker quiet(成绩表班级组合框);
        成绩表班级组合框->setCurrentIndex(index);
    }
    m_ws.state.headTeachers().setCurrentIndex(index);
    buildHeader();
    load();
    m_ws.shell.openPage(Page::ScoreSheet);
    成绩表格->setFocus();
    return true;
}

void ScoreSheetPage::showAgain()
{
    m_ws.state.setStatusHint(SheetHint);
    m_ws.shell.openPage(Page::ScoreSheet);
    成绩表格->setFocus();
}

void ScoreSheetPage::releaseRows()
{
    m_rules.release();
}

void ScoreSheetPage::classChanged(int index)
{
    if (index < 0)
        return;
    m_ws.state.headTeachers().setCurrentIndex(index);
    成绩表格->setFocus();
    buildHeader();
    fillLists();
    load();
}

void ScoreSheetPage::viewChanged(int index)
{
    if (index < 0 || 成绩表班级组合框->currentIndex() < 0)
        return;
    成绩表格->setFocus();
    buildHeader();
    load();
}

void ScoreSheetPage::cursorMoved(int row, int column)
{
    if (row < 2)
        return;
    if (column < FirstMark) {
        // The number and the name are never where the cursor rests; the move lands on the first mark.
        成绩表格->setCursorCell(row, FirstMark);
        return;
    }
    if (m_highlightedRow >= 2 && m_highlightedRow != row)
        成绩源.setBackground({m_highlightedRow, 1, 1, Columns}, PlainRowColour);
    成绩源.setBackground({row, 1, 1, Columns}, CursorRowColour);
    m_highlightedRow = row;
    成绩源.commit();
}

void ScoreSheetPage::cellChanged(int row, int column)
{
    if (row < 2 || column < FirstMark || column > Columns)
        return;
    const ScoreSheetRules::MarkWrite written = m_rules.writeMark(row - 1, column, 成绩源.text(row, column));
    成绩源.setText(row, column, written.shown);
    成绩源.commit();
    Prompt& prompt = m_ws.services.prompt;
    switch (written.outcome) {
    case ScoreSheetRules::MarkWrite::Outcome::Stored:
        return;
    case ScoreSheetRules::MarkWrite::Outcome::Refused:
        prompt.show(u"输入的成绩无效，没有保存！\r\n成绩应是-32768至32767之间的数，清空方格表示没有成绩。"_s, u"提示"_s,
            Prompt::Icon::Warning);
        break;
    case ScoreSheetRules::MarkWrite::Outcome::PupilGone:
        prompt.show(u"该学生已不在本班，成绩没有保存！请重新载入成绩表。"_s, u"提示"_s, Prompt::Icon::Warning);
        break;
    case ScoreSheetRules::MarkWrite::Outcome::Failed:
        prompt.show(u"成绩保存失败！"_s, u"错误"_s, Prompt::Icon::Error);
        break;
    }
    成绩表格->setFocus();
}

void ScoreSheetPage::clearSubject()
{
    const int index = 清除科目成绩组合框->currentIndex();
    if (index < 0)
        return;
    const QString subject = 清除科目成绩组合框->currentText();
    const Prompt::Answer answer = m_ws.services.prompt.show(
        u"您确定要将当前成绩表中的"_s + subject + u"数据全部清空吗？清除的数据将不能恢复！"_s, u"询问"_s,
        Prompt::Icon::Warning, Prompt::Buttons::OkCancel);
    if (answer != Prompt::Answer::Ok) {
        成绩表格->setFocus();
        return;
    }
    bool cleared = false;
    {
        WaitCursor busy;
        // The records first: the sheet only shows what the database holds.
        cleared = m_rules.clearSubject(index + 1);
        if (cleared) {
            for (int row = 2; row <= 成绩源.rowCount(); ++row)
                成绩源.setText(row, index + FirstMark, QString());
            成绩源.commit();
        }
    }
    成绩表格->setFocus();
    if (!cleared)
        m_ws.services.prompt.show(u"清空成绩失败，成绩没有改动！"_s, u"错误"_s, Prompt::Icon::Error);
}

bool ScoreSheetPage::move(Move move)
{
    const std::optional<int> row = target(move, 成绩表格->cursorRow(), 2, 成绩源.rowCount());
    if (!row)
        return false;
    成绩表格->setCursorCell(*row, std::max(成绩表格->cursorColumn(), FirstMark));
    return true;
}

std::optional<PageTable> ScoreSheetPage::pageTable() const
{
    if (成绩源.rowCount() < 1)
        return std::nullopt;
    PageTable table = PageTable::fromSheet(成绩源);
    table.title = m_ws.state.schoolName() + 成绩表班级组合框->currentText() + 考试时间组合框->currentText() + u"表"_s;
    table.kinds[0] = PageTable::Kind::Number; // 学号
    for (int c = 2; c < table.kinds.size(); ++c)
        table.kinds[c] = PageTable::Kind::Number;
    return table;
}

ReportBuild ScoreSheetPage::buildReport(SheetTable& sheet, const QDate& today)
{
    const std::optional<PageTable> table = pageTable();
    if (!table)
        return ReportBuild::NoReport;
    TableReports::scores(sheet, *table, today);
    return ReportBuild::Built;
}
