#include "store/DatabaseTemplate.h"

#include <QFile>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = data.isEmpty() ? u"template missing"_s : file.errorString();
        return false;
    }
    return true;
}

} // namespace DatabaseTemplate
