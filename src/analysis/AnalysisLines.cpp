#include "analysis/AnalysisLines.h"

#include "settings/AppSettings.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Analysis"_s;

int number(const QString& text, int fallback, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

AnalysisLines AnalysisLines::read(const AppSettings& settings)
{
    AnalysisLines lines;
    lines.pass = number(settings.value(Section, u"PassLine"_s), DefaultPass, 1, 100);
    lines.excellent = number(settings.value(Section, u"ExcellentLine"_s), DefaultExcellent, 1, 100);
    if (lines.excellent < lines.pass) {
        lines.pass = DefaultPass;
        lines.excellent = DefaultExcellent;
    }
    lines.fullMarks = parseFullMarks(settings.value(Section, u"FullMarks"_s));
    return lines;
}

bool AnalysisLines::write(AppSettings& settings) const
{
    return settings.setValue(Section, u"PassLine"_s, QString::number(pass))
        && settings.setValue(Section, u"ExcellentLine"_s, QString::number(excellent))
        && settings.setValue(Section, u"FullMarks"_s, fullMarksText(fullMarks));
}

QHash<QString, int> AnalysisLines::parseFullMarks(const QString& text)
{
    QHash<QString, int> marks;
    for (const QString& pair : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = pair.lastIndexOf(u':');
        if (colon <= 0)
            continue;
        const QString name = pair.left(colon).trimmed();
        const int mark = number(pair.mid(colon + 1).trimmed(), 0, 1, MaxFullMark);
        if (!name.isEmpty() && mark > 0)
            marks.insert(name, mark);
    }
    return marks;
}

QString AnalysisLines::fullMarksText(const QHash<QString, int>& marks)
{
    QStringList names = marks.keys();
    std::sort(names.begin(), names.end());
    QStringList pairs;
    for (const QString& name : std::as_const(names)) {
        const int mark = marks.value(name);
        if (mark == DefaultFullMark || mark < 1 || mark > MaxFullMark || name.trimmed().isEmpty() || name.contains(u':')
            || name.contains(u';'))
            continue;
        pairs << name.trimmed() + u':' + QString::number(mark);
    }
    return pairs.join(u';');
}
