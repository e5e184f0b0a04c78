#include "records/NumberBoxValidator.h"

#include "text/GbText.h"

using namespace Qt::StringLiterals;

NumberBoxValidator::NumberBoxValidator(qint64 maximum, QObject* parent)
    : QValidator(parent)
    , m_maximum(maximum)
{ }

QValidator::State NumberBoxValidator::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos); // each full-width digit becomes one ASCII digit: the cursor stays where it was
    input = GbText::asciiDigits(input);
    m_refusal.clear();
    for (const QChar c : std::as_const(input)) {
        if (c < u'0' || c > u'9')
            return Invalid;
    }
    if (input.isEmpty())
        return Intermediate;
    bool ok = false;
    const qint64 value = input.toLongLong(&ok);
    if (!ok || value > m_maximum) {
        m_refusal = u"学号不能大于"_s + QString::number(m_maximum) + u"！"_s;
        return Invalid;
    }
    return Acceptable;
}

void NumberBoxValidator::fixup(QString& input) const
{
    input = GbText::asciiDigits(input);
}
