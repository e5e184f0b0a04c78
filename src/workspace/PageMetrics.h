#pragma once

#include <QList>
#include <QSize>

// Proportions of the main window's pages. Grids zoom by the screen width; list columns and record
// cards scale with the window width, so a wider window shows the same columns wider.
namespace PageMetrics {

inline constexpr QSize minimumWindowSize {800, 600};

// One step of the minimum-size rule: the width is corrected first, the height on the next resize.
QSize snapToMinimum(QSize size);

// Zoom percent of the score and wage grids.
int gradeGridZoom(int screenWidth);
int wageGridZoom(int screenWidth);
// Width of each of the score grid's columns 1..12 and the wage grid's columns 1..10.
int gradeGridColumnWidth(int windowWidth);
int wageGridColumnWidth(int windowWidth);
inline constexpr int gradeGridScaledColumns = 12;
inline constexpr int wageGridScaledColumns = 10;

enum class ListKind {
    EnrolledRoster, // 在校生列表框
    LeaverRoster, // 毕业离校列表框
    TeacherRoster, // 教员列表框
    AverageScores, // 平均成绩统计列表框
};

// Divisors of the visible columns 1, 2, 3 …; column 0 stays zero-width.
QList<double> listDivisors(ListKind kind);
// Widths of columns 1, 2, 3 … for a window of the given width.
QList<int> listColumnWidths(ListKind kind, int windowWidth);

// Record cards of the student and teacher views.
int cardCaptionWidth(int windowWidth);
int cardValueWidth(int windowWidth);
int cardPhotoWidth(int windowWidth);
// Height of the long-text box below a card on a page base of the given height.
int cardTextHeight(int baseHeight);

} // namespace PageMetrics
