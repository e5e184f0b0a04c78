#include "store/DatabaseTemplate.h"

#include "platform/SafeFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace DatabaseTemplate {

QByteArray bytes(DatabaseKind kind)
{
    QFile file(u":/templates/"_s + DatabaseKinds::fileName(kind));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeTo(DatabaseKind kind, const QString& path, QString* error)
{
    const QByteArray data = bytes(kind);
    if (data.isEmpty()) {
        if (error)
            *error = u"template missing"_s;
        return false;
    }
    return SafeFile::write(path, data, error);
}

} // namespace DatabaseTemplate
