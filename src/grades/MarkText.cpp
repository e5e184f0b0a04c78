#include "grades/MarkText.h"

#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace MarkText {

namespace {

QString toAscii(QStringView typed)
{
    QString out;
    out.reserve(typed.size());
    for (const QChar c : typed) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            out.append(QChar(u'0' + (u - u'０')));
        else if (u == u'．')
            out.append(u'.');
        else if (u == u'－')
            out.append(u'-');
        else
            out.append(c);
    }
    return out.trimmed();
}

} // namespace

Reading read(QStringView typed)
{
    const QString text = toAscii(typed);
    if (text.isEmpty())
        return {true, std::nullopt};
    // Plain decimal notation only: no exponent, no "inf" or "nan", no thousands separators.
    static const QRegularExpression decimal(u"^[-+]?(\\d+(\\.\\d*)?|\\.\\d+)$"_s);
    if (!decimal.match(text).hasMatch())
        return {};
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {};
    const double rounded = std::floor(value + 0.5);
    if (rounded < -32768.0 || rounded > 32767.0)
        return {};
    return {true, static_cast<qint16>(rounded)};
}

QVariant toStored(const std::optional<qint16>& mark)
{
    return mark ? QVariant(qint64(*mark)) : QVariant();
}

QString toText(const std::optional<qint16>& mark)
{
    return mark ? QString::number(*mark) : QString();
}

} // namespace MarkText
