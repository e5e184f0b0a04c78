#include "store/JetSql.h"

#include "store/PinyinCollation.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace JetSql {

namespace {

QString withPinyinOrder(const QString& terms)
{
    static const QRegularExpression direction(
        u"^(.*?)\\s+(asc|desc)\\s*$"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression nameColumn(u"^\\s*(\\w+\\.)?\\[?姓名\\]?\\s*($|\\s)"_s);
    QStringList out;
    for (const QString& term : terms.split(u',')) {
        if (term.contains(u"collate"_s, Qt::CaseInsensitive)) {
            out << term;
            continue;
        }
        // Names sort by their surname reading; every other text by plain pinyin.
        const QString collate = u" COLLATE "_s
            + QLatin1StringView(nameColumn.match(term).hasMatch() ? PinyinCollation::nameOrder : PinyinCollation::name);
        const auto m = direction.match(term);
        if (m.hasMatch())
            out << m.captured(1) + collate + u' ' + m.captured(2);
        else
            out << term.trimmed() + collate;
    }
    return out.join(u',');
}

} // namespace

QString toSqlite(const QString& statement)
{
    static const QRegularExpression deleteStar(
        u"^(\\s*delete)\\s*\\*\\s*(from\\b)"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderBy(u"\\border\\s+by\\s"_s, QRegularExpression::CaseInsensitiveOption);
    QString sql = statement;
    sql.replace(deleteStar, u"\\1 \\2"_s);
    const auto m = orderBy.match(sql);
    if (m.hasMatch()) {
        qsizetype end = sql.size();
        while (end > m.capturedEnd() && (sql[end - 1].isSpace() || sql[end - 1] == u';'))
            --end;
        sql = sql.left(m.capturedEnd()) + withPinyinOrder(sql.mid(m.capturedEnd(), end - m.capturedEnd()));
    }
    return sql;
}

} // namespace JetSql
