#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

class DbConnection;

// One row moved between sibling tables with the same columns (学籍表 → 转退表, 教员表 → 退休表 …):
// the whole row copied by its key, the copy stamped where the move says so, the original deleted.
// All in one transaction, and every statement must touch exactly one row; otherwise nothing
// changes. Table and column names come from the program's own lists, never from the user.
struct RowMove
{
    QString from;
    QString to;
    QString key; // 学号 or 编号
    // "离校时间=?,离校原因=?" and its values; empty for a move without stamp.
    QString stamp;
    QVariantList stampValues;

    // False, with the database as it was, when the row is not in from, is already in to, or any
    // statement fails; error then says which.
    bool run(DbConnection& db, const QVariant& keyValue, QString* error = nullptr) const;
};
