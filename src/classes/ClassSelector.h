#pragma once

class DbConnection;
class HeadTeacherList;
class QComboBox;

// The class loading every per-class window shares.
namespace ClassSelector {

// Fills the combo box with the class names in table order and the head-teacher list with their
// head teachers, item for item, and selects the first of both. The combo box reports its new
// current index once, after the head teachers are in place. True when at least one class exists;
// a failed query counts as no class.
bool load(QComboBox& box, HeadTeacherList& headTeachers, DbConnection& db);

} // namespace ClassSelector
