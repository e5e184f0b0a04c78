#include "app/StudentPageView.h"

#include "students/StudentViewPage.h"

#include <QListWidget>
#include <QVBoxLayout>

StudentPageView::StudentPageView(StudentsHost& host, QWidget* parent)
    : QWidget(parent)
    , m_page(new StudentViewPage(host, this))
    , m_navigation(m_page->查看学生列表框)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
}
