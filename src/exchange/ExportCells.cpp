#include "exchange/ExportCells.h"

#include <algorithm>

namespace {

// Significant digits a double holds exactly enough for any text of them to come back unchanged.
constexpr int MaxDigits = 15;

bool isWide(char32_t c)
{
    // The East Asian wide and full-width blocks a school's data uses.
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

QStringList ExportCells::headLines(const PageTable& table)
{
    QStringList lines;
    for (const QString& line : {table.title, table.statistics, table.note}) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

std::optional<double> ExportCells::number(const QString& text, PageTable::Kind kind)
{
    if (kind == PageTable::Kind::Text)
        return std::nullopt;
    const QString t = text.trimmed();
    qsizetype i = (t.startsWith(u'-') || t.startsWith(u'+')) ? 1 : 0;
    const qsizetype intStart = i;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128)
        ++i;
    const qsizetype intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && t[intStart] == u'0'))
        return std::nullopt;
    qsizetype fraction = 0;
    if (i < t.size() && t[i] == u'.') {
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            ++i;
            ++fraction;
        }
        if (fraction == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    const qsizetype leadingZero = t[intStart] == u'0' ? 1 : 0;
    if (intDigits - leadingZero + fraction > MaxDigits)
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

int ExportCells::decimals(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype point = t.indexOf(u'.');
    return point < 0 ? 0 : int(t.size() - point - 1);
}

int ExportCells::displayWidth(QStringView text)
{
    int widest = 0;
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (c == U'\n') {
            widest = std::max(widest, width);
            width = 0;
        } else if (c != U'\r') {
            width += isWide(c) ? 2 : 1;
        }
    }
    return std::max(widest, width);
}
