#include "records/PrefixSearch.h"

#include "text/GbText.h"

using namespace Qt::StringLiterals;

namespace PrefixSearch {

std::optional<QString> cleanValue(QStringView typed)
{
    QString value = GbText::removeBlanks(typed);
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

QString likeValue(QStringView value)
{
    QString out;
    out.reserve(value.size() + 2);
    for (const QChar c : value) {
        if (c == u'\\' || c == u'%' || c == u'_')
            out += u'\\';
        out += c;
    }
    return out + u'%';
}

std::optional<QString> condition(const QStringList& offered, const QString& field)
{
    if (!offered.contains(field))
        return std::nullopt;
    return field + u" like ? escape '\\'"_s;
}

} // namespace PrefixSearch
