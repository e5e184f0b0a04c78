#include "prefs/DesktopTools.h"

#include "platform/FileOps.h"
#include "platform/Launcher.h"
#include "platform/PlatformServices.h"

using namespace Qt::StringLiterals;

DesktopTools::DesktopTools(PlatformServices& services, const AppPaths& paths)
    : m_services(services)
    , m_paths(paths)
{ }

const QStringList& DesktopTools::textEditors()
{
    static const QStringList editors {u"gnome-text-editor"_s, u"gedit"_s, u"kate"_s, u"kwrite"_s, u"mousepad"_s,
        u"pluma"_s, u"xed"_s, u"featherpad"_s, u"leafpad"_s};
    return editors;
}

const QStringList& DesktopTools::calculators()
{
    static const QStringList programs {u"gnome-calculator"_s, u"kcalc"_s, u"galculator"_s, u"mate-calc"_s,
        u"qalculate-gtk"_s, u"qalculate-qt"_s, u"xcalc"_s};
    return programs;
}

bool DesktopTools::openNotepad()
{
    return startFirst(textEditors());
}

bool DesktopTools::openCalculator()
{
    return startFirst(calculators());
}

bool DesktopTools::openManual()
{
    const QString chm = m_paths.path(u"\\使用手册.chm");
    const QString html = m_paths.path(u"\\使用手册.html");
    if (m_services.fileOps.exists(chm))
        return m_services.launcher.openDocument(chm);
    if (m_services.fileOps.exists(html))
        return m_services.launcher.openDocument(html);
    return false;
}

bool DesktopTools::startFirst(const QStringList& candidates)
{
    const QString program = m_services.launcher.findProgram(candidates);
    return !program.isEmpty() && m_services.launcher.startDetached(program);
}
