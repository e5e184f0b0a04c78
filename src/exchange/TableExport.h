#pragma once

#include <QString>

class FileOps;
struct PageTable;
struct PlatformServices;

// 导出: what a list or sheet shows, into an .xlsx or .csv file the user names.
namespace TableExport {

enum class Format { Xlsx, Csv };

// The filters of the save dialog, the workbook first.
QString filter();
// The name the save dialog offers: the title, without what a file name cannot hold.
QString suggestedName(const QString& title);
// The path as typed, with ".xlsx" added unless it ends in ".xlsx" or ".csv".
QString withSuffix(const QString& path);
Format formatOf(const QString& path);

// Writes the table to `path` whole or not at all: on any failure an existing file is kept. The
// message for the user on failure, empty on success.
QString save(const PageTable& table, const QString& path, FileOps& fileOps);

// The save dialog, then the file, then a word on how it went. The path written; empty when the
// user cancelled or the file could not be written.
QString run(PlatformServices& services, const PageTable& table);

} // namespace TableExport
