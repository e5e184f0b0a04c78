#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "platform/DesktopLauncher.h"
#include "platform/DesktopScreen.h"
#include "platform/DialogFileChooser.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/SdlMusicPlayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A short silent PCM WAVE file.
QByteArray silentWave()
{
    const quint32 samples = 8000;
    QByteArray data;
    auto u32 = [&data](quint32 v) {
        for (int i = 0; i < 4; ++i)
            data.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&data](quint16 v) {
        data.append(char(v & 0xff));
        data.append(char(v >> 8));
    };
    data.append("RIFF");
    u32(36 + samples * 2);
    data.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    data.append("data");
    u32(samples * 2);
    data.append(QByteArray(samples * 2, '\0'));
    return data;
}

// Runs act on the message box once it is up.
void whenBoxShows(std::function<void(QMessageBox*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            whenBoxShows(act);
            return;
        }
        act(box);
    });
}

} // namespace

class TestDesktopSeams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("SDL_AUDIODRIVER", "dummy"); }

    void messageBoxShowsTitleIconTextAndAnswers()
    {
        MessageBoxPrompt box;
        Prompt& prompt = box;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        whenBoxShows([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttonCount = int(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(prompt.show(u"  第一行\r\n第二行  "_s), Prompt::Answer::Ok);
        QCOMPARE(title, u"信息："_s);
        QCOMPARE(text, u"  第一行\n第二行  "_s);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttonCount, 1);

        whenBoxShows([&](QMessageBox* box) {
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(prompt.show(u"确定要退出吗？"_s, u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::YesNo),
            Prompt::Answer::Yes);
        QCOMPARE(title, u"询问"_s);
        QCOMPARE(icon, QMessageBox::Question);

        // Closing a Yes/No box answers No; closing an OK/Cancel box answers Cancel.
        whenBoxShows([](QMessageBox* box) { box->close(); });
        QCOMPARE(prompt.show(u"?"_s, {}, Prompt::Icon::Error, Prompt::Buttons::YesNo), Prompt::Answer::No);
        whenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(prompt.show(u"?"_s, {}, Prompt::Icon::Warning, Prompt::Buttons::OkCancel), Prompt::Answer::Cancel);
    }

    void buttonsReadChineseWithQtsTranslation()
    {
        QTranslator translator;
        QVERIFY(translator.load(u"qt_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&translator);
        MessageBoxPrompt box;
        Prompt& prompt = box;
        QStringList captions;
        whenBoxShows([&](QMessageBox* shown) {
            for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                captions.append(shown->button(button)->text());
            shown->button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(prompt.show(u"?"_s, {}, Prompt::Icon::None, Prompt::Buttons::YesNoCancel), Prompt::Answer::Cancel);
        whenBoxShows([&](QMessageBox* shown) {
            captions.append(shown->button(QMessageBox::Ok)->text());
            shown->button(QMessageBox::Ok)->click();
        });
        prompt.show(u"!"_s);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(captions.size(), 4);
        QVERIFY2(captions[0].startsWith(u"是"_s), qPrintable(captions.join(u' ')));
        QVERIFY(captions[1].startsWith(u"否"_s));
        QVERIFY(captions[2].startsWith(u"取消"_s));
        QVERIFY(captions[3].startsWith(u"确定"_s));
    }

    void richTextLooksAreShownAsTyped()
    {
        MessageBoxPrompt box;
        Prompt& prompt = box;
        Qt::TextFormat format = Qt::AutoText;
        whenBoxShows([&](QMessageBox* box) {
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
        prompt.show(u"<b>王五</b>"_s);
        QCOMPARE(format, Qt::PlainText);
    }

    // A name typed without a suffix in the save dialog gets the suffix of the kind chosen there.
    void saveDialogAddsTheChosenKindsSuffix_data()
    {
        addColumns<int, QString, QString>({"kind", "typed", "expected"});
        QTest::newRow("first kind") << 0 << u"名单"_s << u"名单.xlsx"_s;
        QTest::newRow("second kind") << 1 << u"名单"_s << u"名单.csv"_s;
        QTest::newRow("suffix typed") << 1 << u"名单.csv"_s << u"名单.csv"_s;
    }
    void saveDialogAddsTheChosenKindsSuffix()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* kinds = dialog->findChild<QComboBox*>(u"fileTypeCombo"_s);
            QVERIFY(kinds);
            kinds->setCurrentIndex(kind);
            // What the combo box sends when the user picks a kind.
            emit kinds->activated(kind);
            emit kinds->textActivated(kinds->itemText(kind));
            dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(typed);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept is protected
        });
        DialogFileChooser chooser;
        const std::optional<QString> chosen
            = chooser.saveFile(u"导出"_s, u"Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)"_s, dir.path());
        QVERIFY(chosen);
        QCOMPARE(QFileInfo(*chosen).fileName(), expected);
    }

    void screenHasASize()
    {
        DesktopScreen screen;
        QVERIFY(screen.width() > 0);
        QVERIFY(screen.height() > 0);
    }

    void launcherFindsTheFirstInstalledProgram()
    {
        DesktopLauncher desktop;
        Launcher& launcher = desktop;
        const QString found = launcher.findProgram({u"xiaowu-no-such-editor"_s, u"sh"_s, u"true"_s});
        QVERIFY(found.endsWith(u"/sh"_s));
        QVERIFY(launcher.findProgram({u"xiaowu-no-such-editor"_s}).isEmpty());
        QVERIFY(!launcher.startDetached(QString()));
        QVERIFY(!launcher.startDetached(u"xiaowu-no-such-editor"_s));
        QVERIFY(launcher.startDetached(launcher.findProgram({u"true"_s})));
        QVERIFY(!launcher.openDocument(u"/nonexistent/使用手册.chm"_s));
    }

    void aBrowserNeedsXdgOpenAndAProgramForPages()
    {
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const auto install = [&](const QString& name, const QByteArray& script) {
            QFile file(bin.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + script + "\n");
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        };
        DesktopLauncher launcher;
        install(u"firefox"_s, {});
        const bool withoutXdgOpen = launcher.hasWebBrowser();
        install(u"xdg-open"_s, {});
        const bool withFirefox = launcher.hasWebBrowser();
        QFile::remove(bin.filePath(u"firefox"_s));
        install(u"xdg-mime"_s, "exit 0");
        const bool withNothingForPages = launcher.hasWebBrowser();
        install(u"xdg-mime"_s, "echo falkon.desktop");
        const bool withAProgramForPages = launcher.hasWebBrowser();
        qputenv("PATH", path);

        QVERIFY(!withoutXdgOpen);
        QVERIFY(withFirefox);
        QVERIFY(!withNothingForPages);
        QVERIFY(withAProgramForPages);
    }

    void musicLoopsUntilStoppedAndRefusesWhatItCannotPlay()
    {
        QTemporaryDir dir;
        const QString wave = dir.filePath(u"Music1.wav"_s);
        const QString broken = dir.filePath(u"Music2.mid"_s);
        {
            QFile file(wave);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(silentWave());
            QFile bad(broken);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("not music at all");
        }
        SdlMusicPlayer player;
        QVERIFY(!player.isPlaying());
        QVERIFY(player.play(wave));
        QVERIFY(player.isPlaying());
        // Looped: still playing after the one-second file would have ended.
        QTest::qWait(1300);
        QVERIFY(player.isPlaying());
        player.stop();
        QVERIFY(!player.isPlaying());

        QVERIFY(player.play(wave));
        QVERIFY(!player.play(broken));
        QVERIFY(!player.isPlaying());
        QVERIFY(!player.play(dir.filePath(u"none.mp3"_s)));
        player.stop();
    }
};

XIAOWU_TEST(TestDesktopSeams)
#include "TestDesktopSeams.moc"
