#include "analysis/ExamAnalysisWindow.h"

#include "analysis/AnalysisCharts.h"
#include "analysis/AnalysisLinesDialog.h"
#include "analysis/AnalysisReport.h"
#include "exchange/TableExport.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "printing/ReportPrinter.h"
#include "records/Controls.h"
#include "records/ReportList.h"
#include "workspace/HeadingFont.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QBuffer>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using Controls::named;

namespace {

QString signedText(int change)
{
    return change > 0 ? u"+"_s + QString::number(change) : QString::number(change);
}

QString optionalText(const std::optional<int>& v)
{
    return v ? QString::number(*v) : QString();
}

// Pictures of the printed report: as wide as half an A4 landscape page, at print resolution.
constexpr QSize ReportChartSize(720, 450);
constexpr qreal ReportChartScale = 3;

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

ExamAnalysisWindow::ExamAnalysisWindow(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_analysis(ws.studentDb)
{
    setObjectName(u"ExamAnalysisWindow"_s);
    setWindowTitle(u"成绩分析"_s);
    m_printer = new ReportPrinter(
        ws, [this] { return static_cast<PageView*>(this); }, this);
    m_analysis.setLines(AnalysisLines::read(ws.settings));
    buildControls();
    // Fits an 800 × 600 screen; larger screens get room for the charts.
    const QSize screen = ws.services.screen.size();
    resize(qBound(640, screen.width() - 40, 1200), qBound(480, screen.height() - 70, 820));
}

ExamAnalysisWindow::~ExamAnalysisWindow() = default;

void ExamAnalysisWindow::open(Workspace& ws, ScoreSheetRules::Exam exam, const QString& className, bool wholeGrade)
{
    ExamAnalysisWindow window(ws, ws.shell.ownerWindow());
    if (window.start(exam, className, wholeGrade))
        window.exec();
}

void ExamAnalysisWindow::buildControls()
{
    const auto combo = [this](const QString& name) { return named(new QComboBox(this), name); };
    const auto button = [this](const QString& name, const QString& text) {
        auto* b = named(new QPushButton(text, this), name);
        b->setAutoDefault(false);
        return b;
    };
    分析考试组合框 = combo(u"分析考试组合框"_s);
    分析考试组合框->addItems({ExamAnalysis::examCaption(ScoreSheetRules::Exam::MidTerm),
        ExamAnalysis::examCaption(ScoreSheetRules::Exam::Final)});
    分析年级组合框 = combo(u"分析年级组合框"_s);
    分析班级组合框 = combo(u"分析班级组合框"_s);
    分析科目组合框 = combo(u"分析科目组合框"_s);
    分析年级组合框->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    分析班级组合框->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    分数线设置钮 = button(u"分数线设置钮"_s, u"分数线设置"_s);
    复制图表钮 = button(u"复制图表钮"_s, u"复制图表"_s);
    打印预览钮 = button(u"打印预览钮"_s, u"打印预览"_s);
    打印钮 = button(u"打印钮"_s, u"打 印"_s);
    导出钮 = button(u"导出钮"_s, u"导 出"_s);
    关闭钮 = button(u"关闭钮"_s, u"关 闭"_s);
    分析标题标签 = named(new QLabel(this), u"分析标题标签"_s);
    分析标题标签->setAlignment(Qt::AlignCenter);
    setHeadingFont(分析标题标签, 1.3);

    分析统计列表框 = new ReportList(u"分析统计列表框"_s, this);
    学生名次列表框 = new ReportList(u"学生名次列表框"_s, this);
    分数段列表框 = new ReportList(u"分数段列表框"_s, this);
    平均分图表 = named(new QChartView(this), u"平均分图表"_s);
    分数段图表 = named(new QChartView(this), u"分数段图表"_s);
    for (QChartView* view : {平均分图表, 分数段图表}) {
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(300, 200);
    }
    分析页签 = named(new QTabWidget(this), u"分析页签"_s);
    分析页签->addTab(分析统计列表框, u"统计表"_s);
    分析页签->addTab(学生名次列表框, u"学生名次"_s);
    分析页签->addTab(分数段列表框, u"分数段"_s);
    分析页签->addTab(平均分图表, u"平均分图"_s);
    分析页签->addTab(分数段图表, u"分数段图"_s);

    auto* choices = new QHBoxLayout;
    const auto caption = [this, choices](const QString& text, QWidget* field) {
        choices->addWidget(new QLabel(text, this));
        choices->addWidget(field);
    };
    caption(u"考试："_s, 分析考试组合框);
    caption(u"年级："_s, 分析年级组合框);
    caption(u"班级："_s, 分析班级组合框);
    caption(u"科目："_s, 分析科目组合框);
    choices->addStretch(1);
    choices->addWidget(分数线设置钮);
    auto* actions = new QHBoxLayout;
    actions->addWidget(复制图表钮);
    actions->addStretch(1);
    for (QPushButton* b : {打印预览钮, 打印钮, 导出钮, 关闭钮})
        actions->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(分析标题标签);
    layout->addWidget(分析页签, 1);
    layout->addLayout(actions);

    connect(分析考试组合框, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(分析班级组合框, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(分析科目组合框, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(分析年级组合框, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        fillSelectors();
        if (loadGrade())
            refresh();
    });
    connect(分数线设置钮, &QPushButton::clicked, this, &ExamAnalysisWindow::setLines);
    connect(复制图表钮, &QPushButton::clicked, this, &ExamAnalysisWindow::copyChart);
    connect(打印预览钮, &QPushButton::clicked, this, [this] { m_printer->run(ReportPrinter::Mode::Preview); });
    connect(打印钮, &QPushButton::clicked, this, [this] { m_printer->run(ReportPrinter::Mode::Print); });
    connect(导出钮, &QPushButton::clicked, this, &ExamAnalysisWindow::exportTable);
    connect(关闭钮, &QPushButton::clicked, this, &QDialog::accept);
}

bool ExamAnalysisWindow::start(ScoreSheetRules::Exam exam, const QString& className, bool wholeGrade)
{
    const auto classes = m_analysis.readClasses();
    if (!classes) {
        m_ws.services.prompt.show(u"成绩数据载入失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    if (classes->isEmpty()) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置！"_s, u"提示"_s);
        return false;
    }
    // Classes of one ladder grade together, in the order of their first class; a class off the
    // ladder is a grade of its own.
    m_grades.clear();
    QHash<QString, qsizetype> gradeOf;
    for (const ExamAnalysis::ClassInfo& info : *classes) {
        const QString grade = ExamAnalysis::gradeOf(info.name);
        const QString key = grade.isEmpty() ? u"\n"_s + info.name : grade;
        if (!gradeOf.contains(key)) {
            gradeOf.insert(key, m_grades.size());
            m_grades.append({grade.isEmpty() ? info.name : ExamAnalysis::gradeCaption(grade), {}});
        }
        m_grades[gradeOf.value(key)].classes.append(info);
    }

    int gradeIndex = 0;
    int classRow = 0;
    for (int g = 0; g < m_grades.size(); ++g) {
        for (int c = 0; c < m_grades[g].classes.size(); ++c) {
            if (m_grades[g].classes[c].name == className) {
                gradeIndex = g;
                classRow = wholeGrade ? 0 : c + 1;
            }
        }
    }
    m_filling = true;
    {
        const QSignalBlocker blockExam(分析考试组合框);
        分析考试组合框->setCurrentIndex(exam == ScoreSheetRules::Exam::MidTerm ? 0 : 1);
        分析年级组合框->clear();
        for (const Grade& g : std::as_const(m_grades))
            分析年级组合框->addItem(g.caption);
        分析年级组合框->setCurrentIndex(gradeIndex);
    }
    m_filling = false;
    fillSelectors();
    {
        const QSignalBlocker blockClass(分析班级组合框);
        分析班级组合框->setCurrentIndex(classRow);
    }
    if (!loadGrade())
        return false;
    refresh();
    return true;
}

void ExamAnalysisWindow::fillSelectors()
{
    const Grade& grade = m_grades.value(分析年级组合框->currentIndex());
    const QSignalBlocker blockClass(分析班级组合框);
    const QSignalBlocker blockSubject(分析科目组合框);
    const int subject = qMax(分析科目组合框->currentIndex(), 0);
    分析班级组合框->clear();
    分析班级组合框->addItem(u"全年级"_s);
    for (const ExamAnalysis::ClassInfo& info : grade.classes)
        分析班级组合框->addItem(info.name);
    分析科目组合框->clear();
    const QStringList subjects = grade.classes.isEmpty() ? QStringList() : grade.classes.first().subjects;
    for (int slot = 1; slot <= ExamAnalysis::SubjectCount; ++slot) {
        const QString s = subjects.value(slot - 1);
        分析科目组合框->addItem(s.isEmpty() ? u"科目"_s + QString::number(slot) : s);
    }
    分析科目组合框->addItem(u"总分"_s);
    分析科目组合框->setCurrentIndex(qMin(subject, 分析科目组合框->count() - 1));
}

bool ExamAnalysisWindow::loadGrade()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = m_analysis.load(m_grades.value(分析年级组合框->currentIndex()).classes);
    QApplication::restoreOverrideCursor();
    if (!loaded)
        m_ws.services.prompt.show(u"成绩数据载入失败！"_s, u"错误"_s, Prompt::Icon::Error);
    return loaded;
}

ScoreSheetRules::Exam ExamAnalysisWindow::exam() const
{
    return 分析考试组合框->currentIndex() == 1 ? ScoreSheetRules::Exam::Final : ScoreSheetRules::Exam::MidTerm;
}

int ExamAnalysisWindow::key() const
{
    const int index = 分析科目组合框->currentIndex();
    return index < 0 || index >= ExamAnalysis::SubjectCount ? ExamAnalysis::Total : index + 1;
}

int ExamAnalysisWindow::classIndex() const
{
    return 分析班级组合框->currentIndex() - 1;
}

QString ExamAnalysisWindow::selectionCaption() const
{
    return classIndex() >= 0 ? 分析班级组合框->currentText() : 分析年级组合框->currentText();
}

void ExamAnalysisWindow::refresh()
{
    if (m_filling)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    分析标题标签->setText(m_ws.state.schoolName() + selectionCaption() + ExamAnalysis::examCaption(exam())
        + m_analysis.keyCaption(key()) + u"成绩分析表"_s);
    m_classSummaries = m_analysis.classSummaries(exam(), key());
    fillStatistics();
    fillRanking();
    fillBands();
    fillCharts();
    QApplication::restoreOverrideCursor();
}

void ExamAnalysisWindow::fillStatistics()
{
    const bool oneClass = classIndex() >= 0;
    const QList<ExamAnalysis::Summary> rows
        = oneClass ? m_analysis.subjectSummaries(classIndex(), exam()) : m_classSummaries;
    QList<ReportColumn> columns;
    for (const QString& c : ExamAnalysis::Summary::captions(oneClass ? u"科目"_s : u"所在班级"_s))
        columns.append({c, 70,
            columns.isEmpty()       ? SortAs::Text
                : c.endsWith(u'率') ? SortAs::Rate
                                    : SortAs::BlankAsZero});
    columns[0].width = 120;
    分析统计列表框->setColumns(columns);
    QList<QStringList> texts;
    for (const ExamAnalysis::Summary& s : rows)
        texts.append(s.texts());
    分析统计列表框->fill(texts, -1, nullptr, 1);
}

void ExamAnalysisWindow::fillRanking()
{
    学生名次列表框->setColumns({{u"学号"_s, 70, SortAs::Number}, {u"姓名"_s, 80, SortAs::Name},
        {u"所在班级"_s, 110, SortAs::Text}, {m_analysis.keyCaption(key()), 60, SortAs::Number},
        {u"班级名次"_s, 70, SortAs::Number}, {u"年级名次"_s, 70, SortAs::Number}, {u"进退步"_s, 60, SortAs::Number}});
    QList<QStringList> texts;
    const QList<ExamAnalysis::PupilResult> ranking = m_analysis.ranking(exam(), key(), classIndex());
    texts.reserve(ranking.size());
    for (const ExamAnalysis::PupilResult& r : ranking) {
        texts.append({QString::number(r.pupil->number), r.pupil->name,
            m_analysis.classes().value(r.pupil->classIndex).name, optionalText(r.value), optionalText(r.classRank),
            optionalText(r.gradeRank), r.change ? signedText(*r.change) : QString()});
    }
    学生名次列表框->fill(texts, -1, m_ws.shell.progressBar(), 6);
}

QStringList ExamAnalysisWindow::bandCaptions() const
{
    const int c = classIndex();
    return AnalysisRules::bandCaptions(m_analysis.fullMark(c >= 0 ? c : 0, key()));
}

QList<int> ExamAnalysisWindow::bandCounts() const
{
    const int c = classIndex();
    const ExamAnalysis::Summary& s = c >= 0 ? m_classSummaries.value(c) : m_classSummaries.last();
    return QList<int>(s.bands.cbegin(), s.bands.cend());
}

void ExamAnalysisWindow::fillBands()
{
    QList<ReportColumn> columns {{u"所在班级"_s, 120, SortAs::Text}};
    for (const QString& band : bandCaptions())
        columns.append({band, 70, SortAs::Number});
    columns.append({u"人数"_s, 60, SortAs::Number});
    分数段列表框->setColumns(columns);
    const int c = classIndex();
    QList<QStringList> texts;
    for (int i = 0; i < m_classSummaries.size(); ++i) {
        // One class: its row and the grade's for comparison.
        if (c >= 0 && i != c && i != m_classSummaries.size() - 1)
            continue;
        const ExamAnalysis::Summary& s = m_classSummaries[i];
        QStringList row {s.label};
        for (const int n : s.bands)
            row << QString::number(n);
        row << QString::number(s.count);
        texts.append(row);
    }
    分数段列表框->fill(texts, -1, nullptr, 1);
}

QString ExamAnalysisWindow::averagesTitle() const
{
    return 分析年级组合框->currentText() + u"各班"_s + m_analysis.keyCaption(key()) + u"平均分"_s;
}

QString ExamAnalysisWindow::bandsTitle() const
{
    return selectionCaption() + m_analysis.keyCaption(key()) + u"分数段分布"_s;
}

QChart* ExamAnalysisWindow::averagesChart() const
{
    QStringList classes;
    QList<std::optional<int>> averages;
    // "1班" under a bar of 初中1年级: whole class names do not fit under twenty bars.
    const QString grade = 分析年级组合框->currentText();
    for (qsizetype i = 0; i + 1 < m_classSummaries.size(); ++i) {
        const QString& name = m_classSummaries[i].label;
        classes << (name.startsWith(grade) && name.size() > grade.size() ? name.mid(grade.size()) : name);
        averages << m_classSummaries[i].average();
    }
    // Beyond ten bars even "10班" is cut at 800 pixels: the numbers alone under the axis 班级.
    static const QRegularExpression numbered(u"^[0-9]+班$"_s);
    const bool numbersOnly = classes.size() > 10
        && std::all_of(classes.cbegin(), classes.cend(), [](const QString& c) { return numbered.match(c).hasMatch(); });
    if (numbersOnly) {
        for (QString& c : classes)
            c.chop(1);
    }
    const std::optional<int> gradeAverage
        = m_classSummaries.isEmpty() ? std::nullopt : m_classSummaries.last().average();
    QChart* chart = AnalysisCharts::averages(averagesTitle(), classes, averages, gradeAverage);
    if (numbersOnly && !chart->axes(Qt::Horizontal).isEmpty())
        chart->axes(Qt::Horizontal).first()->setTitleText(u"班级"_s);
    return chart;
}

QChart* ExamAnalysisWindow::bandsChart() const
{
    return AnalysisCharts::bands(bandsTitle(), bandCaptions(), bandCounts());
}

void ExamAnalysisWindow::fillCharts()
{
    // The view deletes the chart it showed.
    QChart* old = 平均分图表->chart();
    平均分图表->setChart(averagesChart());
    delete old;
    old = 分数段图表->chart();
    分数段图表->setChart(bandsChart());
    delete old;
}

QImage ExamAnalysisWindow::chartImage(QSize size, qreal scale) const
{
    const int tab = 分析页签->currentIndex();
    return AnalysisCharts::render(
        tab == BandsTab || tab == BandsChartTab ? bandsChart() : averagesChart(), size, scale);
}

void ExamAnalysisWindow::setLines()
{
    QStringList subjects;
    for (const ExamAnalysis::ClassInfo& info : m_analysis.classes()) {
        for (const QString& s : info.subjects) {
            if (!s.isEmpty() && !subjects.contains(s))
                subjects << s;
        }
    }
    AnalysisLinesDialog dialog(m_analysis.lines(), subjects, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const AnalysisLines lines = dialog.lines();
    if (!lines.write(m_ws.settings))
        m_ws.services.prompt.show(u"分数线设置保存失败！"_s, u"错误"_s, Prompt::Icon::Error);
    m_analysis.setLines(lines);
    refresh();
}

void ExamAnalysisWindow::copyChart()
{
    const QSize shown = 分析页签->currentWidget()->size();
    QApplication::clipboard()->setImage(chartImage(shown.expandedTo(QSize(640, 400)), 2));
    m_ws.state.setStatusHint(u"  提示：图表已复制到剪贴板。"_s);
}

void ExamAnalysisWindow::exportTable()
{
    if (const std::optional<PageTable> table = pageTable())
        TableExport::run(m_ws.services, *table);
}

std::optional<PageTable> ExamAnalysisWindow::pageTable() const
{
    const int tab = 分析页签->currentIndex();
    const ReportList* list = tab == RankingTab    ? 学生名次列表框
        : tab == BandsTab || tab == BandsChartTab ? 分数段列表框
                                                  : 分析统计列表框;
    PageTable table = list->pageTable();
    table.title = 分析标题标签->text();
    // Figures are numbers in a workbook; the first column names the row, 姓名 and 班级 are texts.
    for (int c = 1; c < table.kinds.size(); ++c)
        table.kinds[c] = PageTable::Kind::Number;
    if (tab == RankingTab)
        table.kinds[1] = table.kinds[2] = PageTable::Kind::Text;
    return table;
}

ReportBuild ExamAnalysisWindow::buildReport(SheetTable& sheet, const QDate& today)
{
    const std::optional<PageTable> table = pageTable();
    if (!table)
        return ReportBuild::NoReport;
    QList<QByteArray> charts;
    if (分析页签->currentIndex() != RankingTab) {
        charts << png(AnalysisCharts::render(averagesChart(), ReportChartSize, ReportChartScale));
        charts << png(AnalysisCharts::render(bandsChart(), ReportChartSize, ReportChartScale));
    }
    AnalysisReport::build(sheet, *table, today, charts);
    return ReportBuild::Built;
}
