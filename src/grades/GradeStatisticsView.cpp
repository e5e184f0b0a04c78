#include "grades/GradeStatisticsView.h"

#include "grades/AverageStatistics.h"
#include "grades/ScoreSheetPage.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "printing/TableReports.h"
#include "records/ReportList.h"
#include "workspace/PageFrame.h"
#include "workspace/PageMetrics.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int ClassColumn = 1;
constexpr int FirstCentred = 2;
constexpr int LastColumn = 2 + AverageStatistics::SubjectCount;

QList<ReportColumn> columns()
{
    // The subject captions are the design-time ones until the first build names them.
    QList<ReportColumn> c {
        {u"所在班级"_s, 110, SortAs::Text}, {u"总分"_s, 70, SortAs::Number}, {u"语文"_s, 60, SortAs::BlankAsZero}};
    for (int slot = 2; slot <= AverageStatistics::SubjectCount; ++slot)
        c.append({QString::number(slot), 60, SortAs::BlankAsZero});
    return c;
}

} // namespace

GradeStatisticsView::GradeStatisticsView(Workspace& ws, PageFrame& frame, ScoreSheetPage& sheet)
    : QWidget(frame.base())
    , m_ws(ws)
    , m_frame(frame)
    , m_sheet(sheet)
    , m_navigation(nullptr)
{
    setObjectName(u"成绩统计表页"_s);
    成绩统计表标题标签 = frame.titleLabel();
    统计表返回钮 = new QPushButton(u"返 回"_s, frame.barFrame());
    统计表返回钮->setObjectName(u"统计表返回钮"_s);
    // 成绩分析 of the selected class's grade, through the command and its rights check.
    统计表分析钮 = new QPushButton(u"成绩分析"_s, frame.barFrame());
    统计表分析钮->setObjectName(u"统计表分析钮"_s);
    if (QHBoxLayout* bar = frame.barLayout()) {
        bar->addStretch(1);
        bar->addWidget(统计表分析钮);
        bar->addSpacing(8);
        bar->addWidget(统计表返回钮);
        bar->addSpacing(15);
    }

    平均成绩统计列表框 = new ReportList(u"平均成绩统计列表框"_s, this);
    平均成绩统计列表框->setColumns(columns());
    // Centred in the header and in every cell.
    for (int c = FirstCentred; c <= LastColumn; ++c)
        平均成绩统计列表框->setColumnAlignment(c, Qt::AlignCenter);
    m_navigation = ItemViewNavigation(平均成绩统计列表框);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(平均成绩统计列表框);
    setFocusProxy(平均成绩统计列表框);

    connect(平均成绩统计列表框, &ReportList::rowOpened, this, &GradeStatisticsView::openClass);
    connect(统计表返回钮, &QPushButton::clicked, this, &GradeStatisticsView::goBack);
    connect(统计表分析钮, &QPushButton::clicked, this, [this] { m_ws.shell.runCommand(u"成绩分析"); });
}

void GradeStatisticsView::build()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList captions = m_sheet.subjectCaptions();
    for (int slot = 0; slot < captions.size() && slot < AverageStatistics::SubjectCount; ++slot)
        平均成绩统计列表框->setColumnTitle(FirstCentred + 1 + slot, captions[slot]);

    const ScoreSheetRules::Exam exam = m_sheet.exam();
    m_frame.setTitle(AverageStatistics::title(m_ws.state.schoolName(), exam));

    AverageStatistics statistics(m_ws.studentDb);
    const auto computed = statistics.compute(exam, m_sheet.classNames());
    QList<QStringList> rows;
    for (const AverageStatistics::ClassRow& row : computed.value_or(QList<AverageStatistics::ClassRow> {}))
        rows.append(row.texts());
    // Loaded in selector order, taken as sorted by class name: a first click there reverses it.
    平均成绩统计列表框->fill(rows, -1, m_ws.shell.progressBar(), ClassColumn);

    m_ws.state.setStatusHint(u"  提示：用鼠标双击选择项可查看该班级的详细成绩情况。"_s);
    QApplication::restoreOverrideCursor();
    m_ws.shell.openPage(Page::AverageScores);
    // An empty table after a failed read must not pass for a school without marks.
    if (!computed)
        m_ws.services.prompt.show(u"成绩统计数据载入失败！"_s, u"错误"_s, Prompt::Icon::Error);
}

QString GradeStatisticsView::selectedClass() const
{
    return 平均成绩统计列表框->currentText(ClassColumn);
}

void GradeStatisticsView::applyLayout(int windowWidth, int)
{
    const QList<int> widths = PageMetrics::listColumnWidths(PageMetrics::ListKind::AverageScores, windowWidth);
    for (int i = 0; i < widths.size(); ++i)
        平均成绩统计列表框->setColumnWidth(i + 1, widths[i]);
}

void GradeStatisticsView::openClass(int row)
{
    m_sheet.showClass(平均成绩统计列表框->text(row, ClassColumn));
}

void GradeStatisticsView::goBack()
{
    m_sheet.showAgain();
}

std::optional<PageTable> GradeStatisticsView::pageTable() const
{
    PageTable table = 平均成绩统计列表框->pageTable();
    table.title = 成绩统计表标题标签->text();
    for (int c = 1; c < table.kinds.size(); ++c) // all but 所在班级
        table.kinds[c] = PageTable::Kind::Number;
    return table;
}

ReportBuild GradeStatisticsView::buildReport(SheetTable& sheet, const QDate& today)
{
    const std::optional<PageTable> table = pageTable();
    if (!table)
        return ReportBuild::NoReport;
    TableReports::statistics(sheet, *table, today);
    return ReportBuild::Built;
}
