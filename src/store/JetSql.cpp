#include "store/JetSql.h"

#include "store/DatabaseKind.h"
#include "store/PinyinCollation.h"
#include "store/Schema.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace JetSql {

namespace {

enum class Store { Sqlite, Server };

const QRegularExpression& directionPattern()
{
    static const QRegularExpression direction(
        u"^(.*?)\\s+(asc|desc)\\s*$"_s, QRegularExpression::CaseInsensitiveOption);
    return direction;
}

// Text columns of every table: on the server only these may carry a collation.
const QSet<QString>& textColumns()
{
    static const QSet<QString> set = [] {
        QSet<QString> made;
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            for (const Schema::Table& t : Schema::tables(kind)) {
                for (const Schema::Column& c : t.columns) {
                    if (c.kind == Schema::ColumnKind::Text)
                        made.insert(c.name);
                }
            }
        }
        return made;
    }();
    return set;
}

bool isNumberColumn(const QString& name)
{
    static const QSet<QString> set = [] {
        QSet<QString> made;
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            for (const Schema::Table& t : Schema::tables(kind)) {
                for (const Schema::Column& c : t.columns) {
                    if (c.kind != Schema::ColumnKind::Text && c.kind != Schema::ColumnKind::Bytes)
                        made.insert(c.name);
                }
            }
        }
        return made;
    }();
    return set.contains(name) && !textColumns().contains(name);
}

QString sqliteTerm(const QString& term)
{
    if (term.trimmed().compare(u"rowid"_s, Qt::CaseInsensitive) == 0)
        return term.trimmed();
    static const QRegularExpression nameColumn(u"^\\s*(\\w+\\.)?\\[?姓名\\]?\\s*($|\\s)"_s);
    // Names sort by their surname reading; every other text by plain pinyin.
    const QString collate = u" COLLATE "_s
        + QLatin1StringView(nameColumn.match(term).hasMatch() ? PinyinCollation::nameOrder : PinyinCollation::name);
    const auto m = directionPattern().match(term);
    if (m.hasMatch())
        return m.captured(1) + collate + u' ' + m.captured(2);
    return term.trimmed() + collate;
}

QString serverTerm(const QString& term)
{
    static const QRegularExpression column(
        u"^\\s*((?:\\w+\\.)?)\\[?(\\w+)\\]?\\s*$"_s, QRegularExpression::UseUnicodePropertiesOption);
    QString expression = term.trimmed();
    QString direction;
    if (const auto m = directionPattern().match(term); m.hasMatch()) {
        expression = m.captured(1).trimmed();
        direction = m.captured(2);
    }
    const bool descending = direction.compare(u"desc"_s, Qt::CaseInsensitive) == 0;
    const QString tail
        = (direction.isEmpty() ? QString() : u' ' + direction) + (descending ? u" NULLS LAST"_s : u" NULLS FIRST"_s);
    const auto m = column.match(expression);
    if (!m.hasMatch())
        return expression + tail;
    if (m.captured(2).compare(u"rowid"_s, Qt::CaseInsensitive) == 0)
        return m.captured(1) + QString::fromUtf16(Schema::rowOrderColumn) + tail;
    const QString name = m.captured(1) + m.captured(2);
    const QString collate = u" COLLATE "_s + QLatin1StringView(PinyinCollation::name).toString().toLower();
    if (m.captured(2) == u"姓名")
        return QLatin1StringView(nameKeyFunction) + u'(' + name + u')' + collate + tail + u", "_s + name
            + u" COLLATE \"C\""_s + tail;
    if (textColumns().contains(m.captured(2)))
        return name + collate + tail;
    return name + tail;
}

QString orderTerms(const QString& terms, Store store)
{
    QStringList out;
    for (const QString& term : terms.split(u',')) {
        if (term.contains(u"collate"_s, Qt::CaseInsensitive)) {
            QString kept = term;
            if (store == Store::Server) {
                static const QRegularExpression binary(
                    u"collate\\s+binary"_s, QRegularExpression::CaseInsensitiveOption);
                kept.replace(binary, u"COLLATE \"C\""_s);
            }
            out << kept;
            continue;
        }
        out << (store == Store::Sqlite ? sqliteTerm(term) : serverTerm(term));
    }
    return out.join(u',');
}

