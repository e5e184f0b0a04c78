#pragma once

#include "workspace/Page.h"

#include <QString>
#include <QWidget>

class PageView;
class QFrame;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

// One of the pages 1..8 of the main window: a header frame with the page's title label, for list
// and grid pages a second frame for their selectors and search bar, and the base that holds the
// feature's view. Features fill it; the frame itself knows nothing of students or wages.
class PageFrame : public QWidget
{
    Q_OBJECT

public:
    struct Names
    {
        QString titleFrame; // e.g. 在校生列表外形框1
        QString titleLabel; // e.g. 在校生列表标题标签
        QString barFrame; // e.g. 在校生列表外形框2; empty for the record views
        QString base; // e.g. 查看页底座; may be empty
    };

    PageFrame(Page page, const Names& names, const QString& title, QWidget* parent = nullptr);

    Page page() const { return m_page; }
    QFrame* titleFrame() const { return m_titleFrame; }
    QLabel* titleLabel() const { return m_titleLabel; }
    void setTitle(const QString& title);
    // Right of the title: e.g. the pay month of the wage sheet.
    QHBoxLayout* titleLayout() const { return m_titleLayout; }
    // Null on the record views.
    QFrame* barFrame() const { return m_barFrame; }
    QHBoxLayout* barLayout() const { return m_barLayout; }
    QWidget* base() const { return m_base; }

    // Puts the feature's view into the base; an earlier view is deleted.
    void setView(QWidget* view);
    QWidget* view() const { return m_view; }
    // The view's hooks, when it has them.
    PageView* pageView() const { return m_pageView; }

private:
    Page m_page;
    QFrame* m_titleFrame;
    QLabel* m_titleLabel;
    QHBoxLayout* m_titleLayout;
    QFrame* m_barFrame = nullptr;
    QHBoxLayout* m_barLayout = nullptr;
    QWidget* m_base;
    QVBoxLayout* m_baseLayout;
    QWidget* m_view = nullptr;
    PageView* m_pageView = nullptr;
};
