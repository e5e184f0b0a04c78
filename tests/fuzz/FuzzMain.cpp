// The libFuzzer side of one target; XIAOWU_FUZZ_TARGET names it.
#include "FuzzEntries.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The photo target decodes images and the sheet target lays out fonts: both want a Gui
    // application, which needs no display on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString failure = FuzzEntries::run(
        QStringLiteral(XIAOWU_FUZZ_TARGET), QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property broken: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
