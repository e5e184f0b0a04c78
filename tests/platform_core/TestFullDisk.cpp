#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "app/DataCheck.h"
#include "app/DataHome.h"
#include "exchange/TableExport.h"
#include "platform/DiskFileOps.h"
#include "settings/AppSettings.h"
#include "sheet/SheetTable.h"
#include "wages/WageTableFile.h"
#include "workspace/PageTable.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The program's own files on a real, small filesystem that runs full or goes read-only under them:
// a file-writing seam cannot show what the library below it does with the error.
class TestFullDisk : public QObject
{
    Q_OBJECT

private:
    enum Owner { WageSheet, Settings, Export };

    static bool run(const QStringList& arguments)
    {
        QProcess process;
        process.start(u"mount"_s, arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

    // Writes zeros until the filesystem refuses another byte.
    void fill()
    {
        const int fd = ::open(QFile::encodeName(at(u"filler"_s)).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        QVERIFY(fd >= 0);
        const QByteArray block(4096, '\0');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) { }
        while (::write(fd, block.constData(), 1) > 0) { }
        ::close(fd);
    }

    QString at(const QString& name) const { return m_dir->filePath(u"disk/"_s + name); }
    QString target(Owner owner) const
    {
        return at(owner == WageSheet ? u"001.xsk"_s : owner == Settings ? u"config.ini"_s : u"名单.xlsx"_s);
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the program writes over each file when the user changes something: false when refused.
    bool save(Owner owner, DiskFileOps& ops, QString& why)
    {
        switch (owner) {
        case WageSheet: {
            SheetTable table;
            if (!WageTableFile::read(read(target(owner)), table))
                return false;
            table.setText(2, 2, u"张三"_s);
            const bool saved = ops.writeFile(target(owner), WageTableFile::write(table));
            why = ops.lastError();
            return saved;
        }
        case Settings: {
            AppSettings settings(target(owner), ops);
            const bool saved = settings.setSchoolName(u"第二实验小学"_s);
            why = settings.failure({});
            return saved;
        }
        case Export: {
            PageTable table;
            table.title = u"名单"_s;
            table.captions = {u"姓名"_s};
            table.kinds = {PageTable::Kind::Text};
            table.rows = {{u"李四"_s}};
            why = TableExport::save(table, target(owner), ops);
            return why.isEmpty();
        }
        }
        return false;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkdir(u"disk"_s));
        if (::geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs; the file-writing seam tests still run");
        m_mounted = run({u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=256k"_s, u"tmpfs"_s, at({})});
        if (!m_mounted)
            QSKIP("mount is not permitted here (no CAP_SYS_ADMIN); the file-writing seam tests still run");
        QVERIFY(WageTableFile::templateBytes().size() > 0);
        DiskFileOps ops;
        QVERIFY(ops.writeFile(target(WageSheet), WageTableFile::templateBytes()));
        QVERIFY(ops.writeFile(target(Settings), "[School]\r\nName=实验小学\r\n[Graduate]\r\ndate1=2026-7-1\r\n"));
        QVERIFY(ops.writeFile(target(Export), QByteArray(3000, 'x')));
    }

    void cleanup()
    {
        if (m_mounted)
            QProcess::execute(u"umount"_s, {u"-l"_s, at({})});
        m_mounted = false;
    }

    void refusedWriteKeepsTheFileAndSaysWhy_data()
    {
        addColumns<int, bool, QString>({"owner", "readOnly", "reason"});
        for (const auto& [owner, name] :
            {std::pair {WageSheet, "wage sheet"}, std::pair {Settings, "config.ini"}, std::pair {Export, "export"}}) {
            QTest::addRow("%s, disk full", name) << int(owner) << false << u"磁盘空间已满"_s;
            QTest::addRow("%s, read-only", name) << int(owner) << true << u"没有写入"_s;
        }
    }

    void refusedWriteKeepsTheFileAndSaysWhy()
    {
        QFETCH(int, owner);
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        const Owner file = Owner(owner);
        const QByteArray before = read(target(file));
        if (readOnly)
            QVERIFY(run({u"-o"_s, u"remount,ro"_s, at({})}));
        else
            fill();

        DiskFileOps ops;
        QString why;
        QVERIFY(!save(file, ops, why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QCOMPARE(read(target(file)), before);
        // No scratch file is left to fill the disk further.
        QCOMPARE(QDir(at({})).entryList(QDir::Files).filter(u".part"_s), QStringList());

        // Once there is room again the same save goes through.
        if (readOnly)
            QVERIFY(run({u"-o"_s, u"remount,rw"_s, at({})}));
        else
            QVERIFY(QFile::remove(at(u"filler"_s)));
        QVERIFY2(save(file, ops, why), qPrintable(why));
        QVERIFY(read(target(file)) != before);
    }

    // A read-only school folder is the school's, said so at the start; another folder would show
    // an empty school to type into.
    void readOnlyDataFolderIsNotSwappedForAnother()
    {
        QVERIFY(QDir(at({})).mkdir(u"data"_s));
        QVERIFY(run({u"-o"_s, u"remount,ro"_s, at({})}));
        const AppPaths paths = DataHome::locate(at({}), {m_dir->filePath(u"xdg"_s), m_dir->path()});
        QCOMPARE(paths.dataRoot(), QDir::cleanPath(at({})));
        QCOMPARE(DataCheck::unwritableFolder(paths), paths.dataRoot());
        QVERIFY(DataCheck::unwritableMessage(paths.dataRoot()).contains(QDir::toNativeSeparators(paths.dataRoot())));
        QVERIFY(!QFile::exists(m_dir->filePath(u"xdg"_s)));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    bool m_mounted = false;
};

XIAOWU_TEST(TestFullDisk)
#include "TestFullDisk.moc"
