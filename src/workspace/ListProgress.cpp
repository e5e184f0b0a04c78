#include "workspace/ListProgress.h"

#include <QProgressBar>

ListProgress::ListProgress(QProgressBar* bar)
    : m_bar(bar)
{
    if (m_bar) {
        m_bar->setValue(0);
        m_bar->show();
    }
}

ListProgress::~ListProgress()
{
    if (m_bar) {
        m_bar->setValue(0);
        m_bar->hide();
    }
}

void ListProgress::step()
{
    if (m_bar)
        m_bar->setValue(m_bar->value() + 1 > m_bar->maximum() ? 0 : m_bar->value() + 1);
}
