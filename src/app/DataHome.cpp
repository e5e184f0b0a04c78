#include "app/DataHome.h"

#include "platform/SafeFile.h"
#include "store/DatabaseTemplate.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

bool writeNew(const QString& path, const QByteArray& bytes, QString* error)
{
    if (bytes.isEmpty())
        return fail(error, u"no template for %1"_s.arg(path));
    return SafeFile::write(path, bytes, error);
}

} // namespace

DataHome::Environment DataHome::fromProcess()
{
    return {qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()};
}

AppPaths DataHome::locate(const QString& executableDir, const Environment& env)
{
    const QString shared = QDir::cleanPath(executableDir + u"/../share/xiaowu"_s);
    const QString programDir = QFileInfo(shared).isDir() ? shared : executableDir;

    // Even when it cannot be written: the start then says so rather than open an empty school
    // elsewhere.
    const QFileInfo ownData(executableDir + u"/data"_s);
    if (ownData.isDir())
        return AppPaths(programDir, executableDir);

    // The XDG rule: an unset, empty or relative XDG_DATA_HOME means ~/.local/share.
    const QString base = !env.xdgDataHome.isEmpty() && QDir::isAbsolutePath(env.xdgDataHome)
        ? env.xdgDataHome
        : env.home + u"/.local/share"_s;
    return AppPaths(programDir, base + u"/xiaowu"_s);
}

bool DataHome::prepare(const AppPaths& paths, QString* error)
{
    for (const QString& dir : {paths.dataDir(), paths.backupDir(), paths.soundDir()}) {
        if (!QDir().mkpath(dir))
            return fail(error, u"cannot create %1"_s.arg(dir));
    }
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
        const QString file = paths.database(kind);
        if (!QFileInfo::exists(file) && !writeNew(file, DatabaseTemplate::bytes(kind), error))
            return false;
    }
    for (int sheet = 1; sheet <= 5; ++sheet) {
        const QString file = paths.path(WageTableFile::relativePath(sheet));
        if (!QFileInfo::exists(file) && !writeNew(file, WageTableFile::templateBytes(), error))
            return false;
    }
    return true;
}