// Markers, brackets and LIKE outside quoted texts; a subquery in FROM gets a name.
QString serverTokens(const QString& sql)
{
    QString out;
    out.reserve(sql.size() + 16);
    int marker = 0;
    // Open parentheses: whether each began a subquery right after FROM.
    QList<bool> subqueries;
    const auto wordBefore = [&out](QStringView word) {
        qsizetype end = out.size();
        while (end > 0 && out[end - 1].isSpace())
            --end;
        if (end < word.size())
            return false;
        const QStringView last = QStringView(out).mid(end - word.size(), word.size());
        return last.compare(word, Qt::CaseInsensitive) == 0
            && (end == word.size()
                || !(out[end - word.size() - 1].isLetterOrNumber() || out[end - word.size() - 1] == u'_'));
    };
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype close = sql.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? sql.size() : close + 1;
            out += QStringView(sql).mid(i, end - i);
            i = end - 1;
        } else if (c == u'?') {
            out += u'$' + QString::number(++marker) + u' ';
        } else if (c == u'[') {
            const qsizetype close = sql.indexOf(u']', i + 1);
            if (close < 0) {
                out += c;
                continue;
            }
            out += QStringView(sql).mid(i + 1, close - i - 1);
            i = close;
        } else if (c == u'(') {
            subqueries.append(wordBefore(u"from"));
            out += c;
        } else if (c == u')') {
            const bool named = !subqueries.isEmpty() && subqueries.takeLast();
            out += c;
            if (named) {
                qsizetype next = i + 1;
                while (next < sql.size() && sql[next].isSpace())
                    ++next;
                const QStringView rest = QStringView(sql).mid(next);
                static const QRegularExpression follows(u"^(as\\b|\\w)"_s,
                    QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
                static const QRegularExpression clause(
                    u"^(where|group|order|limit|union|having)\\b"_s, QRegularExpression::CaseInsensitiveOption);
                if (!follows.match(rest.toString()).hasMatch() || clause.match(rest.toString()).hasMatch())
                    out += u" AS 子查询"_s + QString::number(subqueries.size() + 1);
            }
        } else if ((c == u'l' || c == u'L') && sql.mid(i, 4).compare(u"like"_s, Qt::CaseInsensitive) == 0
            && (i == 0 || !(sql[i - 1].isLetterOrNumber() || sql[i - 1] == u'_'))
            && (i + 4 >= sql.size() || !(sql[i + 4].isLetterOrNumber() || sql[i + 4] == u'_'))) {
            // A prefix search on a number column (学号 like '10%') matches its digits, as SQLite
            // does; the server has no LIKE for numbers.
            static const QRegularExpression column(u"(\\w+)\\s*$"_s, QRegularExpression::UseUnicodePropertiesOption);
            if (const auto before = column.match(out); before.hasMatch() && isNumberColumn(before.captured(1)))
                out.replace(before.capturedStart(1), before.capturedLength(1),
                    u"CAST("_s + before.captured(1) + u" AS TEXT)"_s);
            out += u"ILIKE"_s;
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

QString rewrite(const QString& statement, Store store)
{
    static const QRegularExpression deleteStar(
        u"^(\\s*delete)\\s*\\*\\s*(from\\b)"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orderBy(u"\\border\\s+by\\s"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression forUpdate(
        u"\\s+for\\s+update\\s*;?\\s*$"_s, QRegularExpression::CaseInsensitiveOption);
    QString sql = statement;
    sql.replace(deleteStar, u"\\1 \\2"_s);
    QString locking;
    if (const auto m = forUpdate.match(sql); m.hasMatch()) {
        if (store == Store::Server)
            locking = u" FOR UPDATE"_s;
        sql.truncate(m.capturedStart());
    }
    const auto m = orderBy.match(sql);
    if (m.hasMatch()) {
        qsizetype end = sql.size();
        while (end > m.capturedEnd() && (sql[end - 1].isSpace() || sql[end - 1] == u';'))
            --end;
        sql = sql.left(m.capturedEnd()) + orderTerms(sql.mid(m.capturedEnd(), end - m.capturedEnd()), store);
    }
    if (store == Store::Sqlite)
        return sql;
    while (!sql.isEmpty() && (sql.back().isSpace() || sql.back() == u';'))
        sql.chop(1);
    sql = serverTokens(sql) + locking;
    static const QRegularExpression insert(u"^\\s*insert\\s+into\\s+\\[?(\\w+)"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    if (const auto i = insert.match(sql); i.hasMatch()) {
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            const Schema::Table* t = Schema::table(kind, i.captured(1));
            if (t && !t->primaryKey.isEmpty()
                && t->columns[t->columnIndex(t->primaryKey)].kind != Schema::ColumnKind::Text) {
                sql += u" RETURNING "_s + t->primaryKey;
                break;
            }
        }
    }
    return sql;
}

} // namespace

QString toSqlite(const QString& statement)
{
    return rewrite(statement, Store::Sqlite);
}

QString toServer(const QString& statement)
{
    return rewrite(statement, Store::Server);
}

} // namespace JetSql
