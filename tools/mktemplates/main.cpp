// Builds the three empty school databases from the schema and the seed rows. The output depends
// only on its inputs, so every build produces the same bytes.
#include "store/CommentLibrarySeed.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/Schema.h"
#include "store/Transaction.h"
#include "text/GbText.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool fail(const QString& what)
{
    std::fprintf(stderr, "xiaowu_mktemplates: %s\n", qPrintable(what));
    return false;
}

bool seed(DbConnection& db, DatabaseKind kind, const QList<CommentLibrarySeed::Row>& library)
{
    switch (kind) {
    case DatabaseKind::Student:
        if (!db.execute(u"insert into 记号表 values (1,0)"_s))
            return false;
        for (qsizetype i = 0; i < library.size(); ++i) {
            const auto& row = library[i];
            const QVariant model = row.isModel() ? QVariant(GbText::toBytes(row.text)) : QVariant();
            if (!db.execute(u"insert into 评语表 values (?,?,?,?,?)"_s,
                    {qint64(i + 1), row.library, row.category, row.isModel() ? QString(u""_s) : row.text, model}))
                return false;
        }
        return true;
    case DatabaseKind::Teacher:
        return db.execute(u"insert into 记号表 values (1,0)"_s);
    case DatabaseKind::Admin:
        return true;
    }
    return false;
}

bool build(DatabaseKind kind, const QString& path, const QList<CommentLibrarySeed::Row>& library)
{
    QFile::remove(path);
    DbConnection db;
    if (!db.createNew(path, DatabaseKinds::password(kind)))
        return fail(db.lastError());
    {
        Transaction transaction(db);
        for (const QString& statement : Schema::createStatements(kind)) {
            if (!db.execute(statement))
                return fail(statement + u": "_s + db.lastError());
        }
        if (!seed(db, kind, library))
            return fail(u"seed rows: "_s + db.lastError());
        if (!transaction.commit())
            return fail(db.lastError());
    }
    if (!db.execute(u"VACUUM"_s))
        return fail(db.lastError());
    db.close();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: xiaowu_mktemplates COMMENT_LIBRARY.tsv OUTPUT_DIR\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly))
        return fail(u"cannot read "_s + source.fileName()), 1;
    int badLine = 0;
    const auto library = CommentLibrarySeed::parse(source.readAll(), &badLine);
    if (!library)
        return fail(source.fileName() + u": malformed line "_s + QString::number(badLine)), 1;

    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
        if (!build(kind, out + u'/' + DatabaseKinds::fileName(kind), *library))
            return 1;
    }
    return 0;
}
