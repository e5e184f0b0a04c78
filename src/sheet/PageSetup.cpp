#include "sheet/PageSetup.h"

QPageSize::PageSizeId PageSetup::pageSizeId(qint16 paper)
{
    switch (paper) {
    case 1:
        return QPageSize::Letter;
    case 3:
        return QPageSize::Tabloid;
    case 5:
        return QPageSize::Legal;
    case 8:
        return QPageSize::A3;
    case 11:
        return QPageSize::A5;
    case 13:
        return QPageSize::JisB5;
    default:
        return QPageSize::A4;
    }
}

QSizeF PageSetup::paperSize() const
{
    const QSizeF mm = QPageSize(pageSizeId(paper)).size(QPageSize::Millimeter);
    QSizeF tenths(mm.width() * 10.0, mm.height() * 10.0);
    if (orientation == Landscape)
        tenths.transpose();
    return tenths;
}
