#include "analysis/AnalysisCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor BarColour(70, 130, 180);
const QColor LineColour(200, 60, 40);

QChart* frame(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// A value axis from 0 to a round number above the highest bar.
QValueAxis* valueAxis(int highest)
{
    auto* axis = new QValueAxis;
    const int step = highest <= 10 ? 2 : highest <= 50 ? 10 : highest <= 200 ? 20 : 100;
    // Room above the highest bar for its value and the grade's line.
    const int top = qMax(step, (highest + highest / 10) / step * step + step);
    axis->setRange(0, top);
    axis->setTickCount(top / step + 1);
    axis->setLabelFormat(u"%d"_s);
    return axis;
}

QBarSeries* barsOf(const QString& name, const QList<int>& values)
{
    auto* set = new QBarSet(name);
    set->setColor(BarColour);
    set->setBorderColor(BarColour.darker(130));
    set->setLabelColor(Qt::white);
    for (const int v : values)
        *set << v;
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    // Inside the top of the bar: outside, Qt Charts drops a label that would cross the plot's edge.
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    series->setLabelsFormat(u"@value"_s);
    return series;
}

} // namespace

namespace AnalysisCharts {

QChart* averages(const QString& title, const QStringList& classes, const QList<std::optional<int>>& averages,
    std::optional<int> gradeAverage)
{
    QChart* chart = frame(title);
    QList<int> values;
    int highest = gradeAverage.value_or(0);
    for (const std::optional<int>& a : averages) {
        values << a.value_or(0);
        highest = qMax(highest, a.value_or(0));
    }
    QBarSeries* bars = barsOf(u"班级平均分"_s, values);
    chart->addSeries(bars);
    auto* x = new QBarCategoryAxis;
    x->append(classes);
    auto* y = valueAxis(highest);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
    if (gradeAverage) {
        // Across the whole width: the category axis places class i at i, its band from i-0.5 to i+0.5.
        auto* line = new QLineSeries;
        line->setName(u"年级平均分 %1"_s.arg(*gradeAverage));
        QPen pen(LineColour);
        pen.setWidthF(2.5);
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        line->append(-0.5, *gradeAverage);
        line->append(qMax<qsizetype>(classes.size(), 1) - 0.5, *gradeAverage);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
    }
    return chart;
}

QChart* bands(const QString& title, const QStringList& bands, const QList<int>& counts)
{
    QChart* chart = frame(title);
    QBarSeries* bars = barsOf(u"人数"_s, counts);
    bars->setBarWidth(0.95);
    chart->addSeries(bars);
    auto* x = new QBarCategoryAxis;
    x->append(bands);
    auto* y = valueAxis(counts.isEmpty() ? 0 : *std::max_element(counts.cbegin(), counts.cend()));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
    chart->legend()->hide();
    return chart;
}

QImage render(QChart* chart, QSize size, qreal scale)
{
    QGraphicsScene scene; // owns the chart from here
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), QSizeF(size)));
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    scene.render(&painter, QRectF(image.rect()), QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace AnalysisCharts
