#include "platform/SdlMusicPlayer.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool looksLikeMidi(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(12);
    return head.startsWith("MThd") || (head.startsWith("RIFF") && head.mid(8, 4) == "RMID");
}

} // namespace

SdlMusicPlayer::~SdlMusicPlayer()
{
    stop();
    if (m_audioOpen) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

bool SdlMusicPlayer::openAudio()
{
    if (m_audioOpen)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MID | MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_audioOpen = true;
    return true;
}

bool SdlMusicPlayer::play(const QString& path)
{
    stop();
    if (!openAudio())
        return false;
    m_music = Mix_LoadMUS(QFile::encodeName(path).constData());
    if (!m_music)
        return false;
    // The MIDI decoder accepts any file by its name and only fails, again on every loop, once it plays.
    if (Mix_GetMusicType(m_music) == MUS_MID && !looksLikeMidi(path)) {
        stop();
        return false;
    }
    // -1: repeat without end.
    if (Mix_PlayMusic(m_music, -1) != 0) {
        stop();
        return false;
    }
    return true;
}

void SdlMusicPlayer::stop()
{
    if (!m_music)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_music);
    m_music = nullptr;
}

void SdlMusicPlayer::stopForExit()
{
    stop();
    if (m_audioOpen) {
        // Paused, the device no longer calls into the mixer while the process winds down.
        SDL_PauseAudio(1);
        m_audioOpen = false;
    }
}

bool SdlMusicPlayer::isPlaying() const
{
    return m_music && Mix_PlayingMusic() != 0;
}
