#pragma once

#include "platform/AppPaths.h"

#include <QString>

// Where a school's files live. A program directory that carries its own data/ and can be written
// (a build, or an old-style copy on a USB stick) keeps them. An installed program keeps them in the
// user's data directory instead, so that an upgrade of the package never touches the records.
class DataHome
{
public:
    struct Environment
    {
        QString xdgDataHome; // $XDG_DATA_HOME, possibly empty
        QString home; // the user's home directory
    };

    static Environment fromProcess();
    // executableDir: the directory of the running executable. An installed tree has the manual in
    // <prefix>/share/xiaowu beside <prefix>/bin.
    static AppPaths locate(const QString& executableDir, const Environment& env);
    static bool isSeparate(const AppPaths& paths) { return paths.dataRoot() != paths.programDir(); }

    // Lays out a data root: data/ with the empty databases and the five wage files, backup/ and
    // Sound/. Only what is missing is made; an existing file is never replaced. False with the
    // reason when a directory or file cannot be made.
    static bool prepare(const AppPaths& paths, QString* error = nullptr);
};
