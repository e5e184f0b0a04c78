#include "app/StudentPageView.h"

#include "students/StudentViewPage.h"

#include <QListWidget>
#include <QVBoxLayout>

StudentPageView::StudentPageView(Workspace& ws, QWidget* parent)
    : QWidget(parent)
    , m_page(new StudentViewPage(ws, this))
    , m_navigation(m_page->查看学生列表框)
{
    // The page fits the smallest main window as it is; its comment box scrolls, the page never.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
}
