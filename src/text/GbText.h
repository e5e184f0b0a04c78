#pragma once

#include <QByteArray>
#include <QString>

// Chinese text as the school's files and byte limits count it. GB18030 gives the same bytes as
// GBK for every GBK character and still keeps the rare characters of real names.
namespace GbText {

QByteArray toBytes(QStringView text);
QString fromBytes(QByteArrayView bytes);

// Bytes the text takes in GB18030: ASCII 1, GBK characters 2, the rest 4.
qsizetype byteLength(QStringView text);

// The longest beginning of the text that fits into maxBytes without splitting a character.
QString leftBytes(QStringView text, qsizetype maxBytes);

// The text without its last n bytes, cut back to a whole character.
QString chopBytes(QStringView text, qsizetype n);

bool isBlankChar(QChar c);
// Removes every ASCII blank and full-width blank (U+3000), inner ones included.
QString removeBlanks(QStringView text);
// True when nothing but blanks (or nothing at all) is there.
bool isBlank(QStringView text);
// Leading and trailing blanks removed, inner ones kept.
QString trimBlanks(QStringView text);
// The same, sharing the text when there is nothing to remove.
QString trimBlanks(const QString& text);

// Full-width digits (２０１９, as a Chinese input method types them) as ASCII digits; the rest kept.
QString asciiDigits(QStringView text);

} // namespace GbText
