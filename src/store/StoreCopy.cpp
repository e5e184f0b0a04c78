#include "store/StoreCopy.h"

#include "store/DatabaseTemplate.h"
#include "store/DbConnection.h"
#include "store/Schema.h"
#include "store/ServerFileOps.h"
#include "store/ServerSettings.h"
#include "store/Transaction.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

bool failed(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QVariantList rowValues(const RecordSet& rows, const Schema::Table& table)
{
    QVariantList values;
    values.reserve(table.columns.size());
    for (int i = 0; i < table.columns.size(); ++i) {
        const int position = i + 1;
        if (rows.isNull(position)) {
            values.append(QVariant());
            continue;
        }
        switch (table.columns[i].kind) {
        case Schema::ColumnKind::Text:
            values.append(rows.text(position));
            break;
        case Schema::ColumnKind::Int16:
        case Schema::ColumnKind::Int32:
            values.append(rows.number(position));
            break;
        case Schema::ColumnKind::Bytes:
            values.append(rows.bytes(position));
            break;
        }
    }
    return values;
}

QString selectAll(const Schema::Table& table)
{
    QStringList names;
    for (const Schema::Column& c : table.columns)
        names.append(c.name);
    // In the order they were added, so a copy lists classes and accounts as the original does.
    return u"select "_s + names.join(u',') + u" from "_s + table.name
        + (table.ordersByRowid() ? u" order by rowid"_s : QString());
}

struct Digest
{
    qint64 rows = -1;
    quint64 sum = 0; // order-free: rows may come back in any order
    bool operator==(const Digest&) const = default;
};

std::optional<Digest> digest(DbConnection& db, const Schema::Table& table, QString* error)
{
    auto rows = db.query(selectAll(table));
    if (!rows) {
        failed(error, table.name + u": "_s + db.lastError());
        return std::nullopt;
    }
    Digest d;
    d.rows = 0;
    for (; !rows->pastLast(); rows->next()) {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const QVariant& v : rowValues(*rows, table)) {
            const QByteArray b = !v.isValid()                ? QByteArray("\0N", 2)
                : v.metaType().id() == QMetaType::QByteArray ? v.toByteArray()
                                                             : v.toString().toUtf8();
            const qint64 size = b.size();
            hash.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
            hash.addData(b);
        }
        quint64 part = 0;
        std::memcpy(&part, hash.result().constData(), sizeof part);
        d.sum += part;
        ++d.rows;
    }
    if (rows->failed()) {
        failed(error, table.name + u": "_s + db.lastError());
        return std::nullopt;
    }
    return d;
}

} // namespace

