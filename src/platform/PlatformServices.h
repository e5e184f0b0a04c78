#pragma once

class Prompt;
class FileChooser;
class Clock;
class Screen;
class MusicPlayer;
class Launcher;
class FileOps;

// What the desktop provides, handed by the application object to every window it creates.
struct PlatformServices
{
    Prompt& prompt;
    FileChooser& fileChooser;
    Clock& clock;
    Screen& screen;
    MusicPlayer& music;
    Launcher& launcher;
    FileOps& fileOps;
};
