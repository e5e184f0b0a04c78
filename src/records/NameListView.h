#pragma once

#include <QIcon>
#include <QList>
#include <QStringList>
#include <QTreeView>

class TextRowsModel;

// A plain list of people (number, name, …) over the shared rows model: filling it hands the
// rows over, and only the rows in sight are laid out and painted.
class NameListView : public QTreeView
{
    Q_OBJECT

public:
    NameListView(const QString& objectName, const QStringList& titles, QWidget* parent = nullptr);

    // A names list as the record pages show it: the file icon and the name, the number (column 0)
    // kept out of sight, no header.
    void showNamesOnly(const QIcon& icon);

    // Replaces the rows; the current row is none until one is chosen, without a signal.
    void setRows(const QList<QStringList>& rows);
    int rowCount() const;
    QString text(int row, int column) const;

    // The current row, -1 when none; selected means chosen by the user or the program, not only
    // holding the focus frame.
    int currentRow() const;
    bool isCurrentSelected() const;
    void setCurrentRow(int row);
    QString currentText(int column) const;
    // The row whose column 0 holds the number, -1 when none does.
    int rowOfNumber(qint64 number) const;
    void removeRow(int row);

Q_SIGNALS:
    void currentRowChanged(int row);

private:
    TextRowsModel* m_model;
};
