#include "store/ServerFileOps.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ServerFileOps::ServerFileOps(FileOps& disk, const ServerSettings& server, const QStringList& sharedNames)
    : m_disk(disk)
    , m_server(server)
    , m_names(sharedNames)
{ }

QString ServerFileOps::createStatement()
{
    return u"CREATE TABLE 共享文件 (文件名 VARCHAR(50) PRIMARY KEY, 内容 BYTEA NOT NULL)"_s;
}

QString ServerFileOps::sharedName(const QString& path) const
{
    const QFileInfo info(path);
    if (info.dir().dirName().compare(u"data"_s, Qt::CaseInsensitive) != 0)
        return {};
    const QString name = info.fileName();
    return m_names.contains(name, Qt::CaseInsensitive) ? name.toLower() : QString();
}

DbConnection& ServerFileOps::db() const
{
    if (!m_db.isOpen())
        m_db.openServer(m_server, DatabaseKind::Admin);
    return m_db;
}

bool ServerFileOps::exists(const QString& path) const
{
    const QString name = sharedName(path);
    return name.isEmpty() ? m_disk.exists(path) : readFile(path).has_value();
}

std::optional<QByteArray> ServerFileOps::readFile(const QString& path) const
{
    const QString name = sharedName(path);
    if (name.isEmpty())
        return m_disk.readFile(path);
    auto rows = db().query(u"select 内容 from 共享文件 where 文件名=?"_s, {name});
    if (!rows)
        return std::nullopt;
    if (!rows->pastLast())
        return rows->bytes(1);
    // The first seat to read a sheet the server lacks gives it its own; a seat that came second
    // reads the first one's.
    const auto local = m_disk.readFile(path);
    if (!local || !db().execute(u"insert into 共享文件 values (?,?) on conflict do nothing"_s, {name, *local}))
        return std::nullopt;
    auto again = db().query(u"select 内容 from 共享文件 where 文件名=?"_s, {name});
    if (!again || again->pastLast())
        return std::nullopt;
    return again->bytes(1);
}

bool ServerFileOps::writeFile(const QString& path, const QByteArray& data)
{
    const QString name = sharedName(path);
    if (name.isEmpty())
        return m_disk.writeFile(path, data);
    return db().execute(
        u"insert into 共享文件 values (?,?) on conflict (文件名) do update set 内容 = excluded.内容"_s, {name, data});
}

bool ServerFileOps::copy(const QString& from, const QString& to)
{
    if (sharedName(from).isEmpty() && sharedName(to).isEmpty())
        return m_disk.copy(from, to);
    const auto bytes = readFile(from);
    return bytes && writeFile(to, *bytes);
}

bool ServerFileOps::rename(const QString& from, const QString& to)
{
    return m_disk.rename(from, to);
}

bool ServerFileOps::remove(const QString& path)
{
    return m_disk.remove(path);
}

bool ServerFileOps::moveToTrash(const QString& path)
{
    return m_disk.moveToTrash(path);
}

bool ServerFileOps::makeWritable(const QString& path)
{
    return sharedName(path).isEmpty() ? m_disk.makeWritable(path) : true;
}

bool ServerFileOps::makeDirectory(const QString& path)
{
    return m_disk.makeDirectory(path);
}
