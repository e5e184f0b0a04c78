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

DesktopTools::Start DesktopTools::openNotepad()
{
    return startFirst(textEditors());
}

DesktopTools::Start DesktopTools::openCalculator()
{
    return startFirst(calculators());
}

QString DesktopTools::manualPath() const
{
    return m_paths.programFile(u"\\使用手册.html");
}

DesktopTools::Manual DesktopTools::openManual()
{
    const QString chm = m_paths.programFile(u"\\使用手册.chm");
    if (m_services.fileOps.exists(chm) && m_services.launcher.openDocument(chm))
        return Manual::Opened;
    const QString html = manualPath();
    if (!m_services.fileOps.exists(html))
        return Manual::Missing;
    if (m_services.launcher.hasWebBrowser() && m_services.launcher.openDocument(html))
        return Manual::Opened;
    return Manual::ShowHere;
}

DesktopTools::Start DesktopTools::startFirst(const QStringList& candidates)
{
    const QString program = m_services.launcher.findProgram(candidates);
    if (program.isEmpty())
        return Start::NotInstalled;
    return m_services.launcher.startDetached(program) ? Start::Started : Start::Failed;
}
