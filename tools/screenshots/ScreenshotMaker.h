#pragma once

#include <QObject>
#include <QSize>
#include <QString>

// A maker of pictures at the three screen sizes: its shots() runs once a size into the folder
// XIAOWU_SCREENSHOTS names, with the program's typeface.
class ScreenshotMaker : public QObject
{
    Q_OBJECT

protected:
    // Empty when XIAOWU_SCREENSHOTS is not set.
    QString m_dir;

    // The screen size of the shot being made, and the file name ending for it ("-800x600.png").
    static QSize shotSize();
    static QString shotSuffix();

private Q_SLOTS:
    void initTestCase();
    // A skip in initTestCase would end the other test classes of this executable as well, so
    // each shot is skipped alone.
    void init();
    void shots_data();
};
