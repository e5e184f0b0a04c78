#pragma once

#include "store/DatabaseKind.h"

#include <QString>
#include <QTemporaryDir>

// A throw-away program directory with data/, backup/ and Sound/, fresh empty databases and the
// five empty wage sheets.
class TempProgramDir
{
public:
    TempProgramDir();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // <dir>/data/006.xsk etc.
    QString databasePath(DatabaseKind kind) const;
    QString filePath(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};
