#pragma once

#include <QStringList>

// The ready-made entries of the editor's combo boxes.
namespace StudentEntryLists {

const QStringList& nationalities(); // 56
const QStringList& classDuties(); // 23
const QStringList& guardianRelations(); // 14

} // namespace StudentEntryLists
