#include "support/TestRegistry.h"

#include "prefs/LeaveNoteDialog.h"
#include "prefs/PhotoZoomWindow.h"

#include <QBuffer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Qt reads GIF but cannot write it: a plain GIF of one colour, its LZW codes sent uncompressed
// (a clear code after every two pixels keeps the codes three bits wide).
QByteArray gif(QSize size)
{
    QByteArray bytes("GIF89a");
    const auto word = [&bytes](int value) {
        bytes.append(char(value & 0xff));
        bytes.append(char(value >> 8));
    };
    word(size.width());
    word(size.height());
    bytes.append(char(0x81)); // global colour table of 4 entries
    bytes.append(2, char(0));
    bytes.append("\xc8\x78\x28\xff\xff\xff\x00\x00\x00\x00\x00\x00", 12);
    bytes.append(',');
    word(0);
    word(0);
    word(size.width());
    word(size.height());
    bytes.append(char(0));
    bytes.append(char(2)); // LZW minimum code size

    QByteArray codes;
    quint32 buffer = 0;
    int bits = 0;
    const auto put = [&](quint32 code) {
        buffer |= code << bits;
        bits += 3;
        while (bits >= 8) {
            codes.append(char(buffer & 0xff));
            buffer >>= 8;
            bits -= 8;
        }
    };
    const int pixels = size.width() * size.height();
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            put(4); // clear
        put(0);
    }
    put(5); // end
    if (bits > 0)
        codes.append(char(buffer & 0xff));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        bytes.append(char(block.size()));
        bytes.append(block);
    }
    bytes.append(char(0));
    bytes.append(';');
    return bytes;
}

QByteArray encoded(QSize size, const char* format)
{
    if (qstrcmp(format, "GIF") == 0)
        return gif(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

class TestRecordWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void photoIsFittedAndRefittedOnResize()
    {
        PhotoZoomWindow window(encoded(QSize(300, 400), "JPG"));
        QCOMPARE(window.windowTitle(), u"放大照片"_s);
        QVERIFY(window.照片框->isHidden());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(354, 475));
        QVERIFY(window.照片框->isVisible());
        QCOMPARE(window.照片框->geometry(), QRect(0, 1, 354, 472));

        window.resize(600, 300);
        QTRY_COMPARE(window.照片框->geometry(), QRect(187, 0, 225, 300));
    }

    void landscapeFillsTheWidth_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp") << QByteArray("BMP");
        QTest::newRow("gif") << QByteArray("GIF");
        QTest::newRow("jpg") << QByteArray("JPG");
    }

    void landscapeFillsTheWidth()
    {
        QFETCH(QByteArray, format);
        PhotoZoomWindow window(encoded(QSize(400, 300), format.constData()));
        QCOMPARE(window.photoSize(), QSize(400, 300));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.照片框->geometry(), QRect(0, 104, 354, 266));
    }

    void damagedPhotoShowsAnEmptyBox_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpg = encoded(QSize(300, 400), "JPG");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("jpg header only") << jpg.left(20);
        QTest::newRow("gif lying size") << QByteArray("GIF89a\xff\xff\xff\xff\x00\x00\x00", 13);
        QTest::newRow("bmp lying size") << QByteArray("BM\xff\xff\xff\xff\x00\x00\x00\x00\x36\x00\x00\x00", 14);
    }

    void damagedPhotoShowsAnEmptyBox()
    {
        QFETCH(QByteArray, bytes);
        PhotoZoomWindow window(bytes);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(400, 400);
        QVERIFY(window.照片框->pixmap().isNull());
        QVERIFY(window.照片框->size().isEmpty());
    }

    void leaveNoteStartsWithABlankLine()
    {
        const QString note = u"    张三同学已于2005年9月1日离开本校\r\n\r\n    离开本校的原因是：转学"_s;
        LeaveNoteDialog dialog(note);
        QCOMPARE(dialog.windowTitle(), u"离开本校的说明"_s);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.size(), QSize(280, 80));
        QCOMPARE(dialog.编辑框1->geometry(), dialog.rect());
        const QStringList lines = dialog.编辑框1->toPlainText().split(u'\n');
        QCOMPARE(lines,
            (QStringList {
                QString(), u"    张三同学已于2005年9月1日离开本校"_s, QString(), u"    离开本校的原因是：转学"_s}));
    }
};

XIAOWU_TEST(TestRecordWindows)
#include "TestRecordWindows.moc"
