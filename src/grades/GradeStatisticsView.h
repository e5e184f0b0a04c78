#pragma once

#include "workspace/ItemViewNavigation.h"
#include "workspace/PageView.h"

#include <QWidget>

class PageFrame;
class QLabel;
class QPushButton;
class ReportList;
class ScoreSheetPage;
struct Workspace;

// Page 8: the average of every class in every subject for the exam the score sheet shows, with
// the sum of a class's averages. A row opens that class's sheet; 返 回 goes back to the sheet.
class GradeStatisticsView : public QWidget, public PageView
{
    Q_OBJECT

public:
    GradeStatisticsView(Workspace& ws, PageFrame& frame, ScoreSheetPage& sheet);

    // 平均成绩统计钮: rebuilds the table from the database and shows the page.
    void build();
    // The class of the selected row; empty when none is.
    QString selectedClass() const;

    // --- PageView: the columns share the window's width
    void applyLayout(int windowWidth, int screenWidth) override;
    RecordNavigation* navigation() override { return &m_navigation; }
    std::optional<PageTable> pageTable() const override;
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

    QLabel* 成绩统计表标题标签;
    QPushButton* 统计表返回钮;
    QPushButton* 统计表分析钮;
    ReportList* 平均成绩统计列表框;

private:
    void openClass(int row);
    void goBack();

    Workspace& m_ws;
    PageFrame& m_frame;
    ScoreSheetPage& m_sheet;
    ItemViewNavigation m_navigation;
};
