#include "sheet/TextWidths.h"

#include "sheet/SheetCell.h"
#include "sheet/SheetPainter.h"

namespace {

// Enough for every text of a large school's sheets; beyond it the lot is forgotten and refilled.
constexpr qsizetype MostRemembered = 100000;
constexpr quint32 StyleBits
    = SheetCell::BoldBit | SheetCell::ItalicBit | SheetCell::UnderlineBit | SheetCell::StrikeOutBit;

} // namespace

TextWidths& TextWidths::shared()
{
    static TextWidths widths;
    return widths;
}

TextWidths::Font& TextWidths::fontOf(const SheetCell& cell)
{
    const quint32 style = cell.attributes & StyleBits;
    // Neighbouring cells nearly always share their font.
    if (!m_fonts.isEmpty()) {
        const FontKey& last = m_fonts.first()->key;
        // The cells of a sheet share one font name string: the same data is the same name.
        const bool sameName = last.name.constData() == cell.fontName.constData()
            ? last.name.size() == cell.fontName.size()
            : last.name == cell.fontName;
        if (last.height == cell.fontHeight && last.style == style && sameName)
            return *m_fonts.first();
    }
    const FontKey key {cell.fontName, cell.fontHeight, style};
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i]->key == key) {
            if (i > 0)
                m_fonts.move(i, 0);
            return *m_fonts.first();
        }
    }
    m_fonts.prepend(new Font {key, QFontMetricsF(SheetPainter::textFont(cell, 1.0)), {}, {}});
    return *m_fonts.first();
}

qsizetype TextWidths::digits(const QString& line)
{
    static constexpr qsizetype Start[] = {0, 0, 10, 110, 1110};
    if (line.isEmpty() || line.size() > 4)
        return -1;
    qsizetype value = 0;
    for (const QChar c : line) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return Start[line.size()] + value;
}

double TextWidths::width(const SheetCell& cell, const QString& line)
{
    if (m_remembered > MostRemembered) {
        qDeleteAll(m_fonts);
        m_fonts.clear();
        m_remembered = 0;
    }
    Font& font = fontOf(cell);
    // A sheet of marks is mostly these: an array, not a hash of the text.
    if (const qsizetype slot = digits(line); slot >= 0) {
        if (font.numbers.isEmpty())
            font.numbers.fill(-1, 11110);
        double& known = font.numbers[slot];
        if (known < 0)
            known = font.metrics.horizontalAdvance(line);
        return known;
    }
    const auto known = font.widths.constFind(line);
    if (known != font.widths.cend())
        return *known;
    const double w = font.metrics.horizontalAdvance(line);
    font.widths.insert(line, w);
    ++m_remembered;
    return w;
}
