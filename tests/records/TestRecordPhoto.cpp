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

// A JPEG whose header claims another size than its data holds.
QByteArray claimingSize(QSize claimed)
{
    QByteArray bytes = encoded(noise(30, 40), "JPG");
    const qsizetype frame = bytes.indexOf("\xff\xc0");
    const char size[]
        = {char(claimed.height() >> 8), char(claimed.height()), char(claimed.width() >> 8), char(claimed.width())};
    bytes.replace(frame + 5, 4, size, 4);
    return bytes;
}

// How far apart two pictures of one size are, as the mean difference of their channels.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (3.0 * x.width() * x.height());
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

    // The card's photo decoded straight at its size is the picture decoded whole and then scaled.
    void aPhotoDecodedToFitIsTheScaledPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("jpeg shrunk") << encoded(noise(300, 400), "JPG", 80);
        QTest::newRow("jpeg grown") << encoded(noise(70, 94), "JPG");
        QTest::newRow("wide jpeg") << encoded(noise(400, 100), "JPG");
        QTest::newRow("bmp") << encoded(noise(120, 160), "BMP");
        QTest::newRow("png") << encoded(noise(50, 50), "PNG");
        QTest::newRow("placeholder") << RecordPhoto::placeholder();
        QTest::newRow("text") << QByteArray("not a picture at all");
        QTest::newRow("truncated jpeg") << encoded(noise(70, 94), "JPG").left(40);
        // Whole it is too big to allocate; at an eighth it would decode, into nothing.
        QTest::newRow("header claims 20000 square") << claimingSize({20000, 20000});
    }

    void aPhotoDecodedToFitIsTheScaledPicture()
    {
        QFETCH(QByteArray, bytes);
        const QSize box(113, 154);
        const QImage whole = RecordPhoto::decode(bytes);
        const QImage fitted = RecordPhoto::decodeToFit(bytes, box);
        QCOMPARE(fitted.isNull(), whole.isNull());
        if (whole.isNull())
            return;
        const QImage scaled = whole.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(fitted.size(), scaled.size());
        QVERIFY2(meanDifference(fitted, scaled) < 12, QByteArray::number(meanDifference(fitted, scaled)));
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
