#pragma once

#include <QString>

// Long texts are stored with "\r\n" line breaks, as the printed cards and older files have them;
// the edit boxes work with "\n".
namespace LineBreaks {

QString forDisplay(const QString& stored);
QString forStorage(const QString& shown);

} // namespace LineBreaks
