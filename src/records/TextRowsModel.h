#pragma once

#include "records/ReportColumn.h"
#include "records/ReportSort.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QIcon>
#include <QList>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// The rows of a list as the query gave them, for any item view: the texts are kept once and
// shown as they are; a sort reads a column's keys once and then only permutes the order of the
// rows shown. Column 0 is a row's key (a number); with a blank key column the rows' texts start at
// column 1 and column 0 reads "0".
class TextRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Under column 0: the row's position when it was loaded.
    static constexpr int LoadPositionRole = Qt::UserRole;

    explicit TextRowsModel(QObject* parent = nullptr);

    // The captions of columns 0..n, which also fix the number of columns.
    void setTitles(const QStringList& titles);
    void setTitle(int column, const QString& title);
    QString title(int column) const { return m_titles.value(column); }
    // Whether the rows carry the key column's text (a teacher's 编号) or start at column 1.
    void setBlankKeyColumn(bool on) { m_offset = on ? 1 : 0; }
    // Shown beside every text (the names lists' file icon).
    void setIcon(const QIcon& icon) { m_icon = icon; }
    // How the texts of a column stand in their cells.
    void setAlignment(int column, Qt::Alignment alignment);

    // Rows set apart in their own colours (an import's faulty rows), by load position, with the
    // text of `tipColumn` as their tip. Until the next fill.
    void setMarkedRows(const QList<bool>& marked, const QBrush& text, const QBrush& background, int tipColumn);

    // Replaces the rows, shown in the order given; shares them with the caller, copies nothing.
    void setRows(const QList<QStringList>& rows);
    // Sorts the rows shown by a column (stable: equal keys keep the order they are in).
    void sort(int column, SortAs sortAs, Qt::SortOrder order);
    using QAbstractTableModel::sort;
    void removeShownRow(int row);

    QString text(int row, int column) const;
    // The first row whose column holds `text`, -1 when none.
    int rowOf(int column, const QString& text) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString loadedText(int position, int column) const;

    QList<QStringList> m_rows;
    QList<int> m_shown; // load positions in the order shown
    QStringList m_titles;
    QIcon m_icon;
    QList<Qt::Alignment> m_alignments;
    int m_offset = 0;
    QList<bool> m_marked;
    QBrush m_markText;
    QBrush m_markBackground;
    int m_tipColumn = -1;
    // Read on a column's first sort and kept until the next fill.
    std::vector<std::unique_ptr<ReportSort::Keys>> m_keys;
};
