#pragma once

#include "store/DatabaseKind.h"

#include <QString>

// Where the program's files are: everything lies below the program directory, named as the
// program names it ("\data\006.xsk", "\config.ini", "\Sound\Music1.mid").
class AppPaths
{
public:
    explicit AppPaths(const QString& programDir);

    QString programDir() const { return m_dir; }
    // "\data\006.xsk" -> <program dir>/data/006.xsk
    QString path(QStringView relative) const;
    QString database(DatabaseKind kind) const;
    QString settingsFile() const;
    QString dataDir() const;
    QString backupDir() const;
    QString soundDir() const;

private:
    QString m_dir;
};
