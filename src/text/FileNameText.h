#pragma once

#include <QString>

// A title offered as the name of a file the user saves (an export, a report as a PDF).
namespace FileNameText {

// The title without what a file name cannot hold (or what would hide the file: leading dots);
// `fallback` when nothing is left.
QString fromTitle(const QString& title, const QString& fallback);

} // namespace FileNameText
