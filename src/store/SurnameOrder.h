#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Names sort by the surname as it is read in a surname (曾 zēng, not céng; 单 shàn, 解 xiè, 朴 piáo
// …), then by the rest of the name in the ordinary pinyin order. The surname is the first character,
// or the first two for a compound surname (欧阳, 司马, 尉迟 …).
namespace SurnameOrder {

// The text to collate in place of the name: a surname read otherwise than its common reading is
// replaced by a character whose common reading it has. Only the surname position changes.
QString sortText(const QString& name);

// The tables sortText works from, for the server's rendering of the same order.
const QHash<QString, QString>& readings();
const QStringList& compounds();

} // namespace SurnameOrder
