#include "ScreenshotMaker.h"

#include "ScreenshotKit.h"

#include <QTest>

void ScreenshotMaker::initTestCase()
{
    m_dir = ScreenshotKit::outputDir();
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
