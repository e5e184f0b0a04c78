#pragma once

#include "grades/ScoreSheetRules.h"
#include "sheet/SheetTable.h"
#include "workspace/PageView.h"
#include "workspace/RecordNavigation.h"

#include <QWidget>

#include <functional>

class PageFrame;
class QComboBox;
class QLabel;
class QPushButton;
class SheetGrid;
struct Workspace;

// Page 4 of the main window: the marks of one class for one exam as an editable grid. A confirmed
// cell is stored at once; sorting and the exam are chosen above the grid, and one subject of the
// shown exam can be cleared for the whole class. The rules and SQL live in ScoreSheetRules.
//
// The selectors go into the page frame's bar, the title is the frame's title label.
class ScoreSheetPage : public QWidget, public PageView, public RecordNavigation
{
    Q_OBJECT

public:
    ScoreSheetPage(Workspace& ws, PageFrame& frame);
    ~ScoreSheetPage() override;

    // The bodies of 期中成绩录入 and 期末成绩录入, after the rights check.
    void openMidTerm() { open(ScoreSheetRules::Exam::MidTerm); }
    void openFinal() { open(ScoreSheetRules::Exam::Final); }
    // Back on the home page the queried rows are dropped; the sheet stays as shown.
    void releaseRows();

    // 平均成绩统计钮; Features wires the statistics view.
    std::function<void()> showStatistics;

    // What the statistics view reads: the exam on show, the classes of the selector in their
    // order, the subject captions of the sheet's header (columns 3..12).
    ScoreSheetRules::Exam exam() const;
    QStringList classNames() const;
    // The class whose sheet is on show; empty before the page was first opened.
    QString shownClass() const;
    QStringList subjectCaptions() const;
    // The sheet of that class for the exam on show, the sort and clear lists kept as they are;
    // false and nothing changed when the selector no longer holds the class.
    bool showClass(const QString& className);
    // Back from the statistics: the sheet as it was left, its hint, the grid focused.
    void showAgain();

    // --- PageView: the grid's zoom follows the screen width, its columns fill the grid
    void applyLayout(int windowWidth, int screenWidth) override;
    RecordNavigation* navigation() override { return this; }
    std::optional<PageTable> pageTable() const override;
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;
    // --- RecordNavigation: the grid's data rows, keeping the cursor column
    bool move(Move move) override;

    QComboBox* 成绩表班级组合框;
    QComboBox* 考试时间组合框;
    QLabel* 标签18;
    QComboBox* 成绩表排序组合框;
    QComboBox* 排序方向组合框;
    QPushButton* 平均成绩统计钮;
    QPushButton* 成绩分析钮;
    QPushButton* 清空成绩钮;
    QComboBox* 清除科目成绩组合框;
    QLabel* 成绩表标题标签;
    SheetGrid* 成绩表格;
    SheetTable 成绩源;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(PageFrame& frame);
    void open(ScoreSheetRules::Exam exam);
    void buildHeader();
    void fillLists();
    void load();
    void applyColumnLayout();
    void classChanged(int index);
    void viewChanged(int index);
    void cursorMoved(int row, int column);
    void cellChanged(int row, int column);
    void clearSubject();

    Workspace& m_ws;
    ScoreSheetRules m_rules;
    int m_highlightedRow = 0;
};
