#include "records/RecordPhoto.h"
#include "support/TestRegistry.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// Noise keeps JPEG from compressing it: as heavy as a camera picture.
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return image;
}

} // namespace

class TestRecordPhoto : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aCameraPictureIsScaledAndStillShows()
    {
        const QByteArray camera = encoded(noise(3000, 4000), "JPG", 90);
        QVERIFY(camera.size() > 4 * RecordPhoto::MaxStoredBytes);
        const auto stored = RecordPhoto::forStorage(camera);
        QVERIFY(stored);
        QVERIFY(stored->size() <= RecordPhoto::MaxStoredBytes);
        const QImage shown = RecordPhoto::decode(*stored);
        QCOMPARE(shown.size(), QSize(480, 640));
    }

    void whatIsLightEnoughIsKeptAsChosen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("small jpeg") << encoded(noise(70, 94), "JPG");
        QTest::newRow("bmp") << encoded(noise(120, 160), "BMP");
        QTest::newRow("png") << encoded(noise(50, 50), "PNG");
        QTest::newRow("placeholder") << RecordPhoto::placeholder();
    }

    void whatIsLightEnoughIsKeptAsChosen()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(RecordPhoto::forStorage(bytes), std::optional<QByteArray>(bytes));
    }

    void noPictureIsNeverStored_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("truncated jpeg") << encoded(noise(70, 94), "JPG").left(40);
        QTest::newRow("heavy garbage") << QByteArray(RecordPhoto::MaxStoredBytes + 1, 'x');
    }

    void noPictureIsNeverStored()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!RecordPhoto::forStorage(bytes));
    }
};

XIAOWU_TEST(TestRecordPhoto)
#include "TestRecordPhoto.moc"
