#pragma once

#include "records/TextRowsModel.h"

#include <QItemSelectionModel>
#include <QList>
#include <QListView>
#include <QSignalBlocker>
#include <QStringList>

#include <type_traits>

// What the names lists share whatever view draws them: the rows of the shared model handed over
// on a fill, and the current row read and set by position. Only the rows in sight are laid out.
template<class View>
class NameRowsView : public View
{
public:
    explicit NameRowsView(const QString& objectName, const QStringList& titles, QWidget* parent = nullptr)
        : View(parent)
        , m_model(new TextRowsModel(this))
    {
        this->setObjectName(objectName);
        m_model->setTitles(titles);
        this->setModel(m_model);
        this->setEditTriggers(QAbstractItemView::NoEditTriggers);
        this->setSelectionMode(QAbstractItemView::SingleSelection);
        this->setSelectionBehavior(QAbstractItemView::SelectRows);
    }

    // {number, name} rows of a names list, as a file's NameRoll reads them.
    template<class Entry>
    static QList<QStringList> rowsOf(const QList<Entry>& names)
    {
        QList<QStringList> rows;
        rows.reserve(names.size());
        for (const auto& [number, name, sex] : names)
            rows.append({QString::number(number), name});
        return rows;
    }

    // Replaces the rows; the current row is none until one is chosen, without a signal.
    void setRows(const QList<QStringList>& rows)
    {
        const QSignalBlocker quiet(this->selectionModel());
        m_model->setRows(rows);
        this->selectionModel()->clear();
    }
    int rowCount() const { return m_model->rowCount(); }
    QString text(int row, int column) const { return m_model->text(row, column); }

    // The current row, -1 when none; selected means chosen by the user or the program, not only
    // holding the focus frame.
    int currentRow() const
    {
        const QModelIndex current = this->currentIndex();
        return current.isValid() ? current.row() : -1;
    }
    bool isCurrentSelected() const
    {
        const int row = currentRow();
        return row >= 0 && this->selectionModel()->isRowSelected(row);
    }
    void setCurrentRow(int row)
    {
        if (row >= 0 && row < rowCount())
            this->setCurrentIndex(m_model->index(row, shownColumn()));
        else
            this->setCurrentIndex({});
    }
    QString currentText(int column) const { return m_model->text(currentRow(), column); }
    // The row whose column 0 holds the number, -1 when none does.
    int rowOfNumber(qint64 number) const { return m_model->rowOf(0, QString::number(number)); }
    void removeRow(int row) { m_model->removeShownRow(row); }

protected:
    TextRowsModel* rowsModel() const { return m_model; }

private:
    // A list view shows one column only: its index stands for the row.
    int shownColumn() const
    {
        if constexpr (std::is_base_of_v<QListView, View>)
            return this->modelColumn();
        else
            return 0;
    }

    TextRowsModel* m_model;
};
