#pragma once

#include "store/DatabaseKind.h"

#include <QList>
#include <QString>
#include <QStringList>

// The tables of the three databases, column for column. The sibling tables (学籍表, 毕业表,
// 转退表 and 教员表, 退休表, 调离表) share one column list so that a whole row moves between
// them with insert-select.
namespace Schema {

enum class ColumnKind {
    Text, // width: see textWidth()
    Int16, // marks: NULL or -32768..32767
    Int32,
    Bytes, // photos and long texts
};

struct Column
{
    QString name;
    ColumnKind kind;
    int width = 0;
};

struct Index
{
    QString name;
    QStringList columns;
};

struct Table
{
    QString name;
    QList<Column> columns;
    QString primaryKey; // empty: none
    QList<Index> indexes;

    int columnIndex(QStringView column) const; // 0-based, -1 when absent
    // Whether the table's rows have no integer key to keep their order by. The file store keeps them
    // in the order they were added (rowid); the server moves an updated row to the end, so there
    // such a table gets rowOrderColumn, which statements reach as "order by rowid".
    bool ordersByRowid() const;
};

inline constexpr char16_t rowOrderColumn[] = u"xiaowu_seq";

QList<Table> tables(DatabaseKind kind);
const Table* table(DatabaseKind kind, QStringView name);

// The one width of a text column that everything letting a value in goes by: the editors' boxes
// and the import count it in GB18030 bytes (a Chinese character takes 2). The files' CHECK counts
// characters, a looser bound, so every value let in fits and every older row stays valid.
// 0 for a column that is not text.
int textWidth(DatabaseKind kind, QStringView table, QStringView column);

// CREATE TABLE and CREATE INDEX statements of one database, in table order.
QStringList createStatements(DatabaseKind kind);
// "CREATE INDEX IF NOT EXISTS" of every index of one database: what an older file lacks.
QStringList indexStatements(DatabaseKind kind);

// The same tables and indexes on the server, in the kind's schema (the search path names it):
// the pinyin collation, the surname-reading function, then tables and indexes. A table keyed by
// a number draws keys from the server as SQLite's rowid does.
QStringList serverStatements(DatabaseKind kind);
// Moves the key generators past the largest key, after rows came in with their keys.
QStringList serverKeyResets(DatabaseKind kind);

} // namespace Schema
