#include "app/DataHome.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDataHome : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void locatesProgramAndData_data()
    {
        addColumns<QStringList, QString, QString, QString>({"made", "xdg", "program", "data"});
        // Paths below the scratch directory; "home" stands for the user's home.
        QTest::newRow("build tree keeps its data") << QStringList {u"bin/data"_s} << u"/xdg"_s << u"bin"_s << u"bin"_s;
        QTest::newRow("installed, XDG_DATA_HOME set")
            << QStringList {u"bin"_s, u"share/xiaowu"_s} << u"/xdg"_s << u"share/xiaowu"_s << u"/xdg/xiaowu"_s;
        QTest::newRow("installed, XDG_DATA_HOME empty") << QStringList {u"bin"_s, u"share/xiaowu"_s} << QString()
                                                        << u"share/xiaowu"_s << u"home/.local/share/xiaowu"_s;
        QTest::newRow("bare directory, relative XDG_DATA_HOME ignored")
            << QStringList {u"bin"_s} << u"rel"_s << u"bin"_s << u"home/.local/share/xiaowu"_s;
    }

    void locatesProgramAndData()
    {
        QFETCH(QStringList, made);
        QFETCH(QString, xdg);
        QFETCH(QString, program);
        QFETCH(QString, data);
        QTemporaryDir scratch;
        for (const QString& dir : made)
            QVERIFY(QDir(scratch.path()).mkpath(dir));
        const auto at = [&](const QString& p) { return p.startsWith(u"/xdg"_s) ? p : scratch.filePath(p); };

        const AppPaths paths = DataHome::locate(scratch.filePath(u"bin"_s), {xdg, scratch.filePath(u"home"_s)});
        QCOMPARE(paths.programDir(), at(program));
        QCOMPARE(paths.dataRoot(), at(data));
        QCOMPARE(paths.database(DatabaseKind::Admin), at(data) + u"/data/008.xsk"_s);
        QCOMPARE(paths.programFile(u"\\使用手册.html"), at(program) + u"/使用手册.html"_s);
    }
};

XIAOWU_TEST(TestDataHome)
#include "TestDataHome.moc"
