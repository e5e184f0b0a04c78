#pragma once

#include "sheet/SheetTable.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <string>

// Writes a generator's output file whole or not at all; on failure says so on stderr, in the
// generator's name.
inline bool writeGeneratorOutput(const char* generator, const char* path, const QByteArray& bytes)
{
    QSaveFile out(QString::fromLocal8Bit(path));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", generator, path);
        return false;
    }
    return true;
}

// Whether the generator was given its arguments; if not, says how to call it.
inline bool hasArguments(int argc, int wanted, const char* usage)
{
    if (argc == wanted + 1)
        return true;
    std::fprintf(stderr, "usage: %s\n", usage);
    return false;
}

// main() of a generator of one sheet: makes it and writes it, in the bytes `encode` gives, to the
// file its one argument names.
inline int writeOneSheet(
    int argc, char** argv, const char* generator, void (*make)(SheetTable&), QByteArray (*encode)(const SheetTable&))
{
    if (!hasArguments(argc, 1, (generator + std::string(" OUTPUT_FILE")).c_str()))
        return 2;
    SheetTable sheet;
    make(sheet);
    return writeGeneratorOutput(generator, argv[1], encode(sheet)) ? 0 : 1;
}
