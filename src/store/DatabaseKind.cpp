#include "store/DatabaseKind.h"

using namespace Qt::StringLiterals;

namespace {

struct DatabaseFacts
{
    DatabaseKind kind;
    const char16_t* file;
    const char16_t* password;
    const char16_t* connection;
};

constexpr DatabaseFacts Databases[] = {
    {DatabaseKind::Student, u"006.xsk", u"5318640-mvp", u"外部数据库1"},
    {DatabaseKind::Teacher, u"007.xsk", u"5318640-mvq", u"外部数据库2"},
    {DatabaseKind::Admin, u"008.xsk", u"5318640-mvr", u"外部数据库3"},
};

const DatabaseFacts* facts(DatabaseKind kind)
{
    for (const DatabaseFacts& row : Databases) {
        if (row.kind == kind)
            return &row;
    }
    return nullptr;
}

QString fact(DatabaseKind kind, const char16_t* DatabaseFacts::*field)
{
    const DatabaseFacts* row = facts(kind);
    return row ? QString::fromUtf16(row->*field) : QString();
}

} // namespace

namespace DatabaseKinds {

QString fileName(DatabaseKind kind)
{
    return fact(kind, &DatabaseFacts::file);
}

QString relativePath(DatabaseKind kind)
{
    return u"\\data\\"_s + fileName(kind);
}

QString password(DatabaseKind kind)
{
    return fact(kind, &DatabaseFacts::password);
}

QString connectionName(DatabaseKind kind)
{
    return fact(kind, &DatabaseFacts::connection);
}

} // namespace DatabaseKinds
