// The folders of src/ stand in three storeys: the foundation (texts, platform seams, the store,
// settings, accounts, sheets), workspace/ with what every feature may use of the program, and the
// features; app/ wires them all together on top. An include that runs upward turns the house into
// a knot, so this reads every #include "folder/…" below src/ and names each one that does.
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList foundation {u"text"_s, u"platform"_s, u"store"_s, u"settings"_s, u"access"_s, u"sheet"_s};

// Why `from` may not include `to`, or nothing when it may.
QString refusal(const QString& from, const QString& to)
{
    if (from == to)
        return {};
    if (to == u"app" && from != u"app")
        return u"only app/ includes app/"_s;
    if (from == u"workspace" && !foundation.contains(to))
        return u"workspace/ includes only the foundation"_s;
    if (foundation.contains(from) && !foundation.contains(to))
        return u"the foundation includes only the foundation"_s;
    return {};
}

} // namespace

class TestFolderLayers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rule_data()
    {
        addColumns<QString, QString, bool>({"from", "to", "allowed"});
        QTest::newRow("feature uses workspace") << u"students"_s << u"workspace"_s << true;
        QTest::newRow("feature uses another feature") << u"teachers"_s << u"students"_s << true;
        QTest::newRow("feature reaches app") << u"students"_s << u"app"_s << false;
        QTest::newRow("workspace reaches app") << u"workspace"_s << u"app"_s << false;
        QTest::newRow("workspace uses the store") << u"workspace"_s << u"store"_s << true;
        QTest::newRow("workspace reaches a feature") << u"workspace"_s << u"classes"_s << false;
        QTest::newRow("store reaches workspace") << u"store"_s << u"workspace"_s << false;
        QTest::newRow("app uses everything") << u"app"_s << u"students"_s << true;
    }

    void rule()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, allowed);
        QCOMPARE(refusal(from, to).isEmpty(), allowed);
    }

    void sourceTreeKeepsItsStoreys()
    {
        const QString root = QStringLiteral(XIAOWU_SOURCE_DIR);
        static const QRegularExpression include(u"^\\s*#\\s*include\\s*\"([a-z_]+)/[^\"]+\""_s);
        QStringList offenders;
        int workspaceIncludes = 0;
        QDirIterator it(root, {u"*.h"_s, u"*.cpp"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(root.size() + 1);
            const QString from = relative.section(u'/', 0, 0);
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            int lineNumber = 0;
            while (!file.atEnd()) {
                ++lineNumber;
                const auto match = include.match(QString::fromUtf8(file.readLine()));
                if (!match.hasMatch())
                    continue;
                const QString to = match.captured(1);
                if (to == u"workspace" && from != u"workspace")
                    ++workspaceIncludes;
                const QString why = refusal(from, to);
                if (!why.isEmpty())
                    offenders
                        << u"src/%1:%2: %3 (%4)"_s.arg(relative).arg(lineNumber).arg(match.captured(0).trimmed(), why);
            }
        }
        // The features reach the program through workspace/; none found means nothing was read.
        QVERIFY2(workspaceIncludes > 20, qPrintable(root));
        QVERIFY2(offenders.isEmpty(), qPrintable(u"includes that run upward:\n"_s + offenders.join(u'\n')));
    }
};

XIAOWU_TEST(TestFolderLayers)
#include "TestFolderLayers.moc"
