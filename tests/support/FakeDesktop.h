#pragma once

#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/Launcher.h"
#include "platform/MusicPlayer.h"
#include "platform/Screen.h"

#include <QList>
#include <QStringList>

// Test doubles for the desktop seams that hold no logic worth testing.

class FakeFileChooser : public FileChooser
{
public:
    std::optional<QString> openFile(const QString& caption, const QString& filter, const QString&) override
    {
        lastCaption = caption;
        lastFilter = filter;
        return next;
    }
    std::optional<QString> saveFile(const QString& caption, const QString& filter, const QString&) override
    {
        lastCaption = caption;
        lastFilter = filter;
        return next;
    }

    std::optional<QString> next; // nothing: the user cancels
    QString lastCaption;
    QString lastFilter;
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at = QDateTime(QDate(2026, 9, 1), QTime(8, 0)))
        : at(at)
    { }
    QDate today() const override { return at.date(); }
    QDateTime now() const override { return at; }

    QDateTime at;
};

class FixedScreen : public Screen
{
public:
    explicit FixedScreen(QSize size = QSize(1024, 768))
        : fixed(size)
    { }
    QSize size() const override { return fixed; }

    QSize fixed;
};

class FakeMusicPlayer : public MusicPlayer
{
public:
    bool play(const QString& path) override
    {
        played.append(path);
        playing = playable;
        return playable;
    }
    void stop() override
    {
        ++stops;
        playing = false;
    }
    bool isPlaying() const override { return playing; }

    QStringList played;
    int stops = 0;
    bool playing = false;
    bool playable = true;
};

class FakeLauncher : public Launcher
{
public:
    QString findProgram(const QStringList& candidates) const override
    {
        for (const QString& c : candidates) {
            if (installed.contains(c))
                return QStringLiteral(u"/usr/bin/") + c;
        }
        return {};
    }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started.append(QStringList {program} + arguments);
        return true;
    }
    bool openDocument(const QString& path) override
    {
        opened.append(path);
        return true;
    }
    bool hasWebBrowser() const override { return browser; }

    QStringList installed;
    bool browser = true;
    QList<QStringList> started;
    QStringList opened;
};
