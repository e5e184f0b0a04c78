#include "workspace/PageFrame.h"

#include "workspace/HeadingFont.h"
#include "workspace/PageView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

PageFrame::PageFrame(Page page, const Names& names, const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_page(page)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);

    m_titleFrame = new QFrame(this);
    m_titleFrame->setObjectName(names.titleFrame);
    m_titleFrame->setFrameShape(QFrame::StyledPanel);
    m_titleFrame->setFrameShadow(QFrame::Raised);
    m_titleLayout = new QHBoxLayout(m_titleFrame);
    m_titleLayout->setContentsMargins(2, 2, 5, 2);
    m_titleLabel = new QLabel(title, m_titleFrame);
    m_titleLabel->setObjectName(names.titleLabel);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    setHeadingFont(m_titleLabel, 1.35);
    m_titleLabel->setStyleSheet(QStringLiteral("color: #1d3f73;"));
    m_titleLabel->setMinimumHeight(m_titleLabel->fontMetrics().height() + 8);
    m_titleLayout->addWidget(m_titleLabel, 1);
    layout->addWidget(m_titleFrame);

    if (!names.barFrame.isEmpty()) {
        m_barFrame = new QFrame(this);
        m_barFrame->setObjectName(names.barFrame);
        m_barFrame->setFrameShape(QFrame::StyledPanel);
        m_barLayout = new QHBoxLayout(m_barFrame);
        m_barLayout->setContentsMargins(6, 3, 6, 3);
        layout->addWidget(m_barFrame);
    }

    m_base = new QWidget(this);
    m_base->setObjectName(names.base);
    m_baseLayout = new QVBoxLayout(m_base);
    m_baseLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_base, 1);
}

void PageFrame::setTitle(const QString& title)
{
    m_titleLabel->setText(title);
}

void PageFrame::setView(QWidget* view)
{
    if (view == m_view)
        return;
    delete m_view;
    m_view = view;
    m_pageView = dynamic_cast<PageView*>(view);
    if (view)
        m_baseLayout->addWidget(view);
}
