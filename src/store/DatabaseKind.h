#pragma once

#include <QString>

// The school's three database files.
enum class DatabaseKind { Student, Teacher, Admin };

namespace DatabaseKinds {

// "006.xsk", "007.xsk", "008.xsk": the file below the program's data directory.
QString fileName(DatabaseKind kind);
// Relative path as the program names it, e.g. "\data\006.xsk".
QString relativePath(DatabaseKind kind);
QString password(DatabaseKind kind);
// "外部数据库1" .. "外部数据库3": the main window's connection that owns the file.
QString connectionName(DatabaseKind kind);

} // namespace DatabaseKinds
