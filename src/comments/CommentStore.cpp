#include "comments/CommentStore.h"

#include "store/DbConnection.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray stored(const QString& shown)
{
    QByteArray bytes = GbText::toBytes(LineBreaks::forStorage(shown));
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}

} // namespace

std::optional<QList<CommentStore::Pupil>> CommentStore::pupils(const QString& className)
{
    auto rs = m_db.query(u"select 学号,姓名 from 学籍表 where 所在班级=? order by 姓名"_s, {className});
    if (!rs) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    QList<Pupil> out;
    for (rs->first(); !rs->pastLast(); rs->next())
        out.append({rs->number(1), rs->text(2)});
    if (rs->failed()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    return out;
}

std::optional<CommentStore::Comments> CommentStore::comments(qint64 number)
{
    auto rs = m_db.query(u"select 学号,综合评语,本学期评语 from 学籍表 where 学号=?"_s, {number});
    if (!rs || rs->pastLast()) {
        m_lastError = rs ? u"pupil %1 is not enrolled"_s.arg(number) : m_db.lastError();
        return std::nullopt;
    }
    return Comments {LineBreaks::forDisplay(GbText::fromBytes(rs->bytes(3))),
        LineBreaks::forDisplay(GbText::fromBytes(rs->bytes(2)))};
}

bool CommentStore::save(qint64 number, const Comments& comments)
{
    if (!m_db.execute(u"update 学籍表 set 本学期评语=?,综合评语=? where 学号=?"_s,
            {stored(comments.term), stored(comments.overall), number})) {
        m_lastError = m_db.lastError();
        return false;
    }
    if (m_db.changes() != 1) {
        m_lastError = u"pupil %1 is not enrolled"_s.arg(number);
        return false;
    }
    return true;
}