namespace StoreCopy {

bool copy(DbConnection& from, DbConnection& to, DatabaseKind kind, QString* error)
{
    Transaction transaction(to);
    if (!transaction.isActive())
        return failed(error, to.lastError());
    // Other seats wait for the whole replacement and never see it half done.
    QStringList tables;
    for (const Schema::Table& table : Schema::tables(kind))
        tables.insert(table.name == u"记号表" ? 0 : tables.size(), table.name);
    if (!transaction.lockTables(tables))
        return failed(error, to.lastError());
    for (const Schema::Table& table : Schema::tables(kind)) {
        if (!to.execute(u"delete from "_s + table.name))
            return failed(error, table.name + u": "_s + to.lastError());
        QStringList markers;
        for (qsizetype i = 0; i < table.columns.size(); ++i)
            markers.append(u"?"_s);
        QStringList names;
        for (const Schema::Column& c : table.columns)
            names.append(c.name);
        const QString insert = u"insert into "_s + table.name + u" ("_s + names.join(u',') + u") values ("_s
            + markers.join(u',') + u")"_s;
        auto rows = from.query(selectAll(table));
        if (!rows)
            return failed(error, table.name + u": "_s + from.lastError());
        for (; !rows->pastLast(); rows->next()) {
            if (!to.execute(insert, rowValues(*rows, table)))
                return failed(error, table.name + u": "_s + to.lastError());
        }
        if (rows->failed())
            return failed(error, table.name + u": "_s + from.lastError());
    }
    if (to.isServer()) {
        for (const QString& reset : Schema::serverKeyResets(kind)) {
            if (!to.execute(reset))
                return failed(error, to.lastError());
        }
    }
    if (!same(from, to, kind, error))
        return false;
    if (!transaction.commit())
        return failed(error, to.lastError());
    return true;
}

bool same(DbConnection& a, DbConnection& b, DatabaseKind kind, QString* error)
{
    for (const Schema::Table& table : Schema::tables(kind)) {
        const auto source = digest(a, table, error);
        const auto target = source ? digest(b, table, error) : std::nullopt;
        if (!target)
            return false;
        if (!(*source == *target))
            return failed(error,
                u"%1: %2 rows against %3, or their bytes differ"_s.arg(table.name).arg(source->rows).arg(target->rows));
    }
    return true;
}

bool toNewFile(DbConnection& from, DatabaseKind kind, const QString& path, QString* error)
{
    DbConnection file;
    if (!file.createNew(path, DatabaseKinds::password(kind)))
        return failed(error, file.lastError());
    bool ok = true;
    {
        Transaction transaction(file);
        for (const QString& statement : Schema::createStatements(kind)) {
            if (!file.execute(statement)) {
                ok = failed(error, file.lastError());
                break;
            }
        }
        ok = ok && transaction.commit();
    }
    ok = ok && copy(from, file, kind, error);
    file.close();
    if (!ok)
        QFile::remove(path);
    return ok;
}

bool snapshot(DbConnection& live, const QString& path, QString* error)
{
    if (live.isServer())
        return live.kind() ? toNewFile(live, *live.kind(), path, error) : failed(error, u"unknown database"_s);
    sqlite3* source = live.handle();
    if (!source)
        return failed(error, u"database is not open"_s);
    sqlite3* copy = nullptr;
    const QByteArray file = QFile::encodeName(path);
    bool ok
        = sqlite3_open_v2(file.constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
    if (ok) {
        // The copy is written once and checked after: no journal is needed while it is made.
        sqlite3_exec(copy, "PRAGMA journal_mode=OFF", nullptr, nullptr, nullptr);
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
        ok = backup && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
        ok = sqlite3_backup_finish(backup) == SQLITE_OK && ok;
    }
    if (!ok)
        failed(error, path + u": "_s + (copy ? QString::fromUtf8(sqlite3_errmsg(copy)) : u"out of memory"_s));
    sqlite3_close_v2(copy);
    return ok;
}

bool initServer(const ServerSettings& settings, DatabaseKind kind, QString* error)
{
    DbConnection server;
    if (!server.openServer(settings, kind, true))
        return failed(error, server.lastError());
    QTemporaryDir scratch;
    const QString templateFile = scratch.filePath(DatabaseKinds::fileName(kind));
    DbConnection seed;
    if (!scratch.isValid() || !DatabaseTemplate::writeTo(kind, templateFile, error)
        || !seed.open(templateFile, {}, DatabaseKinds::password(kind)))
        return failed(error, u"template: "_s + seed.lastError());
    {
        Transaction transaction(server);
        if (!transaction.isActive())
            return failed(error, server.lastError());
        if (!server.execute(u"CREATE SCHEMA "_s + ServerSettings::schema(kind)))
            return failed(error, server.lastError());
        QStringList statements = Schema::serverStatements(kind);
        if (kind == DatabaseKind::Admin)
            statements.append(ServerFileOps::createStatement());
        for (const QString& statement : std::as_const(statements)) {
            if (!server.execute(statement))
                return failed(error, server.lastError());
        }
        if (!transaction.commit())
            return failed(error, server.lastError());
    }
    return copy(seed, server, kind, error);
}

} // namespace StoreCopy
