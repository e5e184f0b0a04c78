#include "sheet/BorderLines.h"

#include <QRectF>

#include <algorithm>

void BorderLines::addLeft(const QRectF& cell)
{
    m_vertical[cell.left()].append({cell.top(), cell.bottom()});
}

void BorderLines::addTop(const QRectF& cell)
{
    m_horizontal[cell.top()].append({cell.left(), cell.right()});
}

void BorderLines::addRight(const QRectF& cell)
{
    m_vertical[cell.right()].append({cell.top(), cell.bottom()});
}

void BorderLines::addBottom(const QRectF& cell)
{
    m_horizontal[cell.bottom()].append({cell.left(), cell.right()});
}

// Overlapping and touching pieces on one line become one piece.
void BorderLines::joinRuns(Runs& runs)
{
    for (auto& pieces : runs) {
        std::sort(pieces.begin(), pieces.end());
        QList<std::pair<double, double>> joined;
        for (const auto& piece : pieces) {
            if (!joined.isEmpty() && piece.first <= joined.last().second)
                joined.last().second = std::max(joined.last().second, piece.second);
            else
                joined.append(piece);
        }
        pieces = joined;
    }
}

QList<QLineF> BorderLines::takeLines()
{
    joinRuns(m_horizontal);
    joinRuns(m_vertical);
    QList<QLineF> lines;
    for (auto it = m_horizontal.cbegin(); it != m_horizontal.cend(); ++it) {
        for (const auto& [x0, x1] : it.value())
            lines.append(QLineF(x0, it.key(), x1, it.key()));
    }
    for (auto it = m_vertical.cbegin(); it != m_vertical.cend(); ++it) {
        for (const auto& [y0, y1] : it.value())
            lines.append(QLineF(it.key(), y0, it.key(), y1));
    }
    m_horizontal.clear();
    m_vertical.clear();
    return lines;
}
