#pragma once

#include "analysis/ExamAnalysis.h"
#include "workspace/PageView.h"

#include <QDialog>
#include <QImage>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class ReportList;
class ReportPrinter;
struct Workspace;

// 成绩分析: one exam of a grade or of one class, for a subject or the total. Tables of the class
// (or subject) figures, the pupils' ranks and the bands, and two charts: the class averages against
// the grade's, and the bands. Every table prints, previews and exports as the pages' lists do; the
// report carries both charts, and a chart can go to the clipboard as a picture.
class ExamAnalysisWindow : public QDialog, public PageView
{
    Q_OBJECT

public:
    enum Tab { StatisticsTab, RankingTab, BandsTab, AveragesChartTab, BandsChartTab };

    explicit ExamAnalysisWindow(Workspace& ws, QWidget* parent = nullptr);
    ~ExamAnalysisWindow() override;

    // Modal over the main window, on the exam and class given (a class's grade when wholeGrade).
    static void open(Workspace& ws, ScoreSheetRules::Exam exam, const QString& className, bool wholeGrade);

    // Reads the classes and shows the chosen one; false, the user told, when there is no class or
    // the marks cannot be read.
    bool start(ScoreSheetRules::Exam exam, const QString& className, bool wholeGrade);

    // --- PageView: what 打印, 打印预览 and 导出 of the window take
    std::optional<PageTable> pageTable() const override;
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

    // The chart of the tab on show (the averages on the statistics and ranking tabs), drawn at
    // `size`, `scale` times the pixels.
    QImage chartImage(QSize size, qreal scale = 1) const;
    ReportPrinter& printer() const { return *m_printer; }
    const ExamAnalysis& analysis() const { return m_analysis; }

    QLabel* 分析标题标签;
    QComboBox* 分析考试组合框;
    QComboBox* 分析年级组合框;
    QComboBox* 分析班级组合框;
    QComboBox* 分析科目组合框;
    QPushButton* 分数线设置钮;
    QPushButton* 复制图表钮;
    QPushButton* 打印预览钮;
    QPushButton* 打印钮;
    QPushButton* 导出钮;
    QPushButton* 关闭钮;
    QTabWidget* 分析页签;
    ReportList* 分析统计列表框;
    ReportList* 学生名次列表框;
    ReportList* 分数段列表框;
    QChartView* 平均分图表;
    QChartView* 分数段图表;

private:
    struct Grade
    {
        QString caption;
        QList<ExamAnalysis::ClassInfo> classes;
    };

    void buildControls();
    bool loadGrade();
    void fillSelectors();
    void refresh();
    void fillStatistics();
    void fillRanking();
    void fillBands();
    void fillCharts();
    // New charts of what is on show; the caller owns them.
    QChart* averagesChart() const;
    QChart* bandsChart() const;
    void setLines();
    void copyChart();
    void exportTable();
    ScoreSheetRules::Exam exam() const;
    int key() const;
    int classIndex() const; // -1: the whole grade
    QString selectionCaption() const;
    QString averagesTitle() const;
    QString bandsTitle() const;
    QStringList bandCaptions() const;
    QList<int> bandCounts() const;

    Workspace& m_ws;
    ExamAnalysis m_analysis;
    QList<Grade> m_grades;
    QList<ExamAnalysis::Summary> m_classSummaries; // the grade's classes, then 全年级
    ReportPrinter* m_printer;
    bool m_filling = false;
};
