#pragma once

#include <QString>
#include <QStringList>

// Which file background music 一 / 二 plays, which player takes a chosen file, and the texts of
// the music commands.
class MusicChoice
{
public:
    enum class Player { MidiWave, Mp3 };

    // The files tried for background music 1 or 2, in order, relative to the program directory.
    static QStringList candidates(int music);
    // "找不到背景音乐文件“Music1”或该文件已损坏！"
    static QString missingMessage(int music);
    // Only a path ending in lower-case "mp3" goes to the MP3 player, as it always has.
    static Player playerFor(const QString& path);
    // The filter of the open-file dialog for 其它音乐, in Qt's form.
    static QString nameFilter();
    // "描述|*.a;*.b|描述2|*.c" -> "描述 (*.a *.b);;描述2 (*.c)"; a pattern list repeated in the
    // description is dropped, as Qt shows the patterns itself.
    static QString toQtNameFilter(const QString& windowsFilter);
};
