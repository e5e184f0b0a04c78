#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates are kept as texts such as "2005年9月1日", never zero-padded.
namespace DateText {

QString format(QDate date);
QString format(int year, int month, int day);

// Reads a text written by format() (leading zeros and surrounding blanks tolerated); anything
// else, or a day that does not exist, gives no date.
std::optional<QDate> parse(QStringView text);

// Reads a date as a person types it: "2019年3月15日", "2019-3-15", "2019.3.15", "2019/3/15" or
// "20190315", in half- or full-width characters, with blanks around it or its separators. The year
// has four digits; a day that does not exist gives no date.
std::optional<QDate> readTyped(QStringView text);

} // namespace DateText
