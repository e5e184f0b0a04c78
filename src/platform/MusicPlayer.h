#pragma once

#include <QString>

// Background music: one file at a time, looped until stopped.
class MusicPlayer
{
public:
    virtual ~MusicPlayer() = default;
    // Stops whatever plays, then loops the file; false when it cannot be played.
    virtual bool play(const QString& path) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
};
