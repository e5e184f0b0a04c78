#include "FuzzEntries.h"

using namespace Qt::StringLiterals;

QStringList FuzzEntries::names()
{
    return {u"sheet"_s, u"wage"_s, u"settings"_s, u"text"_s, u"database"_s, u"photo"_s, u"spreadsheet"_s};
}

QString FuzzEntries::run(const QString& name, QByteArrayView bytes)
{
    if (name == u"sheet")
        return sheet(bytes);
    if (name == u"wage")
        return wage(bytes);
    if (name == u"settings")
        return settings(bytes);
    if (name == u"text")
        return text(bytes);
    if (name == u"database")
        return database(bytes);
    if (name == u"photo")
        return photo(bytes);
    if (name == u"spreadsheet")
        return spreadsheet(bytes);
    return u"no fuzz target "_s + name;
}
