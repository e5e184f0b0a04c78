#pragma once

#include <QAbstractItemModel>
#include <QList>
#include <QStringList>

#include <functional>

class QAbstractItemView;

// Runs the event loop until `view` has painted a frame with rows in it: the moment the clerk sees
// the list. False when none came within the timeout.
bool waitForRowsPainted(QAbstractItemView* view, int timeoutMs = 30000);

// Runs `command` and then the event loop until `view` has painted rows, counting a frame the
// command painted itself (a progress bar's repaint flushes the whole window).
bool commandPainted(QAbstractItemView* view, const std::function<void()>& command, int timeoutMs = 30000);

// The resident set of this process in bytes, from /proc/self/status.
qint64 residentBytes();

// The floor of an item view: rows of texts handed out as they are, nothing parsed or kept else.
class BareRowsModel : public QAbstractTableModel
{
public:
    // Replaces the rows, as a fill would.
    void reset(QList<QStringList> rows);
    // Puts the rows in `order`, as a sort would.
    void permute(const QList<int>& order);

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    const QList<QStringList>& rows() const { return m_rows; }

private:
    QList<QStringList> m_rows;
};
