#pragma once

#include "teachers/TeacherViewKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DbConnection;

// The staff rosters (page 6) and their search. A row is 编号 (hidden) and the nine texts the list
// shows: 姓名, 性别, 民族, 学历, 职称, 职务或岗位, 参加工作时间, 调入本校时间 or 离校时间, 住宅电话.
class TeacherRosters
{
public:
    using Rows = QList<QStringList>;
    static constexpr int SexColumn = 2;

    explicit TeacherRosters(DbConnection& db)
        : m_db(db)
    { }

    // Nothing when the query fails, also part-way.
    std::optional<Rows> roster(TeacherViewKind kind);
    // field: one of searchFields(kind); 联系电话 searches the home phone and the mobile.
    std::optional<Rows> search(TeacherViewKind kind, const QString& field, const QString& value);

    static QStringList searchFields(TeacherViewKind kind);
    static QString dateHeader(TeacherViewKind kind);
    static QString countsLine(TeacherViewKind kind, int male, int female);
    static QString title(TeacherViewKind kind, const QString& school, bool empty);
    static QString searchTitle(TeacherViewKind kind, const QString& school);
    static QString stateText(TeacherViewKind kind);

private:
    std::optional<Rows> rows(const QString& sql, const QVariantList& values);

    DbConnection& m_db;
};
