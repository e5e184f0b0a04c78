#include "platform/DesktopLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

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
