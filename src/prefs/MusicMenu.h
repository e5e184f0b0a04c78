#pragma once

#include "platform/AppPaths.h"
#include "prefs/MusicChoice.h"

#include <QObject>

struct PlatformServices;

// The commands of the 背景音乐 submenu. They alone decide the check marks of 背景音乐一, 背景音乐二
// and 其它音乐; the menu shows them (Preferences puts them on the main window's actions).
class MusicMenu : public QObject
{
    Q_OBJECT

public:
    struct Ticks
    {
        bool music1 = false;
        bool music2 = false;
        bool otherMusic = false;
        bool operator==(const Ticks&) const = default;
    };

    MusicMenu(PlatformServices& services, const AppPaths& paths, QObject* parent = nullptr);

    Ticks ticks() const { return m_ticks; }

    // 背景音乐一 / 背景音乐二: the first of .mid, .wav, .mp3 that exists.
    void playMusic1() { playBackground(1); }
    void playMusic2() { playBackground(2); }
    void playBackground(int music);
    // 其它音乐: a file the user chooses.
    void otherMusic();
    // 关闭音乐
    void stopMusic();

    // What was last handed to the player, and which player took it; empty after 关闭音乐.
    QString currentFile() const { return m_current; }
    MusicChoice::Player currentPlayer() const { return m_player; }

Q_SIGNALS:
    void ticksChanged();

private:
    void setTicks(bool music1, bool music2, bool other);
    void start(const QString& path);

    PlatformServices& m_services;
    AppPaths m_paths;
    Ticks m_ticks;
    QString m_current;
    MusicChoice::Player m_player = MusicChoice::Player::MidiWave;
};
