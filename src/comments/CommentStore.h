#pragma once

#include <QList>
#include <QString>

#include <optional>

class DbConnection;

// The two comments of enrolled pupils in 学籍表: GB18030 bytes with "\r\n" line breaks on disk,
// "\n" in the edit boxes.
class CommentStore
{
public:
    struct Pupil
    {
        qint64 学号 = 0;
        QString 姓名;
    };

    struct Comments
    {
        QString term; // 本学期评语
        QString overall; // 综合评语
    };

    explicit CommentStore(DbConnection& db)
        : m_db(db)
    { }

    // The pupils of a class by name; nothing when the query fails, also part-way.
    std::optional<QList<Pupil>> pupils(const QString& className);
    // Nothing when the pupil is not enrolled (any more) or the query fails.
    std::optional<Comments> comments(qint64 number);
    // Writes both comments of this pupil; false (with lastError) when the statement fails or the
    // pupil is no longer there.
    bool save(qint64 number, const Comments& comments);

    QString lastError() const { return m_lastError; }

private:
    DbConnection& m_db;
    QString m_lastError;
};
