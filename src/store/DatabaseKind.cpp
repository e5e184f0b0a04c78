#include "store/DatabaseKind.h"

using namespace Qt::StringLiterals;

namespace DatabaseKinds {

QString fileName(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Student:
        return u"006.xsk"_s;
    case DatabaseKind::Teacher:
        return u"007.xsk"_s;
    case DatabaseKind::Admin:
        return u"008.xsk"_s;
    }
    return {};
}

QString relativePath(DatabaseKind kind)
{
    return u"\\data\\"_s + fileName(kind);
}

QString password(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Student:
        return u"5318640-mvp"_s;
    case DatabaseKind::Teacher:
        return u"5318640-mvq"_s;
    case DatabaseKind::Admin:
        return u"5318640-mvr"_s;
    }
    return {};
}

QString connectionName(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Student:
        return u"外部数据库1"_s;
    case DatabaseKind::Teacher:
        return u"外部数据库2"_s;
    case DatabaseKind::Admin:
        return u"外部数据库3"_s;
    }
    return {};
}

} // namespace DatabaseKinds
