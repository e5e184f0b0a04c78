#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "prefs/MusicChoice.h"
#include "prefs/MusicMenu.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using Ticks = MusicMenu::Ticks;

class TestMusicMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FakeServices> f;
    std::unique_ptr<MusicMenu> menu;

    Ticks ticks() const { return menu->ticks(); }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<FakeServices>();
        menu = std::make_unique<MusicMenu>(f->services, f->paths);
    }

    void onlyMusic1Mp3ThenMissingMusic2()
    {
        const QString mp3 = f->touch(u"\\Sound\\Music1.mp3"_s);
        menu->playMusic1();
        QCOMPARE(f->music.played, QStringList {mp3});
        QVERIFY(f->music.isPlaying());
        QCOMPARE(menu->currentPlayer(), MusicChoice::Player::Mp3);
        QCOMPARE(ticks(), (Ticks {true, false, false}));
        QVERIFY(f->prompt.boxes().isEmpty());

        menu->playMusic2();
        QCOMPARE(f->prompt.texts(), QStringList {u"找不到背景音乐文件“Music2”或该文件已损坏！"_s});
        QCOMPARE(f->prompt.boxes().first().title, u"信息："_s);
        QCOMPARE(f->prompt.boxes().first().icon, Prompt::Icon::None);
        // The mark moved before the search and stays; the music already playing goes on.
        QCOMPARE(ticks(), (Ticks {false, true, false}));
        QCOMPARE(f->music.played.size(), 1);
        QVERIFY(f->music.isPlaying());
    }

    void midiBeforeWaveBeforeMp3()
    {
        f->touch(u"\\Sound\\Music2.mp3"_s);
        const QString wav = f->touch(u"\\Sound\\Music2.wav"_s);
        menu->playMusic2();
        QCOMPARE(f->music.played.last(), wav);
        QCOMPARE(menu->currentPlayer(), MusicChoice::Player::MidiWave);

        const QString mid = f->touch(u"\\Sound\\Music2.mid"_s);
        menu->playMusic2();
        QCOMPARE(f->music.played.last(), mid);
        // The one before is stopped first: never two at once.
        QCOMPARE(f->music.stops, 2);
        QVERIFY(f->prompt.boxes().isEmpty());
    }

    void unplayableFileIsNotReported()
    {
        f->touch(u"\\Sound\\Music1.mid"_s, "not a midi file");
        f->music.playable = false;
        menu->playMusic1();
        QCOMPARE(f->music.played.size(), 1);
        QVERIFY(f->prompt.boxes().isEmpty());
        QCOMPARE(ticks(), (Ticks {true, false, false}));
    }

    void otherMusicChoosesThePlayerByLowerCaseMp3()
    {
        menu->playMusic1(); // nothing there: only the mark and the message
        f->prompt.clear();

        // Cancelled: nothing changes, but the menu is told to show the marks again.
        QSignalSpy shown(menu.get(), &MusicMenu::ticksChanged);
        menu->otherMusic();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(f->fileChooser.lastFilter, u"背景音乐 (*.wav *.mid *.mp3)"_s);
        QCOMPARE(ticks(), (Ticks {true, false, false}));
        QCOMPARE(f->music.stops, 0);

        f->fileChooser.next = u"/home/user/音乐/SONG.MP3"_s;
        menu->otherMusic();
        QCOMPARE(f->music.played, QStringList {u"/home/user/音乐/SONG.MP3"_s});
        QCOMPARE(menu->currentPlayer(), MusicChoice::Player::MidiWave);
        QCOMPARE(ticks(), (Ticks {false, false, true}));
        QCOMPARE(f->music.stops, 1);

        f->fileChooser.next = u"/home/user/音乐/song.mp3"_s;
        menu->otherMusic();
        QCOMPARE(menu->currentPlayer(), MusicChoice::Player::Mp3);
        QVERIFY(f->prompt.boxes().isEmpty());
    }

    void stopUnticksEverything()
    {
        f->touch(u"\\Sound\\Music1.wav"_s);
        menu->playMusic1();
        menu->stopMusic();
        QVERIFY(!f->music.isPlaying());
        QCOMPARE(ticks(), (Ticks {false, false, false}));
        QVERIFY(menu->currentFile().isEmpty());
    }

    void windowsFiltersBecomeQtFilters()
    {
        QCOMPARE(MusicChoice::toQtNameFilter(u"图片(*.jpg;*.bmp)|*.jpg;*.bmp|所有文件|*.*"_s),
            u"图片 (*.jpg *.bmp);;所有文件 (*.*)"_s);
        QCOMPARE(MusicChoice::toQtNameFilter(u"no patterns"_s), QString());
    }
};

XIAOWU_TEST(TestMusicMenu)
#include "TestMusicMenu.moc"
