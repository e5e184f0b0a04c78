#pragma once

#include "store/ServerSettings.h"

#include <QString>

#include <optional>

class AppSettings;

// The [Store] section of config.ini: which store keeps the school. Without the section, or with
// Kind=SQLite, the database files as always; with Kind=PostgreSQL the shared server:
//   [Store]
//   Kind=PostgreSQL
//   Host=192.168.1.10
//   Port=5432
//   Database=xiaowu
//   User=office
//   SslMode=prefer
// A password is never read from here (see ServerSettings).
namespace StoreSection {

struct Result
{
    std::optional<ServerSettings> server;
    QString error; // set for a section the program cannot use
};

Result read(const AppSettings& settings);

} // namespace StoreSection
