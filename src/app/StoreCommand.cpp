#include "app/StoreCommand.h"

#include "platform/DiskFileOps.h"
#include "store/DbConnection.h"
#include "store/ServerFileOps.h"
#include "store/StoreCopy.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// The sheets as the same bytes, read back and compared on the target.
bool copySheets(const QString& from, const QString& to, const QString& dataDirectory,
    const std::optional<ServerSettings>& server, QTextStream& out)
{
    DiskFileOps disk;
    std::optional<ServerFileOps> shared;
    if (server)
        shared.emplace(disk, *server, StoreCommand::sharedFiles());
    FileOps& source = from == u"server" ? static_cast<FileOps&>(*shared) : disk;
    FileOps& target = to == u"server" ? static_cast<FileOps&>(*shared) : disk;
    // A side on the server still names a file: the server keeps the sheets by file name.
    const QDir sourceDir(from == u"server" ? dataDirectory : directoryOf(from, dataDirectory));
    const QDir targetDir(to == u"server" ? dataDirectory : directoryOf(to, dataDirectory));
    for (const QString& name : StoreCommand::sharedFiles()) {
        const auto bytes = source.readFile(sourceDir.filePath(name));
        if (!bytes) {
            out << "xiaowu: " << name << ": cannot read it from " << from << Qt::endl;
            return false;
        }
        const QString file = targetDir.filePath(name);
        if (!target.writeFile(file, *bytes) || target.readFile(file) != bytes) {
            out << "xiaowu: " << name << ": cannot write it to " << to << Qt::endl;
            return false;
        }
        out << "xiaowu: copied " << name << Qt::endl;
    }
    return true;
}

} // namespace

namespace StoreCommand {

QStringList sharedFiles()
{
    QStringList names;
    for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet)
        names << QFileInfo(QString(WageTableFile::relativePath(sheet)).replace(u'\\', u'/')).fileName();
    return names;
}

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
    return copySheets(from, to, dataDirectory, server, out) ? 0 : 1;
}

} // namespace StoreCommand
