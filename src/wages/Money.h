#pragma once

#include <QString>

#include <optional>

// Amounts of money as whole cents in 64 bits. Typed and stored amounts are read here and nowhere
// else, decimally, so 2.675 rounds to 2.68 and sums are exact to the cent.
namespace Money {

// The largest amount a cell takes when typed (999,999,999,999.99); larger ones are a slip.
inline constexpr qint64 MaxAmount = 100'000'000'000'000 - 1;
// The largest number read at all: room for net pays and totals of typed amounts, and still far
// from the end of 64 bits.
inline constexpr qint64 MaxReadable = 1'000'000'000'000'000'000 - 1;

struct Reading
{
    qint64 cents = 0; // rounded to the cent, half away from zero
    bool positive = false; // above 0.0000001, before rounding
};

// The number at the start of the text: blanks, a sign, digits with one decimal point, an exponent
// ("1.5e3"). Nothing when there is no digit, or when the value is beyond MaxReadable; "nan" and
// "inf" are words like any other.
std::optional<Reading> read(QStringView text);

// What a cell counts as in net pay and totals: its cents, 0 when it holds no number.
qint64 centsOf(QStringView text);

// a + b, held at the ends of 64 bits rather than wrapping (only a forged file gets there).
qint64 add(qint64 a, qint64 b);

// Two decimals, a minus sign only below zero: 1234.50, -0.05, 0.00.
QString format(qint64 cents);

} // namespace Money
