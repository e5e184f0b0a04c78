#include "exchange/CsvTableWriter.h"

#include "exchange/ExportCells.h"
#include "workspace/PageTable.h"

namespace {

void appendField(QByteArray& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const bool quoted = utf8.contains('"') || utf8.contains(',') || utf8.contains('\n') || utf8.contains('\r');
    if (!quoted) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRecord(QByteArray& out, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields[i]);
    }
    out += "\r\n";
}

} // namespace

QByteArray CsvTableWriter::bytes(const PageTable& table)
{
    QByteArray out("\xEF\xBB\xBF");
    out.reserve(64 * (table.rows.size() + 4));
    for (const QString& line : ExportCells::headLines(table))
        appendRecord(out, {line});
    appendRecord(out, table.captions);
    for (const QStringList& row : table.rows)
        appendRecord(out, row);
    return out;
}
