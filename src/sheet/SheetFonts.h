#pragma once

#include <QStringList>

// The printed sheets name the Windows typefaces 宋体 and 楷体_GB2312; here they are the AR PL Sungti
// and Kaiti fonts. Installs the font substitutions once per process (the application does it at
// start; tests and tools that paint sheets call it themselves). Needs a QGuiApplication.
namespace SheetFonts {

void installSubstitutions();

// The Arphic families the substitutions name that this system lacks (scripts/setup installs
// them); without them Qt would quietly print 宋体 and 楷体_GB2312 in some other font.
QStringList missingFamilies();
// A warning naming the missing fonts and their packages; empty when none is missing.
QString missingFontsWarning();

} // namespace SheetFonts
