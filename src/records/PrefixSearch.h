#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A search of a roster: one field chosen from a fixed list, the typed value matched as the
// beginning of that column. The field never comes from the user's text and the value is bound,
// with the wildcards % and _ and the escape \ taken literally.
namespace PrefixSearch {

// The typed text with every blank (ASCII and full-width) removed; nothing when none is left.
std::optional<QString> cleanValue(QStringView typed);
// The bound value: the text escaped, then "%".
QString likeValue(QStringView value);
// "<column> like ? escape '\'" for a field of the offered list (field names are column names);
// nothing for any other text.
std::optional<QString> condition(const QStringList& offered, const QString& field);

} // namespace PrefixSearch
