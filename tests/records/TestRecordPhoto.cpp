#include "records/RecordPhoto.h"
#include "support/DataRows.h"
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
    void aHeavyPictureIsScaledAndStillShows_data()
    {
        addColumns<QSize, QSize>({"chosen", "stored"});
        QTest::newRow("camera") << QSize(3000, 4000) << QSize(480, 640);
        // Only one side too long is still too big.
        QTest::newRow("tall and narrow") << QSize(400, 1600) << QSize(160, 640);
        QTest::newRow("wide and low") << QSize(1600, 400) << QSize(480, 120);
    }

    void aHeavyPictureIsScaledAndStillShows()
    {
        QFETCH(QSize, chosen);
        QFETCH(QSize, stored);
        const QByteArray camera = encoded(noise(chosen.width(), chosen.height()), "JPG", 90);
        QVERIFY(camera.size() > RecordPhoto::MaxStoredBytes);
        const auto kept = RecordPhoto::forStorage(camera);
        QVERIFY(kept);
        QVERIFY(kept->size() <= RecordPhoto::MaxStoredBytes);
        QCOMPARE(RecordPhoto::decode(*kept).size(), stored);
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
