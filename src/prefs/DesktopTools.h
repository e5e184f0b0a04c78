#pragma once

#include "platform/AppPaths.h"

#include <QStringList>

struct PlatformServices;

// 记事本, 计算器 and 使用手册: other programs of the desktop, started without waiting.
class DesktopTools
{
public:
    enum class Start { Started, NotInstalled, Failed };
    enum class Manual {
        Opened, // the desktop shows it
        ShowHere, // no browser: the program shows manualPath() itself
        Missing,
    };

    DesktopTools(PlatformServices& services, const AppPaths& paths);

    // The text editors and calculators looked for on PATH, most common desktops first.
    static const QStringList& textEditors();
    static const QStringList& calculators();

    Start openNotepad();
    Start openCalculator();
    // "\使用手册.chm" when someone has put the old help file there and the desktop opens it,
    // otherwise the HTML manual the build puts beside the program, in the desktop's browser.
    Manual openManual();
    QString manualPath() const;

private:
    Start startFirst(const QStringList& candidates);

    PlatformServices& m_services;
    AppPaths m_paths;
};
