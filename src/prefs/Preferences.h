#pragma once

#include "prefs/DesktopTools.h"
#include "prefs/MusicMenu.h"

#include <QObject>
#include <QPointer>

class AppSettings;
class QAction;
class QWidget;

// The main window's commands of 常用工具 and 帮助 that need no rights: interface style, background
// music, 记事本, 计算器 and 使用手册. The main window gives it the music actions and calls one
// function per command. A missing editor or calculator is named to the user with the packages
// that provide one.
class Preferences : public QObject
{
    Q_OBJECT

public:
    // owner: the main window, which owns the style window and this object.
    Preferences(PlatformServices& services, const AppPaths& paths, AppSettings& settings, QWidget* owner);

    // The actions of 背景音乐一, 背景音乐二 and 其它音乐, which show the music's check marks; any
    // may be null. Choosing one does not toggle its mark: the music command sets it.
    void setMusicActions(QAction* music1, QAction* music2, QAction* otherMusic);

    // At start: the style stored in [Interface] Style.
    void applyStoredStyle();

    void chooseStyle(); // 设置界面风格
    void openNotepad(); // 记事本
    void openCalculator(); // 计算器
    void playMusic1() { m_music.playMusic1(); } // 背景音乐一
    void playMusic2() { m_music.playMusic2(); } // 背景音乐二
    void otherMusic() { m_music.otherMusic(); } // 其它音乐
    void stopMusic() { m_music.stopMusic(); } // 关闭音乐
    // 使用手册: in the desktop's browser, or in a window of our own when there is none.
    void openManual();

    MusicMenu& music() { return m_music; }

private:
    void showTicks();

    PlatformServices& m_services;
    AppSettings& m_settings;
    QPointer<QWidget> m_owner;
    MusicMenu m_music;
    QPointer<QAction> m_music1;
    QPointer<QAction> m_music2;
    QPointer<QAction> m_otherMusic;
    DesktopTools m_tools;
    QPointer<QWidget> m_manual;
};
