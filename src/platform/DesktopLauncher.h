#pragma once

#include "platform/Launcher.h"

// Programs found on PATH, started detached; documents opened by the desktop's associations.
class DesktopLauncher : public Launcher
{
public:
    QString findProgram(const QStringList& candidates) const override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    bool openDocument(const QString& path) override;
    bool hasWebBrowser() const override;
};
