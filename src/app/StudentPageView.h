#pragma once

#include "workspace/ItemViewNavigation.h"
#include "workspace/PageView.h"

#include <QWidget>

class StudentViewPage;
struct Workspace;

// Page 1: the student view, with the toolbar's record navigation moving along its names list.
class StudentPageView : public QWidget, public PageView
{
    Q_OBJECT

public:
    StudentPageView(Workspace& ws, QWidget* parent = nullptr);

    StudentViewPage* page() const { return m_page; }
    RecordNavigation* navigation() override { return &m_navigation; }
    // The pupil card of what the page shows.
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

private:
    Workspace& m_ws;
    StudentViewPage* m_page;
    ItemViewNavigation m_navigation;
};
