#include "workspace/PageMetrics.h"

#include <QtMath>

#include <algorithm>

namespace PageMetrics {

QSize snapToMinimum(QSize size)
{
    if (size.width() <= minimumWindowSize.width() - 1)
        return {minimumWindowSize.width(), size.height()};
    if (size.height() < minimumWindowSize.height())
        return {size.width(), minimumWindowSize.height()};
    return size;
}

int gradeGridZoom(int screenWidth)
{
    switch (screenWidth) {
    case 800:
        return 125;
    case 1024:
        return 99;
    case 1152:
        return 88;
    case 1280:
        return 80;
    default:
        return 63;
    }
}

int wageGridZoom(int screenWidth)
{
    switch (screenWidth) {
    case 800:
        return 125;
    case 1024:
        return 100;
    case 1152:
        return 87;
    case 1280:
        return 80;
    default:
        return 64;
    }
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
