#pragma once

#include <QList>

// Column widths of a grid that fills its view, with every column as wide as its text needs
// (SheetPainter::columnTextWidth), in tenths of a millimetre.
namespace ColumnFit {

// Widths sharing `total`: equal, except that a column needing more gets what it needs and the
// others share the rest equally. More than `total` only when the needs alone are more.
QList<int> share(const QList<int>& needs, int total);

// The zoom percent, at most `zoom` and at least 50, at which the needs fit `pixels` at `dpi`
// dots per inch: a grid narrower than its texts at the screen's zoom is shown smaller rather
// than cut or scrolled away from its first columns.
int fittingZoom(const QList<int>& needs, int pixels, double dpi, int zoom);

} // namespace ColumnFit
