#include "sheet/QueryTable.h"

#include "store/DbConnection.h"
#include "store/Schema.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QueryTable::QueryTable(DbConnection& db, const QString& table)
    : m_db(db)
    , m_table(table)
{ }

QString QueryTable::display(const QVariant& value)
{
    const int type = value.metaType().id();
    if (type == QMetaType::LongLong && !value.isNull()) {
        // Marks repeat on every sheet: the texts of the small numbers are made once, over one
        // buffer that lives as long as the program, so that copying or dropping one of them
        // touches no reference count.
        static const QList<QString> small = [] {
            constexpr int Most = 1000;
            constexpr int Slot = 5; // up to four digits and a terminating zero
            static char16_t chars[(Most + 1) * Slot] = {};
            QList<QString> texts;
            for (int n = 0; n <= Most; ++n) {
                const QString digits = QString::number(n);
                char16_t* at = chars + n * Slot;
                std::copy_n(digits.constData(), digits.size(), reinterpret_cast<QChar*>(at));
                texts.append(QString::fromRawData(reinterpret_cast<const QChar*>(at), digits.size()));
            }
            return texts;
        }();
        const qint64 n = *static_cast<const qint64*>(value.constData());
        return n >= 0 && n < small.size() ? small[n] : QString::number(n);
    }
    if (!value.isValid() || value.isNull())
        return {};
    if (type == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

void QueryTable::showIn(SheetTable& sheet, int firstRow, const QList<SheetCell>& cells)
{
    m_sheet = &sheet;
    m_firstRow = std::max(1, firstRow);
    m_cells = cells;
}

void QueryTable::clearRows()
{
    m_columns.clear();
    m_values.clear();
    m_keys.clear();
    m_rows = 0;
    if (m_sheet == &m_own)
        m_own.reset(0, 0);
    else
        m_sheet->deleteRows(m_firstRow, m_sheet->rowCount() - m_firstRow + 1);
}

bool QueryTable::setQuery(const QString& sql, const QVariantList& parameters)
{
    m_pending.clear();
    m_commitError = {};
    clearRows();

    auto rows = m_db.query(sql, parameters);
    if (!rows) {
        m_commitError.message = m_db.lastError();
        return false;
    }
    const int columns = rows->columnCount();
    for (int c = 1; c <= columns; ++c)
        m_columns.append(rows->columnName(c));
    if (m_sheet == &m_own)
        m_own.reset(0, columns);
    // Rows missing above the first one (a header not yet made) are made empty, so the rows land
    // where the caller expects them.
    if (m_sheet->rowCount() < m_firstRow - 1)
        m_sheet->appendRows(m_firstRow - 1 - m_sheet->rowCount());
    // One pass: each row goes from the statement into the sheet and the stored values at once.
    for (rows->first(); !rows->pastLast(); rows->next()) {
        const int row = m_sheet->rowCount() + 1;
        m_sheet->appendRows(1, m_cells);
        for (int c = 1; c <= columns; ++c) {
            // Long texts are stored as bytes; the sheet shows them as text.
            QVariant v = rows->value(c);
            if (v.metaType().id() == QMetaType::QByteArray)
                v = rows->text(c);
            m_sheet->setText(row, c, display(v));
            if (c == 1)
                m_keys.append(v);
            m_values.append(std::move(v));
        }
        ++m_rows;
    }
    if (rows->failed()) {
        m_commitError.message = m_db.lastError();
        clearRows();
        return false;
    }
    return true;
}

QString QueryTable::columnName(int column) const
{
    return m_columns.value(column - 1);
}

QString QueryTable::text(int row, int column) const
{
    if (row < 1 || row > m_rows)
        return {};
    return m_sheet->text(row + m_firstRow - 1, column);
}

QVariant QueryTable::value(int row, int column) const
{
    for (qsizetype i = m_pending.size() - 1; i >= 0; --i) {
        if (m_pending[i].row == row && m_pending[i].column == column)
            return m_pending[i].value;
    }
    if (row < 1 || row > m_rows || column < 1 || column > m_columns.size())
        return {};
    return stored(row, column);
}

void QueryTable::setValue(int row, int column, const QVariant& value)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns.size())
        return;
    m_pending.append({row, column, value});
    m_sheet->setText(row + m_firstRow - 1, column, display(value));
}

bool QueryTable::write(const Pending& change, QString& error)
{
    // Identifiers come from our own schema only; the query's column names are checked against it.
    const Schema::Table* table = Schema::table(DatabaseKind::Student, m_table);
    const QString column = m_columns.value(change.column - 1);
    const QString key = m_columns.value(0);
    if (!table || table->columnIndex(column) < 0 || table->columnIndex(key) < 0) {
        error = u"column %1 cannot be written to %2"_s.arg(column, m_table);
        return false;
    }
    const QString sql = u"update "_s + m_table + u" set "_s + column + u"=? where "_s + key + u"=?"_s;
    if (!m_db.execute(sql, {change.value, m_keys[change.row - 1]})) {
        error = m_db.lastError();
        return false;
    }
    if (m_db.changes() != 1) {
        error = u"the row of %1 %2 is no longer in %3"_s.arg(key, display(m_keys[change.row - 1]), m_table);
        return false;
    }
    // A new key is where the row's next edit must go, also later in this same commit.
    if (change.column == 1)
        m_keys[change.row - 1] = change.value;
    return true;
}

bool QueryTable::commit()
{
    m_commitError = {};
    if (m_pending.isEmpty())
        return true;
    // Inside a caller's transaction the statements join it; otherwise they get one of their own.
    const bool own = !m_db.inTransaction();
    const QList<QVariant> storedKeys = m_keys;
    if (own && !m_db.beginTransaction()) {
        m_commitError.message = m_db.lastError();
        revert();
        return false;
    }
    for (const Pending& change : std::as_const(m_pending)) {
        QString error;
        if (!write(change, error)) {
            m_commitError = {change.row, change.column, error};
            if (own)
                m_db.rollback();
            m_keys = storedKeys;
            revert();
            return false;
        }
    }
    if (own && !m_db.commit()) {
        m_commitError.message = m_db.lastError();
        m_db.rollback();
        m_keys = storedKeys;
        revert();
        return false;
    }
    for (const Pending& change : std::as_const(m_pending))
        m_values[qsizetype(change.row - 1) * m_columns.size() + (change.column - 1)] = change.value;
    m_pending.clear();
    return true;
}

void QueryTable::revert()
{
    for (const Pending& change : std::as_const(m_pending))
        m_sheet->setText(change.row + m_firstRow - 1, change.column, display(stored(change.row, change.column)));
    m_pending.clear();
}
