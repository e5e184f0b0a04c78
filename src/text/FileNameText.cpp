#include "text/FileNameText.h"

using namespace Qt::StringLiterals;

QString FileNameText::fromTitle(const QString& title, const QString& fallback)
{
    QString name = title;
    name.removeIf([](QChar c) { return u"/\\:*?\"<>|"_s.contains(c) || c.unicode() < 0x20; });
    name = name.trimmed();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? fallback : name;
}
