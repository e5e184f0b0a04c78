#pragma once

#include "store/ServerSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// The first-time commands of a shared server, run from the command line:
//   xiaowu --store-init            makes the three databases on the server of config.ini
//   xiaowu --store-copy FROM TO    copies a school between stores; each side is "server" (the
//                                  server of config.ini), "files" (the program's data directory)
//                                  or another directory holding 006.xsk, 007.xsk and 008.xsk;
//                                  the five wage sheets 001.xsk … 005.xsk go with them.
// Each returns the process's exit status and writes what it did, or why not, to out.
namespace StoreCommand {

int init(const std::optional<ServerSettings>& server, QTextStream& out);
int copy(const QString& from, const QString& to, const QString& dataDirectory,
    const std::optional<ServerSettings>& server, QTextStream& out);

// The file names of the wage sheets, which a server store keeps as rows for every seat.
QStringList sharedFiles();

} // namespace StoreCommand
