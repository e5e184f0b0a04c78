#include "prefs/MusicChoice.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QStringList MusicChoice::candidates(int music)
{
    const QString stem = u"\\Sound\\Music"_s + QString::number(music);
    return {stem + u".mid"_s, stem + u".wav"_s, stem + u".mp3"_s};
}

QString MusicChoice::missingMessage(int music)
{
    return u"找不到背景音乐文件“Music"_s + QString::number(music) + u"”或该文件已损坏！"_s;
}

MusicChoice::Player MusicChoice::playerFor(const QString& path)
{
    return path.endsWith(u"mp3"_s, Qt::CaseSensitive) ? Player::Mp3 : Player::MidiWave;
}

QString MusicChoice::nameFilter()
{
    return toQtNameFilter(u"背景音乐(*.mp3;*.mid;*.wav)|*.wav;*.mid;*.mp3"_s);
}

QString MusicChoice::toQtNameFilter(const QString& windowsFilter)
{
    static const QRegularExpression patternsInDescription(u"\\s*\\([^()]*\\)\\s*$"_s);
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(patternsInDescription);
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        filters.append(description.trimmed() + u" ("_s + patterns.join(u' ') + u')');
    }
    return filters.join(u";;"_s);
}
