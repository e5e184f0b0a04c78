#include "platform/AppPaths.h"

#include <QDir>

using namespace Qt::StringLiterals;

AppPaths::AppPaths(const QString& programDir)
    : m_dir(QDir::cleanPath(programDir))
{ }

QString AppPaths::path(QStringView relative) const
{
    QString tail = relative.toString();
    tail.replace(u'\\', u'/');
    while (tail.startsWith(u'/'))
        tail.remove(0, 1);
    return m_dir + u'/' + tail;
}

QString AppPaths::database(DatabaseKind kind) const
{
    return path(DatabaseKinds::relativePath(kind));
}

QString AppPaths::settingsFile() const
{
    return path(u"\\config.ini");
}

QString AppPaths::dataDir() const
{
    return path(u"\\data");
}

QString AppPaths::backupDir() const
{
    return path(u"\\backup");
}

QString AppPaths::soundDir() const
{
    return path(u"\\Sound");
}
