#include "prefs/Preferences.h"

#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "prefs/InterfaceStyler.h"
#include "prefs/ManualWindow.h"
#include "prefs/UiStyleWindow.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

void tellIfNotStarted(Prompt& prompt, DesktopTools::Start start, const QString& notInstalled, const QString& failed)
{
    if (start == DesktopTools::Start::NotInstalled)
        prompt.show(notInstalled, u"提示"_s, Prompt::Icon::Information);
    else if (start == DesktopTools::Start::Failed)
        prompt.show(failed, u"提示"_s, Prompt::Icon::Warning);
}

} // namespace

Preferences::Preferences(PlatformServices& services, const AppPaths& paths, AppSettings& settings, QWidget* owner)
    : QObject(owner)
    , m_services(services)
    , m_settings(settings)
    , m_owner(owner)
    , m_music(services, paths)
    , m_tools(services, paths)
{
    connect(&m_music, &MusicMenu::ticksChanged, this, &Preferences::showTicks);
}

void Preferences::setMusicActions(QAction* music1, QAction* music2, QAction* otherMusic)
{
    m_music1 = music1;
    m_music2 = music2;
    m_otherMusic = otherMusic;
    for (QAction* action : {music1, music2, otherMusic}) {
        if (action)
            action->setCheckable(true);
    }
    showTicks();
}

void Preferences::showTicks()
{
    const MusicMenu::Ticks ticks = m_music.ticks();
    if (m_music1)
        m_music1->setChecked(ticks.music1);
    if (m_music2)
        m_music2->setChecked(ticks.music2);
    if (m_otherMusic)
        m_otherMusic->setChecked(ticks.otherMusic);
}

void Preferences::applyStoredStyle()
{
    InterfaceStyler::apply(m_settings.interfaceStyle());
}

void Preferences::chooseStyle()
{
    UiStyleWindow window(m_settings, m_owner);
    // The look changes at once; only the next start would show the loss, so it is told now.
    if (window.exec() == QDialog::Accepted && !window.saved())
        m_services.prompt.show(m_settings.failure(u"界面风格不能保存到配置文件，下次启动时将恢复原来的界面。"_s),
            u"错误"_s, Prompt::Icon::Error);
}

void Preferences::openNotepad()
{
    tellIfNotStarted(m_services.prompt, m_tools.openNotepad(),
        u"未找到记事本程序。请安装 gedit 或 mousepad 等文本编辑器。"_s, u"记事本程序无法启动！"_s);
}

void Preferences::openCalculator()
{
    tellIfNotStarted(m_services.prompt, m_tools.openCalculator(),
        u"未找到计算器程序。请安装 gnome-calculator 或 galculator 等计算器。"_s, u"计算器程序无法启动！"_s);
}

void Preferences::openManual()
{
    switch (m_tools.openManual()) {
    case DesktopTools::Manual::Opened:
        return;
    case DesktopTools::Manual::Missing:
        m_services.prompt.show(u"找不到使用手册文件“使用手册.html”！"_s, u"提示"_s, Prompt::Icon::Warning);
        return;
    case DesktopTools::Manual::ShowHere:
        break;
    }
    if (!m_manual)
        m_manual = new ManualWindow(m_tools.manualPath(), m_owner);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}
