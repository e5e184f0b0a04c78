#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "prefs/PhotoFit.h"

#include <QTest>

class TestPhotoFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitsAndCentres_data()
    {
        addColumns<QSize, QSize, QRect>({"picture", "area", "box"});

        const QSize zoom(354, 475);
        // Portrait, too wide once the height is used: the width decides.
        QTest::newRow("300x400 portrait") << QSize(300, 400) << zoom << QRect(0, 1, 354, 472);
        // Portrait narrow enough for the full height.
        QTest::newRow("100x400 portrait") << QSize(100, 400) << zoom << QRect(117, 0, 119, 475);
        QTest::newRow("square") << QSize(50, 50) << zoom << QRect(0, 60, 354, 354);
        QTest::newRow("landscape fills the width") << QSize(400, 300) << zoom << QRect(0, 104, 354, 266);
        QTest::newRow("placeholder") << QSize(68, 17) << zoom << QRect(0, 193, 354, 89);
        // Landscape in a flat area: the height decides after all.
        QTest::newRow("landscape, flat area") << QSize(1000, 900) << QSize(354, 300) << QRect(10, 0, 333, 300);
        QTest::newRow("no picture") << QSize(0, 0) << zoom << QRect();
        QTest::newRow("no area") << QSize(300, 400) << QSize(0, 475) << QRect();
    }

    void fitsAndCentres()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, area);
        QFETCH(QRect, box);
        const QRect fitted = PhotoFit::fit(picture, area);
        QCOMPARE(fitted, box);
        if (!box.isEmpty())
            QVERIFY(QRect(QPoint(0, 0), area).contains(fitted));
    }
};

XIAOWU_TEST(TestPhotoFit)
#include "TestPhotoFit.moc"
