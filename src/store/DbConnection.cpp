#include "store/DbConnection.h"

#include "store/DatabaseStamp.h"
#include "store/JetSql.h"
#include "store/PgSession.h"
#include "store/PinyinCollation.h"
#include "store/Schema.h"
#include "store/ServerSettings.h"
#include "store/StatementCache.h"
#include "store/StoreChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int KeptStatements = 64;

// Statements that change what the others were compiled against.
bool changesSchema(const QString& sql)
{
    const QStringView s = QStringView(sql).trimmed();
    for (const QStringView word : {u"create", u"drop", u"alter", u"attach", u"detach", u"vacuum"}) {
        if (s.startsWith(word, Qt::CaseInsensitive) && (s.size() == word.size() || !s[word.size()].isLetterOrNumber()))
            return true;
    }
    return false;
}

} // namespace

DbConnection::DbConnection()
    : m_statements(std::make_shared<StatementCache>(KeptStatements))
{ }

DbConnection::~DbConnection()
{
    close();
}

bool DbConnection::open(const QString& path, const QString& userName, const QString& password)
{
    close();
    m_lastError.clear();
    m_openFailure = OpenFailure::None;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        m_openFailure = QFileInfo::exists(path) ? OpenFailure::Unreadable : OpenFailure::Missing;
        fail(u"cannot open "_s + path);
        return false;
    }
    if (!configure()) {
        m_openFailure = OpenFailure::Unreadable;
        fail(u"cannot open "_s + path);
        return false;
    }
    // Reading the header tells a file that is not a database from one that is only locked.
    sqlite3_stmt* probe = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "PRAGMA application_id", -1, &probe, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(probe);
    sqlite3_finalize(probe);
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED || primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) {
        m_openFailure = OpenFailure::Unreadable;
        fail(u"cannot read "_s + path);
        return false;
    }
    if (!DatabaseStamp::isOurs(m_db)) {
        m_openFailure = OpenFailure::NotOurs;
        fail(path + u" is not a school database"_s);
        return false;
    }
    if (!DatabaseStamp::matches(m_db, password)) {
        m_openFailure = OpenFailure::WrongPassword;
        fail(u"wrong password for "_s + path);
        return false;
    }
    m_path = path;
    m_userName = userName;
    m_password = password;
    return true;
}

bool DbConnection::openSchool(DatabaseKind kind, const QString& path)
{
    if (const ServerSettings* server = StoreChoice::server()) {
        if (!openServer(*server, kind))
            return false;
        m_path = path;
        return true;
    }
    if (!open(path, {}, DatabaseKinds::password(kind)))
        return false;
    m_kind = kind;
    return true;
}

namespace {

// A school made on the server before its tables kept their row order gets the column once; the
// rows it holds are numbered in the order the server has them.
bool addRowOrder(PgSession& session, DatabaseKind kind)
{
    const QString column = QString::fromUtf16(Schema::rowOrderColumn);
    for (const Schema::Table& t : Schema::tables(kind)) {
        if (!t.ordersByRowid())
            continue;
        if (session.execute((u"SELECT "_s + column + u" FROM "_s + t.name + u" WHERE false"_s).toUtf8(), {}))
            continue;
        if (!session.execute((u"ALTER TABLE "_s + t.name + u" ADD COLUMN IF NOT EXISTS "_s + column
                                 + u" BIGINT GENERATED ALWAYS AS IDENTITY"_s)
                                 .toUtf8(),
                {}))
            return false;
    }
    return true;
}

} // namespace

