#pragma once

#include "workspace/Shell.h"

#include <QMap>
#include <QMenu>
#include <QProgressBar>
#include <QStringList>

#include <memory>

// 进度条1 off screen: counts what a list load does with it.
class CountingProgressBar : public QProgressBar
{
public:
    CountingProgressBar()
    {
        QObject::connect(this, &QProgressBar::valueChanged, [this](int value) { steps += value > 0 ? 1 : 0; });
    }
    void setVisible(bool visible) override
    {
        shows += visible ? 1 : 0;
        shown = visible;
    }

    int shows = 0; // list loads begun
    int steps = 0; // rows stepped over
    bool shown = false;
};

// The main window as features see it: records what they ask, runs no command. Header only: gui
// tests alone include it.
class FakeShell : public Shell
{
public:
    Page currentPage() const override { return page; }
    void openPage(Page p) override
    {
        opened << p;
        page = p;
    }
    void showHomePage() override
    {
        ++homePageCalls;
        page = Page::Home;
    }
    bool runCommand(QStringView name) override
    {
        commands << name.toString();
        return true;
    }
    QWidget* ownerWindow() override { return owner; }
    QMenu* menu(QStringView name) const override { return menus.value(name.toString()); }
    QProgressBar* progressBar() const override { return bar.get(); }

    int openCount(Page p) const { return static_cast<int>(opened.count(p)); }

    Page page = Page::Home;
    QList<Page> opened;
    int homePageCalls = 0;
    QStringList commands;
    QWidget* owner = nullptr;
    QMap<QString, QMenu*> menus;
    std::unique_ptr<CountingProgressBar> bar = std::make_unique<CountingProgressBar>();
};
