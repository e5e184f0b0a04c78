#include "access/AdminDatabase.h"

#include "platform/AppPaths.h"
#include "platform/FileOps.h"
#include "store/DatabaseKind.h"
#include "store/DatabaseTemplate.h"
#include "store/DbConnection.h"

using namespace Qt::StringLiterals;

namespace AdminDatabase {

namespace {

bool openFile(DbConnection& db, const QString& file)
{
    return db.openSchool(DatabaseKind::Admin, file);
}

QString moveAside(const QString& file, FileOps& fileOps)
{
    const QString base = file + u".damaged"_s;
    for (int n = 1; n < 1000; ++n) {
        const QString target = n == 1 ? base : base + u'.' + QString::number(n);
        if (fileOps.exists(target))
            continue;
        return fileOps.rename(file, target) ? target : QString();
    }
    return {};
}

} // namespace

QString path(const AppPaths& paths)
{
    return paths.database(DatabaseKind::Admin);
}

Result open(DbConnection& db, const AppPaths& paths, FileOps& fileOps)
{
    const QString file = path(paths);
    if (openFile(db, file))
        return {Outcome::Opened, {}};
    Result result;
    if (fileOps.exists(file)) {
        // A locked or unreadable file may hold every account: leave it for the next start.
        const auto why = db.openFailure();
        if (why == DbConnection::OpenFailure::NotOurs || why == DbConnection::OpenFailure::WrongPassword)
            result.outcome = Outcome::Damaged;
        return result;
    }
    // Not a missing file but a store that cannot be reached now: nothing is to be made.
    if (db.openFailure() == DbConnection::OpenFailure::Unreadable)
        return result;
    result.outcome = Outcome::Created;
    if (!DatabaseTemplate::writeTo(DatabaseKind::Admin, file) || !openFile(db, file))
        result.outcome = Outcome::Failed;
    return result;
}

Result replaceDamaged(DbConnection& db, const AppPaths& paths, FileOps& fileOps)
{
    db.close();
    const QString file = path(paths);
    Result result;
    if (fileOps.exists(file)) {
        result.movedTo = moveAside(file, fileOps);
        if (result.movedTo.isEmpty())
            return result;
    }
    result.outcome = Outcome::Replaced;
    if (!DatabaseTemplate::writeTo(DatabaseKind::Admin, file) || !openFile(db, file))
        result.outcome = Outcome::Failed;
    return result;
}

bool reopen(DbConnection& db, const AppPaths& paths)
{
    db.close();
    return openFile(db, path(paths));
}

} // namespace AdminDatabase
