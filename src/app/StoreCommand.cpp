#include "app/StoreCommand.h"

#include "store/DbConnection.h"
#include "store/StoreCopy.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

constexpr DatabaseKind kinds[] = {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin};

QString directoryOf(const QString& side, const QString& dataDirectory)
{
    return side == u"files" ? dataDirectory : side;
}

bool replaceFile(const QString& from, const QString& to, QString* error)
{
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), failure);
    if (failure) {
        *error = to + u": "_s + QString::fromStdString(failure.message());
        return false;
    }
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(to + QLatin1StringView(suffix));
    return true;
}

} // namespace

namespace StoreCommand {

int init(const std::optional<ServerSettings>& server, QTextStream& out)
{
    if (!server) {
        out << "xiaowu: config.ini has no [Store] section with Kind=PostgreSQL" << Qt::endl;
        return 2;
    }
    for (DatabaseKind kind : kinds) {
        QString error;
        if (!StoreCopy::initServer(*server, kind, &error)) {
            out << "xiaowu: " << ServerSettings::schema(kind) << ": " << error << Qt::endl;
            return 1;
        }
        out << "xiaowu: made " << ServerSettings::schema(kind) << " on " << server->databaseName << Qt::endl;
    }
    return 0;
}

int copy(const QString& from, const QString& to, const QString& dataDirectory,
    const std::optional<ServerSettings>& server, QTextStream& out)
{
    if ((from == u"server" || to == u"server") && !server) {
        out << "xiaowu: config.ini has no [Store] section with Kind=PostgreSQL" << Qt::endl;
        return 2;
    }
    if (from == to) {
        out << "xiaowu: FROM and TO are the same store" << Qt::endl;
        return 2;
    }
    for (DatabaseKind kind : kinds) {
        DbConnection source;
        const bool opened = from == u"server"
            ? source.openServer(*server, kind)
            : source.open(QDir(directoryOf(from, dataDirectory)).filePath(DatabaseKinds::fileName(kind)), {},
                DatabaseKinds::password(kind));
        if (!opened) {
            out << "xiaowu: cannot open the source: " << source.lastError() << Qt::endl;
            return 1;
        }
        QString error;
        bool ok = false;
        if (to == u"server") {
            DbConnection target;
            ok = target.openServer(*server, kind) && StoreCopy::copy(source, target, kind, &error);
            if (!target.isOpen())
                error = target.lastError();
        } else {
            // The new file takes the old one's place only once it is whole and checked.
            const QString file = QDir(directoryOf(to, dataDirectory)).filePath(DatabaseKinds::fileName(kind));
            const QString part = file + u".part"_s;
            QFile::remove(part);
            ok = StoreCopy::toNewFile(source, kind, part, &error) && replaceFile(part, file, &error);
        }
        if (!ok) {
            out << "xiaowu: " << DatabaseKinds::fileName(kind) << ": " << error << Qt::endl;
            return 1;
        }
        out << "xiaowu: copied " << DatabaseKinds::fileName(kind) << Qt::endl;
    }
    return 0;
}

} // namespace StoreCommand
