#include "support/TestRegistry.h"

#include "platform/DiskFileOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDiskFileOps : public QObject
{
    Q_OBJECT

private:
    QString at(const QString& name) const { return m_dir->filePath(name); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files, QDir::Name); }

private Q_SLOTS:
    // The trash of a throw-away home, not the user's.
    void initTestCase() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path())); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void writeReplacesWholeAndReadsBack()
    {
        DiskFileOps ops;
        QVERIFY(!ops.readFile(at(u"a.xsk"_s)));
        QVERIFY(ops.writeFile(at(u"a.xsk"_s), "first version"));
        QVERIFY(ops.writeFile(at(u"a.xsk"_s), "2nd"));
        QCOMPARE(ops.readFile(at(u"a.xsk"_s)).value(), QByteArray("2nd"));
        QVERIFY(ops.exists(at(u"a.xsk"_s)));
        QCOMPARE(files(), QStringList {u"a.xsk"_s});
        // A directory that is not there: nothing is written.
        QVERIFY(!ops.writeFile(at(u"missing/a.xsk"_s), "x"));
    }

    void copyReplacesTheTargetOnlyWhenComplete()
    {
        DiskFileOps ops;
        QVERIFY(ops.writeFile(at(u"from"_s), QByteArray(3 << 20, 'x') + "end"));
        QVERIFY(ops.writeFile(at(u"to"_s), "old"));
        QVERIFY(ops.copy(at(u"from"_s), at(u"to"_s)));
        QCOMPARE(ops.readFile(at(u"to"_s)), ops.readFile(at(u"from"_s)));

        QVERIFY(ops.writeFile(at(u"to"_s), "old"));
        QVERIFY(!ops.copy(at(u"no such file"_s), at(u"to"_s)));
        QCOMPARE(ops.readFile(at(u"to"_s)).value(), QByteArray("old"));
        QCOMPARE(files(), (QStringList {u"from"_s, u"to"_s}));
    }

    void renameRemoveAndTrash()
    {
        DiskFileOps ops;
        QVERIFY(ops.writeFile(at(u"a"_s), "a"));
        QVERIFY(ops.writeFile(at(u"b"_s), "b"));
        QVERIFY(!ops.rename(at(u"a"_s), at(u"b"_s)));
        QCOMPARE(ops.readFile(at(u"b"_s)).value(), QByteArray("b"));
        QVERIFY(ops.rename(at(u"a"_s), at(u"c"_s)));
        QVERIFY(!ops.exists(at(u"a"_s)));

        QVERIFY(ops.remove(at(u"c"_s)));
        QVERIFY(!ops.remove(at(u"c"_s)));
        QVERIFY(ops.moveToTrash(at(u"b"_s)));
        QVERIFY(!ops.exists(at(u"b"_s)));
        QVERIFY(QFile::exists(m_home.filePath(u"Trash/files/b"_s)));
        QVERIFY(!ops.moveToTrash(at(u"b"_s)));
    }

    void makeWritableAndDirectories()
    {
        DiskFileOps ops;
        QVERIFY(ops.writeFile(at(u"ro"_s), "x"));
        QFile::setPermissions(at(u"ro"_s), QFileDevice::ReadOwner);
        QVERIFY(ops.makeWritable(at(u"ro"_s)));
        QCOMPARE(QFile::permissions(at(u"ro"_s)) & (QFileDevice::ReadOwner | QFileDevice::WriteOwner),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(!ops.makeWritable(at(u"none"_s)));

        QVERIFY(ops.makeDirectory(at(u"backup/deeper"_s)));
        QVERIFY(QFileInfo(at(u"backup/deeper"_s)).isDir());
        QVERIFY(ops.makeDirectory(at(u"backup/deeper"_s)));
    }

private:
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
};

XIAOWU_TEST(TestDiskFileOps)
#include "TestDiskFileOps.moc"
