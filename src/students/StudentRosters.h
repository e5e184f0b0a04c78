#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DbConnection;

// The pupils' rosters (pages 3 and 2) and their searches. A row is the nine texts the list shows:
// 学号, 姓名, 性别, 民族, 所在班级, 班内职务, 出生日期, 入学日期 or 离校时间, 联系电话.
class StudentRosters
{
public:
    using Rows = QList<QStringList>;
    static constexpr int NumberColumn = 0;
    static constexpr int SexColumn = 2;

    enum class Search {
        InClass, // 班内搜索: the enrolled pupils of one class
        School, // 全校搜索: every enrolled pupil
        Leavers, // 开始搜索: 转退表
        Graduation, // 本届搜索: the graduates of one date
        AllGraduates, // 历届搜索
    };

    explicit StudentRosters(DbConnection& db)
        : m_db(db)
    { }

    // Nothing when the query fails, also part-way.
    std::optional<Rows> enrolled(const QString& className);
    std::optional<Rows> graduates(const QString& date);
    std::optional<Rows> leavers();
    // selector: the class (InClass) or the date (Graduation); field: one of the offered fields.
    std::optional<Rows> search(Search search, const QString& field, const QString& value, const QString& selector = {});

    // The fields the two search bars offer, which are also the columns searched.
    static QStringList enrolledSearchFields();
    static QStringList archivedSearchFields();

    // "本班共有30人 其中男生16人 女生14人" and the like.
    static QString enrolledCounts(int total, int male, int female);
    static QString graduateCounts(int total, int male, int female);
    static QString leaverCounts(int total, int male, int female);
    static QString searchResult(Search search, const QString& selector, int total, int male, int female);
    static QString searchTitle(Search search, const QString& school, const QString& selector);

private:
    DbConnection& m_db;
};