bool DbConnection::openServer(const ServerSettings& server, DatabaseKind kind, bool emptyAllowed)
{
    close();
    m_lastError.clear();
    m_openFailure = OpenFailure::None;
    auto session = std::make_unique<PgSession>();
    if (!session->connect(server.connectionInfo(), ServerSettings::schema(kind))) {
        m_openFailure = OpenFailure::Unreadable;
        m_lastError = u"cannot reach the server: "_s + session->lastError();
        return false;
    }
    // A schema without the kind's first table holds no school (store-init has not been run).
    const QString probe = u"SELECT 1 FROM "_s + Schema::tables(kind).first().name + u" WHERE false"_s;
    if (!emptyAllowed && !session->execute(probe.toUtf8(), {})) {
        m_openFailure = OpenFailure::Unreadable;
        m_lastError = u"no school database on the server: "_s + session->lastError();
        return false;
    }
    if (!emptyAllowed && !addRowOrder(*session, kind)) {
        m_openFailure = OpenFailure::Unreadable;
        m_lastError = u"cannot add the row order column: "_s + session->lastError();
        return false;
    }
    m_server = std::move(session);
    m_kind = kind;
    m_path = ServerSettings::schema(kind);
    m_password = DatabaseKinds::password(kind);
    return true;
}

bool DbConnection::lostServer() const
{
    return m_server && m_server->lostServer();
}

QByteArray DbConnection::serverSql(const QString& sql)
{
    auto it = m_serverSql.constFind(sql);
    if (it != m_serverSql.constEnd())
        return *it;
    constexpr int KeptStatements = 256;
    if (m_serverSql.size() >= KeptStatements)
        m_serverSql.clear();
    return *m_serverSql.insert(sql, JetSql::toServer(sql).toUtf8());
}

bool DbConnection::createNew(const QString& path, const QString& password)
{
    close();
    m_lastError.clear();
    if (QFileInfo::exists(path)) {
        m_lastError = path + u" exists"_s;
        return false;
    }
    const QByteArray file = QFile::encodeName(path);
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (sqlite3_open_v2(file.constData(), &m_db, flags, nullptr) != SQLITE_OK
        || sqlite3_exec(m_db, "PRAGMA page_size=4096", nullptr, nullptr, nullptr) != SQLITE_OK || !configure()
        || !DatabaseStamp::stamp(m_db, password)) {
        fail(u"cannot create "_s + path);
        return false;
    }
    m_path = path;
    m_password = password;
    return true;
}

bool DbConnection::configure()
{
    // A locked file waits briefly instead of failing at once (another program may be reading it).
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_extended_result_codes(m_db, 1);
    return PinyinCollation::registerOn(m_db);
}

void DbConnection::fail(const QString& what)
{
    m_lastError = what;
    if (m_db) {
        const char* detail = sqlite3_errmsg(m_db);
        if (detail && *detail)
            m_lastError += u": "_s + QString::fromUtf8(detail);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

QString DbConnection::damage()
{
    if (!m_db)
        return {};
    sqlite3_stmt* check = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "PRAGMA quick_check(1)", -1, &check, nullptr);
    QString first;
    if (rc == SQLITE_OK && (rc = sqlite3_step(check)) == SQLITE_ROW)
        first = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
    else
        first = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_finalize(check);
    // Busy or locked says nothing about the file itself.
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return {};
    return first == u"ok"_s ? QString() : first;
}

QString DbConnection::damagedMessage(const QString& file, const QString& detail)
{
    return u"数据文件已损坏：%1\r\n（%2）\r\n\r\n其中的资料可能读不全或者显示为空。请尽快从“系统数据维护”还原最近的备份。"_s
        .arg(QDir::toNativeSeparators(file), detail);
}

void DbConnection::close()
{
    m_server.reset();
    m_kind.reset();
    if (!m_db) {
        m_path.clear();
        return;
    }
    // Results still being read keep their statements (and the file, until they are done).
    m_statements = std::make_shared<StatementCache>(KeptStatements);
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_path.clear();
}

QString DbConnection::connectionText() const
{
    if (!isOpen())
        return {};
    const QString native = QDir::toNativeSeparators(m_path);
    const QString dir = QDir::toNativeSeparators(QFileInfo(m_path).absolutePath());
    QString text = u"ODBC;DBQ="_s + native + u";DefaultDir="_s + dir
        + u";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access"_s;
    if (!m_userName.isEmpty())
        text += u";UID="_s + m_userName;
    return text + u";PWD="_s + m_password + u";"_s;
}

bool DbConnection::compile(const QString& sql, sqlite3_stmt** statement)
{
    *statement = nullptr;
    if (!m_db) {
        m_lastError = u"database is not open"_s;
        return false;
    }
    const QByteArray utf8 = JetSql::toSqlite(sql).toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), statement, &tail) != SQLITE_OK) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
        return false;
    }
    if (!*statement) {
        m_lastError = u"empty statement"_s;
        return false;
    }
    // One statement per call: a second one hidden behind a semicolon is refused, not ignored.
    for (const char* p = tail; p && *p; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';') {
            m_lastError = u"more than one statement"_s;
            sqlite3_finalize(*statement);
            *statement = nullptr;
            return false;
        }
    }
    return true;
}

