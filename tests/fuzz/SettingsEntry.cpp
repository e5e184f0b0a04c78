#include "FuzzEntries.h"

#include "settings/AppSettings.h"
#include "text/GbText.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The bytes as config.ini: every read stays within its limits, and a value written into whatever
// the file held reads back while the other values stay as they were.
QString FuzzEntries::settings(QByteArrayView bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"config.ini"_s);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(bytes.data(), bytes.size());
    }
    AppSettings settings(path);
    const int style = settings.interfaceStyle();
    if (style < 0 || style > 3)
        return u"interface style %1 outside 0..3"_s.arg(style);
    const QString school = settings.schoolName();
    const QString title = settings.wageTitle(1);
    for (const QString& value : {school, title, settings.standardGraduationDate(), settings.customGraduationDate()}) {
        if (GbText::byteLength(value) > AppSettings::maxValueBytes)
            return u"a value longer than the limit"_s;
    }
    if (!settings.setInterfaceStyle(2))
        return u"cannot write the settings file"_s;
    if (settings.interfaceStyle() != 2)
        return u"a written style does not read back"_s;
    if (settings.schoolName() != school || settings.wageTitle(1) != title)
        return u"writing one value changed another"_s;
    return {};
}
