#pragma once

#include "platform/AppPaths.h"
#include "store/DatabaseKind.h"

#include <QString>
#include <QStringList>

class FileOps;

// What a start finds wrong with a data root before it creates or opens anything, and the messages
// that say so: each names the file and what the user can do about it.
namespace DataCheck {

// The data root (or its data/ folder) exists but cannot be written: empty when all is well.
QString unwritableFolder(const AppPaths& paths);
QString unwritableMessage(const QString& folder);

// The school's eight data files (three databases, five wage sheets) that are missing while at
// least one of the others is there. A data root with none of them is a first start, not a loss.
QStringList missingFiles(const AppPaths& paths);
QString missingMessage(const QStringList& files);

enum class Health { Sound, Missing, NotOurs, Damaged };
// Opens the database read-only: NotOurs when its header or password stamp is wrong, Damaged when
// SQLite's quick check finds a fault (detail gets the first one).
Health database(const QString& path, DatabaseKind kind, QString* detail = nullptr);
// A school database that cannot be used at all: offers to set it aside and start empty so that a
// backup can be restored.
QString unusableMessage(const QString& file, const QString& setAsideTo);
// One that opens but is damaged inside: the program goes on, the user is urged to restore.
QString damagedMessage(const QString& file, const QString& detail);

// Renames a damaged file to "<file>.damaged" (".damaged.2", ... when taken): the name it went to,
// empty when it could not be moved. Nothing is ever deleted.
QString nameForDamaged(const QString& file, const FileOps& fileOps);

// Scratch files of writes and backups cut off by a crash, below data/ and backup/: removed.
QStringList removeLeftovers(const AppPaths& paths);

} // namespace DataCheck
