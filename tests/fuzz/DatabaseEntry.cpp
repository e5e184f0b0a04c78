#include "FuzzEntries.h"

#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/RecordSet.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The bytes as a database file: opening either fails with the connection closed, or gives a
// connection that answers a query over the whole schema.
QString FuzzEntries::database(QByteArrayView bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"006.xsk"_s);
    QFile::remove(path);
    QFile::remove(path + u"-journal"_s);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(bytes.data(), bytes.size());
    }
    DbConnection db;
    if (!db.open(path, u"fuzz"_s, DatabaseKinds::password(DatabaseKind::Student))) {
        if (db.isOpen())
            return u"a refused database stays open"_s;
        if (db.openFailure() == DbConnection::OpenFailure::None)
            return u"a refused database without a reason"_s;
        return {};
    }
    // What a broken file does here is SQLite's business; only crashes and hangs matter.
    if (auto rows = db.query(u"SELECT name, sql FROM sqlite_master"_s)) {
        int seen = 0;
        for (rows->first(); !rows->pastLast() && ++seen < 1000; rows->next())
            rows->text(1);
    }
    db.close();
    return {};
}
