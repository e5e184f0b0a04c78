#pragma once

#include "platform/AppPaths.h"

#include <QStringList>

struct PlatformServices;

// 记事本, 计算器 and 使用手册: other programs of the desktop, started without waiting. Nothing is
// reported when one is missing or will not start.
class DesktopTools
{
public:
    DesktopTools(PlatformServices& services, const AppPaths& paths);

    // The text editors and calculators looked for on PATH, most common desktops first.
    static const QStringList& textEditors();
    static const QStringList& calculators();

    // True when a program was found and started.
    bool openNotepad();
    bool openCalculator();
    // "\使用手册.chm" when someone has put the old help file there, otherwise the HTML manual the
    // build puts beside the program.
    bool openManual();

private:
    bool startFirst(const QStringList& candidates);

    PlatformServices& m_services;
    AppPaths m_paths;
};
