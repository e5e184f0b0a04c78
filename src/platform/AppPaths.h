#pragma once

#include "store/DatabaseKind.h"

#include <QString>

// Where the program's files are, named as the program names them ("\data\006.xsk",
// "\config.ini", "\Sound\Music1.mid"). The school's files (data/, backup/, Sound/, config.ini) lie
// below the data root; what ships with the program (the manual, readme.txt) below the program
// directory. A build keeps both in one directory; an installed program keeps the data in the
// user's own data directory.
class AppPaths
{
public:
    explicit AppPaths(const QString& programDir);
    AppPaths(const QString& programDir, const QString& dataRoot);

    QString programDir() const { return m_dir; }
    QString dataRoot() const { return m_data; }
    // "\data\006.xsk" -> <data root>/data/006.xsk
    QString path(QStringView relative) const;
    // "\使用手册.html" -> <program dir>/使用手册.html
    QString programFile(QStringView relative) const;
    QString database(DatabaseKind kind) const;
    QString settingsFile() const;
    QString dataDir() const;
    QString backupDir() const;
    QString soundDir() const;

private:
    QString m_dir;
    QString m_data;
};
