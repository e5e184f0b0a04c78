#pragma once

class QComboBox;
class StudentsHost;

// Fills a class combo box from 班级表 in table order and, item for item, the main window's
// head-teacher list; index 0 selected in both. Meant to give way to the shared class loading.
namespace StudentClassLoader {

// True when at least one class exists.
bool load(QComboBox& box, StudentsHost& host);

} // namespace StudentClassLoader
