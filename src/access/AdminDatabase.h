#pragma once

#include <QString>

class AppPaths;
class DbConnection;
class FileOps;

// Opening the administrators database "\data\008.xsk" on its connection.
namespace AdminDatabase {

enum class Outcome {
    Opened,
    Created, // the file was missing and was written from the template
    Damaged, // not open: the file is there but not a usable administrators file; left as it was
    Replaced, // a damaged file was moved aside and the template written
    Failed, // not open; a file that could not be moved aside is left as it was
};

struct Result
{
    Outcome outcome = Outcome::Failed;
    QString movedTo; // where a damaged file went
    bool isOpen() const { return outcome != Outcome::Failed && outcome != Outcome::Damaged; }
};

// Opens the file; a missing one is created from the template. A file that exists but is not ours
// (or not with this password) is Damaged and stays untouched: replacing it would open the
// built-in administrator, which only the user may choose (replaceDamaged).
Result open(DbConnection& db, const AppPaths& paths, FileOps& fileOps);
// Starting with no administrators: the damaged file keeps its accounts under "008.xsk.damaged"
// (or "008.xsk.damaged.2", ... when that exists) and the empty template takes its place.
Result replaceDamaged(DbConnection& db, const AppPaths& paths, FileOps& fileOps);

// Closes and opens the file again, creating nothing.
bool reopen(DbConnection& db, const AppPaths& paths);

QString path(const AppPaths& paths);

} // namespace AdminDatabase
