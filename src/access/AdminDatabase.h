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
    Replaced, // the file could not be opened: it was moved aside and the template written
    Failed, // not open; a file that could not be moved aside is left as it was
};

struct Result
{
    Outcome outcome = Outcome::Failed;
    QString movedTo; // where a damaged file went
    bool isOpen() const { return outcome != Outcome::Failed; }
};

// Opens the file; a missing one is created from the template. A file that exists but does not
// open keeps its accounts: it is renamed to "008.xsk.damaged" (or "008.xsk.damaged.2", ... when
// that exists) before the template takes its place.
Result open(DbConnection& db, const AppPaths& paths, FileOps& fileOps);

// Closes and opens the file again, creating nothing.
bool reopen(DbConnection& db, const AppPaths& paths);

QString path(const AppPaths& paths);

} // namespace AdminDatabase
