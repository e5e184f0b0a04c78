#pragma once

#include "store/DatabaseKind.h"

#include <QByteArray>
#include <QString>

// The empty databases compiled into the program, byte for byte what a fresh installation holds.
namespace DatabaseTemplate {

QByteArray bytes(DatabaseKind kind);

// Writes the template to path through a temporary file, replacing what was there only once the
// whole file is written. False, with the old file untouched, when that fails.
bool writeTo(DatabaseKind kind, const QString& path, QString* error = nullptr);

} // namespace DatabaseTemplate
