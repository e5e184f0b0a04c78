#pragma once

#include "sheet/SheetTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class DbConnection;

// The rows of a query over the students database, one column per selected column, whose edited
// cells are written back into the same row of the queried table.
//
// The first selected column is the row's key (学号 for 学籍表): a committed cell becomes
// "update 学籍表 set <column>=? where 学号=?" with the value and the key bound. A written key becomes
// the row's key, so the row's later edits reach the same pupil. Turning the user's
// text into the column's type is the caller's business: setText() stores the text as it is,
// setValue() stores a prepared value (an integer mark, or QVariant() for no mark).
//
// sheet() shows the rows as a SheetTable: a table of its own (texts only, default attributes), or,
// after showIn(), the caller's formatted sheet below its header, which the rows are read straight
// into.
class QueryTable
{
public:
    struct CommitError
    {
        int row = 0;
        int column = 0;
        QString message; // the database's reason
    };

    explicit QueryTable(DbConnection& db, const QString& table = QStringLiteral("学籍表"));
    QueryTable(const QueryTable&) = delete;
    QueryTable& operator=(const QueryTable&) = delete;

    // From the next setQuery() on, row 1 of the rows is row `firstRow` of `sheet`: setQuery() keeps
    // the rows above it, replaces those from it down, and gives each cell of column c the
    // attributes of cells[c - 1] (a default cell where there is none). The sheet must outlive
    // the rows' use; adding columns is left to the caller.
    void showIn(SheetTable& sheet, int firstRow, const QList<SheetCell>& cells = {});

    // Runs the query and replaces the rows; on failure the table is empty and lastError() says why.
    bool setQuery(const QString& sql, const QVariantList& parameters = {});

    int rowCount() const { return m_rows; }
    int columnCount() const { return int(m_columns.size()); }
    // As the query names it.
    QString columnName(int column) const;

    // As the sheet shows it: a caller's sheet may hold what the user typed before it is set.
    QString text(int row, int column) const;
    // The text of value(): what the cell shows once set or committed.
    QString valueText(int row, int column) const { return display(value(row, column)); }
    // The value as stored (or as set and not yet committed).
    QVariant value(int row, int column) const;
    void setText(int row, int column, const QString& text) { setValue(row, column, text); }
    void setValue(int row, int column, const QVariant& value);
    bool hasPendingChanges() const { return !m_pending.isEmpty(); }

    // Writes every cell set since the last commit, all or none. When the database refuses one (a
    // value the column does not take, a row that is gone) nothing is written, the cells show the
    // stored values again and the refusal is returned in lastCommitError().
    bool commit();
    const CommitError& lastCommitError() const { return m_commitError; }
    QString lastError() const { return m_commitError.message; }

    const SheetTable& sheet() const { return *m_sheet; }

private:
    struct Pending
    {
        int row;
        int column;
        QVariant value;
    };

    bool write(const Pending& change, QString& error);
    static QString display(const QVariant& value);
    void revert();
    void clearRows();
    const QVariant& stored(int row, int column) const
    {
        return m_values[qsizetype(row - 1) * m_columns.size() + (column - 1)];
    }

    DbConnection& m_db;
    QString m_table;
    QStringList m_columns;
    int m_rows = 0;
    QList<QVariant> m_values; // as the database holds them, row by row
    QList<QVariant> m_keys; // each row's key as stored, for the UPDATE
    QList<Pending> m_pending;
    SheetTable m_own;
    SheetTable* m_sheet = &m_own;
    int m_firstRow = 1;
    QList<SheetCell> m_cells;
    CommitError m_commitError;
};
