#include "prefs/MusicMenu.h"

#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/MusicPlayer.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"

using namespace Qt::StringLiterals;

MusicMenu::MusicMenu(PlatformServices& services, const AppPaths& paths, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_paths(paths)
{ }

void MusicMenu::playBackground(int music)
{
    // The mark moves before anything is tried, and stays even when no file is found.
    setTicks(music == 1, music == 2, false);
    for (const QString& relative : MusicChoice::candidates(music)) {
        const QString path = m_paths.path(relative);
        if (m_services.fileOps.exists(path)) {
            start(path);
            return;
        }
    }
    m_services.prompt.show(MusicChoice::missingMessage(music));
}

void MusicMenu::otherMusic()
{
    const std::optional<QString> chosen = m_services.fileChooser.openFile(u"打开"_s, MusicChoice::nameFilter());
    if (!chosen || chosen->isEmpty()) {
        // Nothing changes, but a menu that toggled its own mark on the click must show the old one again.
        Q_EMIT ticksChanged();
        return;
    }
    setTicks(false, false, true);
    start(*chosen);
}

void MusicMenu::stopMusic()
{
    setTicks(false, false, false);
    m_services.music.stop();
    m_current.clear();
}

void MusicMenu::setTicks(bool music1, bool music2, bool other)
{
    m_ticks = {music1, music2, other};
    Q_EMIT ticksChanged();
}

void MusicMenu::start(const QString& path)
{
    // One music at a time. A file that will not play is not reported: the user simply hears nothing.
    m_services.music.stop();
    m_player = MusicChoice::playerFor(path);
    m_current = path;
    m_services.music.play(path);
}
