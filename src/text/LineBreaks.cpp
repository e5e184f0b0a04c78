#include "text/LineBreaks.h"

using namespace Qt::StringLiterals;

namespace LineBreaks {

QString forDisplay(const QString& stored)
{
    QString text = stored;
    text.replace(u"\r\n"_s, u"\n"_s);
    return text;
}

QString forStorage(const QString& shown)
{
    QString text = forDisplay(shown);
    text.replace(u'\n', u"\r\n"_s);
    return text;
}

} // namespace LineBreaks
