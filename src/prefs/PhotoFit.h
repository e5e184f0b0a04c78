#pragma once

#include <QRect>
#include <QSize>

// Where a photo of a given size goes in an area: as large as fits, proportions kept, centred.
class PhotoFit
{
public:
    // An empty rectangle for a picture or an area without width or height.
    static QRect fit(QSize picture, QSize area);
};
