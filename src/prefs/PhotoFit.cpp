#include "prefs/PhotoFit.h"

#include <cmath>

namespace {

int scaled(int length, int numerator, int denominator)
{
    return static_cast<int>(std::lround(static_cast<double>(length) * numerator / denominator));
}

} // namespace

QRect PhotoFit::fit(QSize picture, QSize area)
{
    const int w = picture.width();
    const int h = picture.height();
    const int W = area.width();
    const int H = area.height();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return {};

    int width = 0;
    int height = 0;
    if (h < w) {
        // Landscape: the width decides unless the height would then overflow.
        width = W;
        height = scaled(W, h, w);
        if (height > H) {
            height = H;
            width = scaled(H, w, h);
        }
    } else {
        height = H;
        width = scaled(H, w, h);
        if (width > W) {
            width = W;
            height = scaled(W, h, w);
        }
    }
    return QRect((W - width) / 2, (H - height) / 2, width, height);
}
