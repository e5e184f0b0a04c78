#include "app/StudentPageView.h"

#include "students/StudentViewPage.h"

#include <QListWidget>
#include <QScrollArea>
#include <QVBoxLayout>

StudentPageView::StudentPageView(Workspace& ws, QWidget* parent)
    : QWidget(parent)
    , m_page(new StudentViewPage(ws, this))
    , m_navigation(m_page->查看学生列表框)
{
    // On a small screen the card scrolls rather than squeezing its fields over each other.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(m_page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}
