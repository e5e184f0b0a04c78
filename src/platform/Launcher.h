#pragma once

#include <QString>
#include <QStringList>

// Other programs and documents of the desktop.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // The first of the named programs found on PATH, as a full path; empty when none is there.
    virtual QString findProgram(const QStringList& candidates) const = 0;
    // Starts a program without waiting for it.
    virtual bool startDetached(const QString& program, const QStringList& arguments = {}) = 0;
    // Opens a document with the program the desktop associates with it.
    virtual bool openDocument(const QString& path) = 0;
    // True when the desktop has a program to show an HTML page. Opening one without it may still
    // report success and show nothing.
    virtual bool hasWebBrowser() const = 0;
};
