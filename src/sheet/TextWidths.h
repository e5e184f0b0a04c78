#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>

struct SheetCell;

// One-line text widths of sheet cells at one pixel per tenth of a millimetre, remembered per font:
// fitting the columns of a sheet measures every cell each time a sheet opens or is resized, and
// most texts (marks, amounts, names) come back again and again. Shaping a text is what costs.
class TextWidths
{
public:
    // The width of `line` in the font of `cell`.
    double width(const SheetCell& cell, const QString& line);

    // The one set the sheets of the program share (user-interface thread only).
    static TextWidths& shared();

private:
    struct FontKey
    {
        QString name;
        int height = 0;
        quint32 style = 0;
        bool operator==(const FontKey&) const = default;
    };
    struct Font
    {
        FontKey key;
        QFontMetricsF metrics;
        QHash<QString, double> widths;
        // Marks and other numbers of up to four digits, by digits() (negative: not measured yet).
        QList<double> numbers;
    };

    // The slot of a text of one to four ASCII digits ("07" and "7" apart), or -1.
    static qsizetype digits(const QString& line);

    Font& fontOf(const SheetCell& cell);

    // Few fonts in practice; the last one used is looked at first.
    QList<Font*> m_fonts;
    qsizetype m_remembered = 0;
};
