#pragma once

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

// The values of the current row straight from sqlite3_column_*, turned into the Qt values the
// program would hold: the raw engine's side of every read benchmark.
inline qint64 rawRowValues(sqlite3_stmt* s)
{
    qint64 sum = 0;
    const int n = sqlite3_column_count(s);
    for (int i = 0; i < n; ++i) {
        switch (sqlite3_column_type(s, i)) {
        case SQLITE_INTEGER:
            sum += sqlite3_column_int64(s, i);
            break;
        case SQLITE_TEXT:
            sum += QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(s, i)), sqlite3_column_bytes(s, i))
                       .size();
            break;
        case SQLITE_BLOB:
            sum += QByteArray(static_cast<const char*>(sqlite3_column_blob(s, i)), sqlite3_column_bytes(s, i)).size();
            break;
        default:
            break;
        }
    }
    return sum;
}

// Every remaining row of the statement read that way: the whole answer to a raw query.
inline qint64 rawAllRows(sqlite3_stmt* s)
{
    qint64 sum = 0;
    while (sqlite3_step(s) == SQLITE_ROW)
        sum += rawRowValues(s);
    return sum;
}
