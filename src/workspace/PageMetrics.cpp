#include "workspace/PageMetrics.h"

#include <QtMath>

#include <algorithm>
#include <iterator>

namespace PageMetrics {

QSize snapToMinimum(QSize size)
{
    if (size.width() <= minimumWindowSize.width() - 1)
        return {minimumWindowSize.width(), size.height()};
    if (size.height() < minimumWindowSize.height())
        return {size.width(), minimumWindowSize.height()};
    return size;
}

namespace {

// The zoom of the two grids for the screen widths the old program knew; any other screen takes the
// last row's.
struct GridZoom
{
    int screenWidth;
    int grade;
    int wage;
};

constexpr GridZoom GridZooms[] = {{800, 125, 125}, {1024, 99, 100}, {1152, 88, 87}, {1280, 80, 80}, {0, 63, 64}};

const GridZoom& gridZoom(int screenWidth)
{
    const GridZoom* row = std::begin(GridZooms);
    while (row->screenWidth != 0 && row->screenWidth != screenWidth)
        ++row;
    return *row;
}

} // namespace

int gradeGridZoom(int screenWidth)
{
    return gridZoom(screenWidth).grade;
}

int wageGridZoom(int screenWidth)
{
    return gridZoom(screenWidth).wage;
}

int gradeGridColumnWidth(int windowWidth)
{
    return qRound(windowWidth / 4.0);
}

int wageGridColumnWidth(int windowWidth)
{
    return qRound(windowWidth / 3.33);
}

QList<double> listDivisors(ListKind kind)
{
    switch (kind) {
    case ListKind::EnrolledRoster:
    case ListKind::LeaverRoster:
        return {11.1, 12, 15, 12.9, 8.8, 9.41, 7.27, 7.27, 7.27};
    case ListKind::TeacherRoster:
        return {12, 15, 12.9, 11.1, 9, 9, 7.27, 7.27, 7.27};
    case ListKind::AverageScores: {
        QList<double> d {9};
        d.append(QList<double>(11, 13));
        return d;
    }
    }
    return {};
}

QList<int> listColumnWidths(ListKind kind, int windowWidth)
{
    QList<int> widths;
    for (double divisor : listDivisors(kind))
        widths.append(qRound(windowWidth / divisor));
    return widths;
}

int cardCaptionWidth(int windowWidth)
{
    return qRound(windowWidth / 10.0);
}

int cardValueWidth(int windowWidth)
{
    return qRound(windowWidth / 3.333);
}

int cardPhotoWidth(int windowWidth)
{
    return qRound(windowWidth / 5.71);
}

int cardTextHeight(int baseHeight)
{
    return std::max(0, baseHeight - 235);
}

} // namespace PageMetrics
