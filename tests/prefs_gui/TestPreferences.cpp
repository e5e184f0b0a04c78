#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "prefs/Preferences.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void musicMarksFollowTheCommandsNotTheClicks()
    {
        FakeServices f;
        AppSettings settings(f.paths.settingsFile());
        QWidget owner;
        Preferences prefs(f.services, f.paths, settings, &owner);
        QAction one(u"背景音乐一"_s);
        QAction two(u"背景音乐二"_s);
        QAction other(u"其它音乐"_s);
        prefs.setMusicActions(&one, &two, &other);
        const auto marks = [&] { return QList<bool> {one.isChecked(), two.isChecked(), other.isChecked()}; };
        QCOMPARE(marks(), (QList<bool> {false, false, false}));

        const QString mp3 = f.touch(u"\\Sound\\Music1.mp3"_s);
        connect(&one, &QAction::triggered, &prefs, &Preferences::playMusic1);
        connect(&other, &QAction::triggered, &prefs, &Preferences::otherMusic);
        one.trigger();
        QCOMPARE(f.music.played, QStringList {mp3});
        QCOMPARE(marks(), (QList<bool> {true, false, false}));

        // A cancelled 其它音乐 takes back the mark the click put there.
        other.trigger();
        QCOMPARE(marks(), (QList<bool> {true, false, false}));

        prefs.playMusic2();
        QCOMPARE(marks(), (QList<bool> {false, true, false}));
        QCOMPARE(f.prompt.lastText(), u"找不到背景音乐文件“Music2”或该文件已损坏！"_s);

        prefs.stopMusic();
        QCOMPARE(marks(), (QList<bool> {false, false, false}));
        QVERIFY(!f.music.isPlaying());
    }

    void utilitiesGoThroughTheLauncher()
    {
        FakeServices f;
        AppSettings settings(f.paths.settingsFile());
        Preferences prefs(f.services, f.paths, settings, nullptr);
        prefs.openNotepad();
        prefs.openCalculator();
        QVERIFY(f.launcher.started.isEmpty());
        f.launcher.installed = {u"mousepad"_s, u"mate-calc"_s};
        prefs.openNotepad();
        prefs.openCalculator();
        const QString manual = f.touch(u"\\使用手册.html"_s);
        prefs.openManual();
        QCOMPARE(f.launcher.started, (QList<QStringList> {{u"/usr/bin/mousepad"_s}, {u"/usr/bin/mate-calc"_s}}));
        QCOMPARE(f.launcher.opened, QStringList {manual});
        QVERIFY(f.prompt.boxes().isEmpty());
    }
};

XIAOWU_TEST(TestPreferences)
#include "TestPreferences.moc"
