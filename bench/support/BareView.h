#pragma once

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QList>
#include <QStringList>
#include <QTableView>

#include <sqlite3.h>

// The same strings in a bare QTableView over a trivial model: what putting them on screen costs Qt
// alone, the view's side of the end-to-end benches. Header only: widget benches alone include it.
class BareStrings : public QAbstractTableModel
{
public:
    void setRows(QList<QStringList> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || m_rows.isEmpty() ? 0 : int(m_rows.first().size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return m_rows[index.row()].value(index.column());
    }

private:
    QList<QStringList> m_rows;
};

struct BareView
{
    explicit BareView(int width = 1024, int height = 700)
    {
        view.setModel(&model);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.resize(width, height);
        view.show();
    }
    // Replaces the rows and paints the first frame with them.
    void show(QList<QStringList> rows)
    {
        model.setRows(std::move(rows));
        view.repaint();
    }

    BareStrings model;
    QTableView view;
};

// Every row of a statement as texts, as a bare view would take them; finalizes the statement.
inline QList<QStringList> rawTexts(sqlite3_stmt* s)
{
    QList<QStringList> rows;
    const int n = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        QStringList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row.append(QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(s, i)), sqlite3_column_bytes(s, i)));
        rows.append(std::move(row));
    }
    sqlite3_finalize(s);
    return rows;
}
