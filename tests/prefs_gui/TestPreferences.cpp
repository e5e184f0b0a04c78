#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "prefs/ManualWindow.h"
#include "prefs/Preferences.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTextBrowser>

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
        QCOMPARE(f.prompt.texts(),
            (QStringList {u"未找到记事本程序。请安装 gedit 或 mousepad 等文本编辑器。"_s,
                u"未找到计算器程序。请安装 gnome-calculator 或 galculator 等计算器。"_s}));
        f.prompt.clear();

        f.launcher.installed = {u"mousepad"_s, u"mate-calc"_s};
        prefs.openNotepad();
        prefs.openCalculator();
        const QString manual = f.touch(u"\\使用手册.html"_s);
        prefs.openManual();
        QCOMPARE(f.launcher.started, (QList<QStringList> {{u"/usr/bin/mousepad"_s}, {u"/usr/bin/mate-calc"_s}}));
        QCOMPARE(f.launcher.opened, QStringList {manual});
        QVERIFY(f.prompt.boxes().isEmpty());
        QVERIFY(!findManualWindow());
    }

    void withoutABrowserTheManualShowsInItsOwnWindow()
    {
        FakeServices f;
        f.launcher.browser = false;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QDir(f.paths.path(QString())).mkpath(u"使用手册图片"_s);
        QVERIFY(picture.save(f.paths.path(u"\\使用手册图片\\界面.png"_s)));
        f.touch(u"\\使用手册.html"_s,
            u"<html><body><h1>登录系统</h1><img src=\"使用手册图片/界面.png\"></body></html>"_s.toUtf8());

        AppSettings settings(f.paths.settingsFile());
        QWidget owner;
        Preferences prefs(f.services, f.paths, settings, &owner);
        prefs.openManual();
        prefs.openManual();
        QVERIFY(f.launcher.opened.isEmpty());
        QVERIFY(f.prompt.boxes().isEmpty());
        ManualWindow* window = findManualWindow();
        QVERIFY(window);
        QCOMPARE(owner.findChildren<ManualWindow*>().size(), 1);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), u"使用手册"_s);
        QVERIFY(window->手册浏览框->toPlainText().contains(u"登录系统"_s));
        const QVariant image
            = window->手册浏览框->document()->resource(QTextDocument::ImageResource, QUrl(u"使用手册图片/界面.png"_s));
        // The document keeps the picture it drew.
        QCOMPARE(image.value<QPixmap>().size(), picture.size());
    }

private:
    static ManualWindow* findManualWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<ManualWindow*>(widget); window && window->isVisible())
                return window;
        }
        return nullptr;
    }
};

XIAOWU_TEST(TestPreferences)
#include "TestPreferences.moc"
