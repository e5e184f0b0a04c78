#include "support/FirstFrame.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>

namespace {

class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QAbstractItemView* view)
        : m_view(view)
    {
        view->viewport()->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_view->model() && m_view->model()->rowCount() > 0)
            painted = true;
        return false;
    }

private:
    QAbstractItemView* m_view;
};

} // namespace

bool waitForRowsPainted(QAbstractItemView* view, int timeoutMs)
{
    PaintWatch watch(view);
    const QDeadlineTimer deadline(timeoutMs);
    while (!watch.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // The paint event was seen on its way in: one more pass lets it finish and the frame flush.
    QCoreApplication::processEvents();
    return watch.painted;
}

bool commandPainted(QAbstractItemView* view, const std::function<void()>& command, int timeoutMs)
{
    PaintWatch watch(view);
    command();
    const QDeadlineTimer deadline(timeoutMs);
    while (!watch.painted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return watch.painted;
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

void BareRowsModel::reset(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void BareRowsModel::permute(const QList<int>& order)
{
    Q_EMIT layoutAboutToBeChanged();
    QList<QStringList> sorted;
    sorted.reserve(order.size());
    for (int i : order)
        sorted.append(m_rows[i]);
    m_rows = std::move(sorted);
    Q_EMIT layoutChanged();
}

int BareRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_rows.isEmpty() ? 0 : int(m_rows.first().size());
}

QVariant BareRowsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    const QStringList& row = m_rows[index.row()];
    return index.column() < row.size() ? QVariant(row[index.column()]) : QVariant();
}
