#include "store/CommentLibrarySeed.h"

using namespace Qt::StringLiterals;

namespace CommentLibrarySeed {

namespace {

std::optional<QString> unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\') {
            out.append(c);
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i].unicode()) {
        case u'r':
            out.append(u'\r');
            break;
        case u'n':
            out.append(u'\n');
            break;
        case u'\\':
            out.append(u'\\');
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

bool Row::isModel() const
{
    return !category.startsWith(u"分类"_s);
}

std::optional<QList<Row>> parse(const QByteArray& utf8, int* errorLine)
{
    QList<Row> rows;
    const QString all = QString::fromUtf8(utf8);
    const QStringList lines = all.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto fields = line.split(u'\t');
        std::optional<QString> text = fields.size() == 3 ? unescape(fields[2]) : std::nullopt;
        if (!text || fields[0].isEmpty() || fields[1].isEmpty()) {
            if (errorLine)
                *errorLine = n + 1;
            return std::nullopt;
        }
        rows.append({fields[0].toString(), fields[1].toString(), *text});
    }
    return rows;
}

} // namespace CommentLibrarySeed
