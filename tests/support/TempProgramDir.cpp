#include "TempProgramDir.h"

#include "store/DatabaseTemplate.h"

#include <QDir>

using namespace Qt::StringLiterals;

TempProgramDir::TempProgramDir()
{
    QDir root(m_dir.path());
    for (const QString& sub : {u"data"_s, u"backup"_s, u"Sound"_s})
        root.mkpath(sub);
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin})
        DatabaseTemplate::writeTo(kind, databasePath(kind));
}

QString TempProgramDir::databasePath(DatabaseKind kind) const
{
    return m_dir.path() + u"/data/"_s + DatabaseKinds::fileName(kind);
}

QString TempProgramDir::filePath(const QString& relative) const
{
    return m_dir.path() + u'/' + relative;
}
