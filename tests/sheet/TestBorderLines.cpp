#include "sheet/BorderLines.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <algorithm>

namespace {

// Sorted, so that the order the hash gives back does not matter.
QList<QLineF> sorted(QList<QLineF> lines)
{
    std::sort(lines.begin(), lines.end(), [](const QLineF& a, const QLineF& b) {
        return std::tuple(a.x1(), a.y1(), a.x2(), a.y2()) < std::tuple(b.x1(), b.y1(), b.x2(), b.y2());
    });
    return lines;
}

} // namespace

class TestBorderLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A ruled 2 × 3 grid: each edge line is drawn once, across the whole grid.
    void aRuledGridTakesOneLinePerEdge()
    {
        BorderLines lines;
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 3; ++c) {
                const QRectF cell(c * 10, r * 5, 10, 5);
                lines.addLeft(cell);
                lines.addTop(cell);
                lines.addRight(cell);
                lines.addBottom(cell);
            }
        }
        const QList<QLineF> expected = sorted({QLineF(0, 0, 30, 0), QLineF(0, 5, 30, 5), QLineF(0, 10, 30, 10),
            QLineF(0, 0, 0, 10), QLineF(10, 0, 10, 10), QLineF(20, 0, 20, 10), QLineF(30, 0, 30, 10)});
        QCOMPARE(sorted(lines.takeLines()), expected);
        QVERIFY(lines.takeLines().isEmpty());
    }

    // A cell without a line between two that have one leaves a gap; lines on other edges stay apart.
    void gapsAndOtherEdgesAreKept()
    {
        BorderLines lines;
        lines.addBottom(QRectF(0, 0, 10, 5));
        lines.addBottom(QRectF(20, 0, 10, 5));
        lines.addTop(QRectF(0, 6, 10, 5));
        const QList<QLineF> expected = sorted({QLineF(0, 5, 10, 5), QLineF(20, 5, 30, 5), QLineF(0, 6, 10, 6)});
        QCOMPARE(sorted(lines.takeLines()), expected);
    }
};

XIAOWU_TEST(TestBorderLines)
#include "TestBorderLines.moc"
