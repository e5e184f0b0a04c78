#include "store/ServerSettings.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString& value)
{
    QString v = value;
    v.replace(u'\\', u"\\\\"_s);
    v.replace(u'\'', u"\\'"_s);
    return u'\'' + v + u'\'';
}

} // namespace

QString ServerSettings::connectionInfo() const
{
    QStringList parts;
    if (!host.isEmpty())
        parts << u"host="_s + quoted(host);
    parts << u"port="_s + QString::number(port);
    parts << u"dbname="_s + quoted(databaseName);
    if (!user.isEmpty())
        parts << u"user="_s + quoted(user);
    if (!sslMode.isEmpty())
        parts << u"sslmode="_s + quoted(sslMode);
    if (!password.isEmpty())
        parts << u"password="_s + quoted(password);
    parts << u"connect_timeout=5"_s << u"application_name=xiaowu"_s;
    return parts.join(u' ');
}

QString ServerSettings::schema(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Student:
        return u"students"_s;
    case DatabaseKind::Teacher:
        return u"teachers"_s;
    case DatabaseKind::Admin:
        return u"admins"_s;
    }
    return {};
}
