#include "FuzzEntries.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Every checked-in fuzz input, seeds and the inputs that once found a fault, through the same
// entries the libFuzzer targets call.
class TestFuzzReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corpus_data()
    {
        addColumns<QString, QString>({"target", "path"});
        const QDir corpus(QStringLiteral(XIAOWU_FUZZ_CORPUS_DIR));
        for (const QString& target : FuzzEntries::names()) {
            const QDir dir(corpus.filePath(target));
            const QStringList files = dir.entryList(QDir::Files, QDir::Name);
            QVERIFY2(!files.isEmpty(), qPrintable(u"no corpus for "_s + target));
            for (const QString& file : files)
                QTest::newRow(qPrintable(target + u'/' + file)) << target << dir.filePath(file);
        }
    }
    void corpus()
    {
        QFETCH(QString, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString failure = FuzzEntries::run(target, file.readAll());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

XIAOWU_TEST(TestFuzzReplay)
#include "TestFuzzReplay.moc"