namespace {

// The bytes QString::toUtf8() gives, written into place: a lone surrogate becomes '?'.
// (QStringEncoder would write U+FFFD for it, so the stored bytes would differ from before.)
char* writeUtf8(char* out, QStringView text)
{
    const char16_t* p = text.utf16();
    const char16_t* const end = p + text.size();
    while (p != end) {
        const char16_t u = *p++;
        if (u < 0x80) {
            *out++ = static_cast<char>(u);
        } else if (u < 0x800) {
            *out++ = static_cast<char>(0xc0 | (u >> 6));
            *out++ = static_cast<char>(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            *out++ = static_cast<char>(0xe0 | (u >> 12));
            *out++ = static_cast<char>(0x80 | ((u >> 6) & 0x3f));
            *out++ = static_cast<char>(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && p != end && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            *out++ = static_cast<char>(0xf0 | (c >> 18));
            *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3f));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3f));
            *out++ = static_cast<char>(0x80 | (c & 0x3f));
        } else {
            *out++ = '?';
        }
    }
    return out;
}

} // namespace

bool DbConnection::bind(sqlite3_stmt* statement, const QVariantList& parameters, Binding binding)
{
    if (sqlite3_bind_parameter_count(statement) != parameters.size()) {
        m_lastError = u"statement has %1 markers, %2 values given"_s.arg(sqlite3_bind_parameter_count(statement))
                          .arg(parameters.size());
        return false;
    }
    // For one run the texts go into one kept buffer and the bytes stay where the caller has them,
    // so a row costs no allocation and no copy of a photo; the statement drops them when given back.
    const bool inPlace = binding == Binding::ForOneRun;
    const auto lifetime = inPlace ? SQLITE_STATIC : SQLITE_TRANSIENT;
    char* texts = nullptr;
    if (inPlace) {
        qsizetype room = 0;
        for (const QVariant& v : parameters) {
            if (v.metaType().id() == QMetaType::QString)
                room += 3 * static_cast<const QString*>(v.constData())->size();
        }
        if (m_texts.size() < room)
            m_texts.resize(room);
        texts = m_texts.data();
    }
    for (int i = 0; i < parameters.size(); ++i) {
        const QVariant& v = parameters[i];
        int rc = SQLITE_OK;
        if (v.isNull() && v.metaType().id() != QMetaType::QString && v.metaType().id() != QMetaType::QByteArray) {
            rc = sqlite3_bind_null(statement, i + 1);
        } else {
            switch (v.metaType().id()) {
            case QMetaType::QByteArray: {
                const QByteArray& b = *static_cast<const QByteArray*>(v.constData());
                // An empty byte string is stored as empty bytes, not NULL.
                rc = sqlite3_bind_blob64(
                    statement, i + 1, b.isNull() ? "" : b.constData(), static_cast<sqlite3_uint64>(b.size()), lifetime);
                break;
            }
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Long:
            case QMetaType::ULong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(statement, i + 1, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(statement, i + 1, v.toDouble());
                break;
            case QMetaType::QString:
                if (inPlace) {
                    char* const end = writeUtf8(texts, *static_cast<const QString*>(v.constData()));
                    // An empty text is stored as empty, not NULL.
                    rc = sqlite3_bind_text64(statement, i + 1, end == texts ? "" : texts,
                        static_cast<sqlite3_uint64>(end - texts), SQLITE_STATIC, SQLITE_UTF8);
                    texts = end;
                    break;
                }
                [[fallthrough]];
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text64(statement, i + 1, t.constData(), static_cast<sqlite3_uint64>(t.size()),
                    SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            }
        }
        if (rc != SQLITE_OK) {
            m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
            return false;
        }
    }
    return true;
}

std::unique_ptr<RecordSet> DbConnection::query(const QString& sql, const QVariantList& parameters)
{
    if (m_server) {
        pg_result* result = m_server->run(serverSql(sql), parameters);
        m_lastError = m_server->lastError();
        if (!result)
            return nullptr;
        return std::unique_ptr<RecordSet>(new RecordSet(result));
    }
    if (!m_db) {
        m_lastError = u"database is not open"_s;
        return nullptr;
    }
    const quint64 generation = m_statements->generation();
    sqlite3_stmt* statement = m_statements->take(sql);
    if (!statement && !compile(sql, &statement))
        return nullptr;
    if (!bind(statement, parameters, Binding::Kept)) {
        m_statements->give(sql, statement, generation);
        return nullptr;
    }
    // The rows hold the statement until they are done with; then it comes back here, unless this
    // connection was closed or reopened meanwhile.
    std::unique_ptr<RecordSet> rows(new RecordSet(statement, m_statements, sql, generation));
    if (rows->failed()) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
        return nullptr;
    }
    m_lastError.clear();
    return rows;
}

bool DbConnection::execute(const QString& sql, const QVariantList& parameters)
{
    if (m_server) {
        const bool ok = m_server->execute(serverSql(sql), parameters);
        m_lastError = m_server->lastError();
        return ok;
    }
    if (!m_db) {
        m_lastError = u"database is not open"_s;
        return false;
    }
    const quint64 generation = m_statements->generation();
    sqlite3_stmt* statement = m_statements->take(sql);
    if (!statement && !compile(sql, &statement))
        return false;
    const bool schema = changesSchema(sql);
    // Whatever happens, the statement is left reset and without values (no lock, no copy of a
    // photo kept alive). After a change of the schema nothing compiled before it is kept.
    const auto release = qScopeGuard([this, &sql, statement, generation, schema] {
        if (schema) {
            sqlite3_finalize(statement);
            m_statements->clear();
        } else {
            m_statements->give(sql, statement, generation);
        }
    });
    if (!bind(statement, parameters, Binding::ForOneRun))
        return false;
    int rc = sqlite3_step(statement);
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(statement);
    if (rc != SQLITE_DONE)
        m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
    else
        m_lastError.clear();
    return rc == SQLITE_DONE;
}

int DbConnection::changes() const
{
    if (m_server)
        return m_server->changes();
    return m_db ? sqlite3_changes(m_db) : 0;
}

qint64 DbConnection::lastInsertId() const
{
    if (m_server)
        return m_server->lastInsertId();
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

bool DbConnection::beginTransaction()
{
    if (m_server) {
        const bool ok = m_server->begin();
        m_lastError = m_server->lastError();
        return ok;
    }
    return execute(u"BEGIN IMMEDIATE"_s);
}

bool DbConnection::commit()
{
    if (m_server) {
        const bool ok = m_server->commit();
        m_lastError = m_server->lastError();
        return ok;
    }
    return execute(u"COMMIT"_s);
}

bool DbConnection::rollback()
{
    if (!inTransaction())
        return true;
    if (m_server)
        return m_server->rollback();
    return execute(u"ROLLBACK"_s);
}

bool DbConnection::inTransaction() const
{
    if (m_server)
        return m_server->inTransaction();
    return m_db && !sqlite3_get_autocommit(m_db);
}
