#include "platform/DesktopLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

QString DesktopLauncher::findProgram(const QStringList& candidates) const
{
    for (const QString& name : candidates) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool DesktopLauncher::startDetached(const QString& program, const QStringList& arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

bool DesktopLauncher::openDocument(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopLauncher::hasWebBrowser() const
{
    // Qt hands documents to xdg-open and counts it as done once xdg-open has started, even when
    // xdg-open then finds nothing to show the page with. So look for what xdg-open would use.
    if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty())
        return false;
    // x-www-browser is Debian's name for whichever graphical browser is installed.
    if (!findProgram({u"x-www-browser"_s, u"firefox"_s, u"firefox-esr"_s, u"chromium"_s, u"google-chrome"_s,
                         u"epiphany"_s, u"konqueror"_s, u"falkon"_s})
             .isEmpty())
        return true;
    QProcess query;
    query.start(u"xdg-mime"_s, {u"query"_s, u"default"_s, u"text/html"_s});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}
