#pragma once

// The printed sheets name the Windows typefaces 宋体 and 楷体_GB2312; here they are the AR PL Sungti
// and Kaiti fonts. Installs the font substitutions once per process (the application does it at
// start; tests and tools that paint sheets call it themselves). Needs a QGuiApplication.
namespace SheetFonts {

void installSubstitutions();

} // namespace SheetFonts
