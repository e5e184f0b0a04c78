#include "classes/GbByteValidator.h"

#include "text/GbText.h"

GbByteValidator::GbByteValidator(qsizetype maxBytes, QObject* parent)
    : QValidator(parent)
    , m_maxBytes(maxBytes)
{ }

QValidator::State GbByteValidator::validate(QString& input, int& pos) const
{
    if (GbText::byteLength(input) <= m_maxBytes)
        return Acceptable;
    // The text after the cursor was there before the edit; what was just inserted ends at the
    // cursor, so that is the part to shorten.
    const int cursor = qBound(0, pos, static_cast<int>(input.size()));
    const QString tail = input.mid(cursor);
    const qsizetype tailBytes = GbText::byteLength(tail);
    if (tailBytes > m_maxBytes) {
        input = GbText::leftBytes(input, m_maxBytes);
        pos = static_cast<int>(input.size());
        return Acceptable;
    }
    const QString head = GbText::leftBytes(QStringView(input).left(cursor), m_maxBytes - tailBytes);
    input = head + tail;
    pos = static_cast<int>(head.size());
    return Acceptable;
}

void GbByteValidator::fixup(QString& input) const
{
    input = GbText::leftBytes(input, m_maxBytes);
}
