#pragma once

#include <xlsxwriter.h>
#include <zip.h>

#include <QDate>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// Spreadsheet files for the import tests. Header only: the window tests use it too.
namespace XlsxFixture {

// A workbook whose first sheet holds the rows from A1 on, written by libxlsxwriter. A cell
// "=n:13900000000" is written as a number and "=d:2019-03-15" as a date-styled number; an empty
// cell is left out; every other cell is a string (shared, or inline with constantMemory).
inline bool write(const QString& path, const QList<QStringList>& rows, bool constantMemory = false)
{
    lxw_workbook_options options {};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!book)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* dateStyle = workbook_add_format(book);
    format_set_num_format(dateStyle, "yyyy\"年\"m\"月\"d\"日\"");
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QString& cell = rows[r][c];
            if (cell.isEmpty())
                continue;
            if (cell.startsWith(QStringLiteral("=n:"))) {
                worksheet_write_number(sheet, r, c, cell.mid(3).toDouble(), nullptr);
            } else if (cell.startsWith(QStringLiteral("=d:"))) {
                const QDate d = QDate::fromString(cell.mid(3), Qt::ISODate);
                lxw_datetime when {d.year(), d.month(), d.day(), 0, 0, 0.0};
                worksheet_write_datetime(sheet, r, c, &when, dateStyle);
            } else {
                worksheet_write_string(sheet, r, c, cell.toUtf8().constData(), nullptr);
            }
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A zip holding exactly these parts, for workbooks no spreadsheet program would write.
inline QByteArray zip(const QList<std::pair<QString, QByteArray>>& parts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parts.zip"));
    zipFile archive = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!archive)
        return {};
    for (const auto& [name, content] : parts) {
        zipOpenNewFileInZip64(archive, name.toUtf8().constData(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
            Z_DEFAULT_COMPRESSION, 1);
        zipWriteInFileInZip(archive, content.constData(), static_cast<unsigned>(content.size()));
        zipCloseFileInZip(archive);
    }
    zipClose(archive, nullptr);
    return read(path);
}

} // namespace XlsxFixture
