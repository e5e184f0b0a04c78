// xiaowu_core must build without widgets, yet Qt's base include directory comes in through Gui, so
// `#include <QtWidgets/QMenu>` would still compile there. This walks every core source and the
// project headers it pulls in and names each file that reaches for QtWidgets or QtPrintSupport.
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What CMake wrote at generate time: one "<kind> <path>" per line.
struct CoreLayout
{
    QString sourceDir;
    QStringList sources;
    QStringList includeDirs;
    QStringList projectRoots;
    QStringList forbiddenDirs;
    QStringList allowedDirs;
};

CoreLayout readLayout(const QString& path)
{
    CoreLayout layout;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return layout;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype space = line.indexOf(u' ');
        if (space <= 0)
            continue;
        const QString kind = line.left(space);
        const QString value = line.mid(space + 1);
        if (kind == u"dir")
            layout.sourceDir = value;
        else if (kind == u"source")
            layout.sources << value;
        else if (kind == u"include")
            layout.includeDirs << value;
        else if (kind == u"root")
            layout.projectRoots << QDir::cleanPath(value);
        else if (kind == u"forbidden")
            layout.forbiddenDirs << value;
        else if (kind == u"allowed")
            layout.allowedDirs << value;
    }
    return layout;
}

QSet<QString> headerNames(const QStringList& dirs)
{
    QSet<QString> names;
    for (const QString& dir : dirs) {
        for (const QString& name : QDir(dir).entryList(QDir::Files))
            names.insert(name);
    }
    return names;
}

bool isCpp(const QString& path)
{
    static const QStringList suffixes {u"cpp"_s, u"cc"_s, u"cxx"_s, u"c"_s, u"h"_s, u"hpp"_s};
    return suffixes.contains(QFileInfo(path).suffix());
}

class IncludeWalk
{
public:
    explicit IncludeWalk(const CoreLayout& layout)
        : m_layout(layout)
    {
        for (const QString& dir : layout.forbiddenDirs)
            m_modules << QFileInfo(dir).fileName();
        // A bare <QAction> comes from QtGui even though QtWidgets once had it: only names that
        // nothing on the core include path provides count.
        m_bareNames = headerNames(layout.forbiddenDirs) - headerNames(layout.allowedDirs);
    }

    int forbiddenNameCount() const { return int(m_bareNames.size()); }

    void visit(const QString& path)
    {
        const QString file = QDir::cleanPath(path);
        if (m_seen.contains(file))
            return;
        m_seen.insert(file);
        QFile source(file);
        if (!source.open(QIODevice::ReadOnly)) {
            m_unreadable << file;
            return;
        }
        static const QRegularExpression include(uR"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"_s);
        int lineNumber = 0;
        while (!source.atEnd()) {
            ++lineNumber;
            const auto match = include.match(QString::fromUtf8(source.readLine()));
            if (!match.hasMatch())
                continue;
            const QString name = match.captured(2).trimmed();
            const bool quoted = match.captured(1) == u"\"";
            if (isForbidden(name)) {
                const QString shown = quoted ? u'"' + name + u'"' : u'<' + name + u'>';
                m_offenders << u"%1:%2: #include %3"_s.arg(file).arg(lineNumber).arg(shown);
            }
            const QString resolved = resolve(name, quoted, QFileInfo(file).absolutePath());
            if (!resolved.isEmpty())
                visit(resolved);
        }
    }

    const QStringList& offenders() const { return m_offenders; }
    const QStringList& unreadable() const { return m_unreadable; }
    qsizetype filesSeen() const { return m_seen.size(); }

private:
    bool isForbidden(const QString& name) const
    {
        const QString module = name.section(u'/', 0, 0);
        if (name.contains(u'/'))
            return m_modules.contains(module);
        return m_bareNames.contains(name);
    }

    // Only our own headers are followed; Qt's and the system's are judged by name alone.
    QString resolve(const QString& name, bool quoted, const QString& from) const
    {
        QStringList candidates;
        if (quoted)
            candidates << from;
        candidates << m_layout.includeDirs;
        for (const QString& dir : candidates) {
            const QString path = QDir::cleanPath(dir + u'/' + name);
            if (!QFileInfo(path).isFile())
                continue;
            for (const QString& root : m_layout.projectRoots) {
                if (path.startsWith(root + u'/'))
                    return path;
            }
            return {};
        }
        return {};
    }

    const CoreLayout& m_layout;
    QStringList m_modules;
    QSet<QString> m_bareNames;
    QSet<QString> m_seen;
    QStringList m_offenders;
    QStringList m_unreadable;
};

} // namespace

class TestCoreLayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coreReachesNoWidgetsOrPrinting()
    {
        const CoreLayout layout = readLayout(QStringLiteral(XIAOWU_CORE_LAYOUT_FILE));
        // An empty list would make the check pass without looking at anything.
        QVERIFY2(layout.sources.size() > 20, XIAOWU_CORE_LAYOUT_FILE);
        QVERIFY(!layout.forbiddenDirs.isEmpty());
        IncludeWalk walk(layout);
        QVERIFY(walk.forbiddenNameCount() > 100);

        int cppSources = 0;
        for (const QString& source : layout.sources) {
            const QString path = QDir(layout.sourceDir).absoluteFilePath(source);
            if (!isCpp(path))
                continue;
            ++cppSources;
            walk.visit(path);
        }
        QVERIFY(cppSources > 20);
        QVERIFY2(walk.unreadable().isEmpty(), qPrintable(walk.unreadable().join(u'\n')));
        QVERIFY2(walk.offenders().isEmpty(),
            qPrintable(u"core sources that include QtWidgets or QtPrintSupport:\n"_s + walk.offenders().join(u'\n')));
    }
};

XIAOWU_TEST(TestCoreLayer)
#include "TestCoreLayer.moc"
