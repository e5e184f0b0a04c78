#include "ScreenshotMaker.h"

#include "ScreenshotKit.h"

#include <QTest>

void ScreenshotMaker::initTestCase()
{
    m_dir = ScreenshotKit::outputDir();
}

QSize ScreenshotMaker::shotSize()
{
    return *static_cast<QSize*>(QTest::qData("size", qMetaTypeId<QSize>()));
}

QString ScreenshotMaker::shotSuffix()
{
    return ScreenshotKit::pngSuffix(shotSize());
}

void ScreenshotMaker::init()
{
    if (m_dir.isEmpty())
        QSKIP("XIAOWU_SCREENSHOTS is not set");
}

void ScreenshotMaker::shots_data()
{
    ScreenshotKit::screenSizes();
}
