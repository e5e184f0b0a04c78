#pragma once

#include <QTest>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

// A data table's columns in one line: addColumns<QString, int>({"typed", "finish"}).
template<typename... Types>
void addColumns(const std::array<const char*, sizeof...(Types)>& names)
{
    std::size_t i = 0;
    (QTest::addColumn<Types>(names[i++]), ...);
}

// A case run both ways of one switch: a bool column and a named row for each way, in the order given.
inline void addSwitchRows(const char* column, std::initializer_list<std::pair<const char*, bool>> rows)
{
    QTest::addColumn<bool>(column);
    for (const auto& [name, value] : rows)
        QTest::newRow(name) << value;
}
