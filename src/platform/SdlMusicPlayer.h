#pragma once

#include "platform/MusicPlayer.h"

struct _Mix_Music;

// MIDI, WAVE and MP3 through SDL2_mixer. Only SDL's audio subsystem is started, on the first play,
// so a machine without sound still runs the program: play() then simply fails.
class SdlMusicPlayer : public MusicPlayer
{
public:
    SdlMusicPlayer() = default;
    ~SdlMusicPlayer() override;
    SdlMusicPlayer(const SdlMusicPlayer&) = delete;
    SdlMusicPlayer& operator=(const SdlMusicPlayer&) = delete;

    bool play(const QString& path) override;
    void stop() override;
    bool isPlaying() const override;

    // At the program's end: silence at once, and leave the sound device to be released with the
    // process. Closing it waits for SDL to drain two buffer lengths and for the sound server to
    // close the stream, time in which the ended program still seems to run.
    void stopForExit();

private:
    bool openAudio();

    bool m_audioOpen = false;
    _Mix_Music* m_music = nullptr;
};
