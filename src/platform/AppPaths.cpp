#include "platform/AppPaths.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

QString below(const QString& dir, QStringView relative)
{
    QString tail = relative.toString();
    tail.replace(u'\\', u'/');
    while (tail.startsWith(u'/'))
        tail.remove(0, 1);
    return dir + u'/' + tail;
}

} // namespace

AppPaths::AppPaths(const QString& programDir)
    : AppPaths(programDir, programDir)
{ }

AppPaths::AppPaths(const QString& programDir, const QString& dataRoot)
    : m_dir(QDir::cleanPath(programDir))
    , m_data(QDir::cleanPath(dataRoot))
{ }

QString AppPaths::path(QStringView relative) const
{
    return below(m_data, relative);
}

QString AppPaths::programFile(QStringView relative) const
{
    return below(m_dir, relative);
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
