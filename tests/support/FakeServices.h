#pragma once

#include "support/FailingFileOps.h"
#include "support/FakeDesktop.h"
#include "support/FakePrompt.h"
#include "support/TempProgramDir.h"

#include "platform/AppPaths.h"
#include "platform/DiskFileOps.h"
#include "platform/PlatformServices.h"

#include <QFile>

// A temp program directory with the desktop seams faked, except files, which are real.
struct FakeServices
{
    TempProgramDir dir;
    FakePrompt prompt;
    FakeFileChooser fileChooser;
    FixedClock clock;
    FixedScreen screen;
    FakeMusicPlayer music;
    FakeLauncher launcher;
    // The real disk until a test makes an operation fail.
    FailingFileOps fileOps = FailingFileOps::working();
    PlatformServices services {prompt, fileChooser, clock, screen, music, launcher, fileOps};
    AppPaths paths {dir.path()};

    // Creates a file below the program directory, named as the program names it ("\Sound\Music1.mp3").
    QString touch(const QString& relative, const QByteArray& content = QByteArrayLiteral("x"))
    {
        const QString path = paths.path(relative);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return path;
    }
    // A file's bytes, empty when it cannot be read.
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
