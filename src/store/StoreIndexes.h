#pragma once

#include "store/DatabaseKind.h"

class DbConnection;

// The indexes of a database file made before they were part of its schema.
namespace StoreIndexes {

// Adds every index of the kind's schema that the open file lacks, all or none; a file that has
// them is left as it is. False with the reason in db.lastError() when the file cannot take them
// (locked, read-only): the program still works then, only slower.
bool ensure(DbConnection& db, DatabaseKind kind);

} // namespace StoreIndexes
