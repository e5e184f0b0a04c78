#pragma once

#include "workspace/Page.h"

#include <QStringView>

class QMenu;
class QProgressBar;
class QWidget;

// What only the main window can do for a feature.
class Shell
{
public:
    virtual ~Shell() = default;

    virtual Page currentPage() const = 0;
    // Enables the page commands and switches to the page, as a command that opens one does.
    virtual void openPage(Page page) = 0;
    // ShowHomePage: back to the home page with the page commands disabled.
    virtual void showHomePage() = 0;
    // A command by its menu text (删除学生, 校务设置 ...), rights check first; false when refused.
    virtual bool runCommand(QStringView name) = 0;
    // The owner of the feature's windows.
    virtual QWidget* ownerWindow() = 0;
    // A menu or pop-up menu by its name (班务管理 ...); null when there is none.
    virtual QMenu* menu(QStringView name) const = 0;
    // 进度条1; see ListProgress.
    virtual QProgressBar* progressBar() const = 0;
};
