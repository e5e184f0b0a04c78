#include "prefs/Preferences.h"

#include "prefs/InterfaceStyler.h"
#include "prefs/UiStyleWindow.h"
#include "settings/AppSettings.h"

#include <QAction>
#include <QWidget>

Preferences::Preferences(PlatformServices& services, const AppPaths& paths, AppSettings& settings, QWidget* owner)
    : QObject(owner)
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
    window.exec();
}
