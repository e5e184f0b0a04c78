#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QChart;

// The two charts of the exam analysis, built from plain figures so the window, the printed report
// and the clipboard draw the same chart.
namespace AnalysisCharts {

// Bars of the class averages (a class without marks stands at 0), the grade average as a line
// across them; the value on every bar.
QChart* averages(const QString& title, const QStringList& classes, const QList<std::optional<int>>& averages,
    std::optional<int> gradeAverage);
// The number of marks in each band as a histogram.
QChart* bands(const QString& title, const QStringList& bands, const QList<int>& counts);

// The chart laid out at `size` and painted on a white picture `scale` times as many pixels each way.
// Takes the chart.
QImage render(QChart* chart, QSize size, qreal scale = 1);

} // namespace AnalysisCharts
