#pragma once

#include <QHash>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <utility>

class QRectF;

// The border lines of many cells, drawn as few long lines: neighbouring cells share an edge, and a
// row of cells shares one horizontal line, so each edge is drawn once and runs are joined. A page
// of a roster then takes a few dozen lines instead of four per cell — the printed job and the PDF
// grow with every line drawn.
class BorderLines
{
public:
    void addLeft(const QRectF& cell);
    void addTop(const QRectF& cell);
    void addRight(const QRectF& cell);
    void addBottom(const QRectF& cell);

    // The joined lines, forgotten here.
    QList<QLineF> takeLines();
    // With the painter's pen.
    void draw(QPainter& painter) { painter.drawLines(takeLines()); }

private:
    using Runs = QHash<double, QList<std::pair<double, double>>>;
    static void joinRuns(Runs& runs);

    Runs m_horizontal; // y → (x0, x1)
    Runs m_vertical; // x → (y0, y1)
};
