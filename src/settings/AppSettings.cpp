#include "settings/AppSettings.h"

#include "platform/DiskFileOps.h"
#include "text/GbText.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString defaultLineEnd = u"\r\n"_s;

// The section name of a "[name]" line.
std::optional<QString> sectionOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return (close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1)).trimmed();
}

// The key of a "key=value" line; comments and other lines have none.
std::optional<QString> keyOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return trimmed.left(equals).trimmed();
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One line per value: a line break would end the value and start a stray line.
QString oneLine(QString value)
{
    value.replace(u"\r\n"_s, u" "_s);
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

AppSettings::AppSettings(const QString& path)
    : m_path(path)
    , m_ownFileOps(std::make_unique<DiskFileOps>())
    , m_fileOps(*m_ownFileOps)
{ }

AppSettings::AppSettings(const QString& path, FileOps& fileOps)
    : m_path(path)
    , m_fileOps(fileOps)
{ }

AppSettings::~AppSettings() = default;

bool AppSettings::exists() const
{
    return m_fileOps.exists(m_path);
}

QStringList AppSettings::readLines(QString* lineEnd) const
{
    const std::optional<QByteArray> bytes = m_fileOps.readFile(m_path);
    if (lineEnd)
        *lineEnd = bytes && !bytes->contains("\r\n") && bytes->contains('\n') ? u"\n"_s : defaultLineEnd;
    if (!bytes || bytes->isEmpty())
        return {};
    QString text = GbText::fromBytes(*bytes);
    text.replace(u"\r\n"_s, u"\n"_s);
    QStringList lines = text.split(u'\n');
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool AppSettings::writeLines(const QStringList& lines, const QString& lineEnd)
{
    QString text;
    for (const QString& line : lines)
        text += line + lineEnd;
    return m_fileOps.writeFile(m_path, GbText::toBytes(text));
}

QString AppSettings::failure(const QString& message) const
{
    return m_fileOps.failure(message);
}

QString AppSettings::value(const QString& section, const QString& key, const QString& fallback) const
{
    bool inSection = false;
    for (const QString& line : readLines(nullptr)) {
        if (const auto name = sectionOf(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto lineKey = keyOf(line);
        if (!lineKey || !sameName(*lineKey, key))
            continue;
        QString found = line.mid(line.indexOf(u'=') + 1).trimmed();
        if (found.size() >= 2 && found.startsWith(u'"') && found.endsWith(u'"'))
            found = found.mid(1, found.size() - 2);
        return GbText::leftBytes(found, maxValueBytes);
    }
    return fallback;
}

bool AppSettings::setValue(const QString& section, const QString& key, const QString& value)
{
    // Rewriting an unreadable file from nothing would lose every other setting in it.
    if (exists() && !m_fileOps.readFile(m_path))
        return false;
    QString lineEnd;
    QStringList lines = readLines(&lineEnd);
    const QString entry = key + u'=' + oneLine(value);

    qsizetype sectionLine = -1;
    qsizetype lastInSection = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i])) {
            if (sectionLine >= 0)
                break;
            if (sameName(*name, section)) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (sectionLine < 0)
            continue;
        // Blank lines and comments after the last entry belong to what follows.
        const QString trimmed = lines[i].trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(u';'))
            lastInSection = i;
        const auto lineKey = keyOf(lines[i]);
        if (lineKey && sameName(*lineKey, key)) {
            lines[i] = entry;
            return writeLines(lines, lineEnd);
        }
    }
    if (sectionLine >= 0) {
        lines.insert(lastInSection + 1, entry);
    } else {
        lines.append(u'[' + section + u']');
        lines.append(entry);
    }
    return writeLines(lines, lineEnd);
}

bool AppSettings::writeDefaultsIfMissing()
{
    if (exists())
        return true;
    QStringList lines {u"[School]"_s, u"Name=(请设置学校名称)"_s, u"[Interface]"_s, u"Style=0"_s, u"[Wages]"_s};
    for (int sheet = 1; sheet <= 5; ++sheet)
        lines.append(wageKey(sheet) + u"=教员工资表"_s);
    return writeLines(lines, defaultLineEnd);
}

QString AppSettings::schoolName() const
{
    return value(u"school"_s, u"Name"_s);
}

bool AppSettings::setSchoolName(const QString& name)
{
    return setValue(u"School"_s, u"Name"_s, name);
}

int AppSettings::interfaceStyle() const
{
    // Like the old Val(): the leading digits count, anything else is 0.
    const QString text = value(u"Interface"_s, u"Style"_s, u"0"_s);
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit() && text[digits].unicode() < 128)
        ++digits;
    const int style = text.left(std::min<qsizetype>(digits, 9)).toInt();
    return style >= 1 && style <= 3 ? style : 0;
}

bool AppSettings::setInterfaceStyle(int style)
{
    return setValue(u"Interface"_s, u"Style"_s, QString::number(style));
}

QString AppSettings::wageKey(int sheet)
{
    static const QStringList keys {u"工资表一"_s, u"工资表二"_s, u"工资表三"_s, u"工资表四"_s, u"工资表五"_s};
    return sheet >= 1 && sheet <= 5 ? keys[sheet - 1] : QString();
}

QString AppSettings::wageTitle(int sheet) const
{
    const QString key = wageKey(sheet);
    return key.isEmpty() ? QString() : value(u"Wages"_s, key);
}

bool AppSettings::setWageTitle(int sheet, const QString& title)
{
    const QString key = wageKey(sheet);
    return !key.isEmpty() && setValue(u"Wages"_s, key, title);
}

QString AppSettings::standardGraduationDate() const
{
    return value(u"Graduate"_s, u"date1"_s);
}

bool AppSettings::setStandardGraduationDate(const QString& date)
{
    return setValue(u"Graduate"_s, u"date1"_s, date);
}

QString AppSettings::customGraduationDate() const
{
    return value(u"Graduate"_s, u"date2"_s);
}

bool AppSettings::setCustomGraduationDate(const QString& date)
{
    return setValue(u"Graduate"_s, u"Date2"_s, date);
}
