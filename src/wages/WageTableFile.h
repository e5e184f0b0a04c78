#pragma once

#include "wages/DesCipher.h"

#include <QByteArray>
#include <QString>

#include <optional>

class SheetTable;

// The five wage files "\data\001.xsk" .. "\data\005.xsk": a sheet's "SDTW" bytes behind a
// little-endian length, zero-padded to whole blocks and enciphered with DES-ECB under a key made
// from a built-in pass phrase. The layout is the old program's, so its files stay readable.
namespace WageTableFile {

inline constexpr int SheetCount = 5;
inline constexpr int Columns = 10;

// "\data\001.xsk" for sheet 1; empty outside 1 .. 5.
QString relativePath(int sheet);
// "工资表一" .. "工资表五": the selector's items, the settings keys and the menu items.
QString sheetName(int sheet);

// The pass phrase's bytes XORed into eight zero bytes, position i into byte i mod 8.
DesCipher::Key key();

// Length, payload, zero padding, enciphered.
QByteArray seal(QByteArrayView payload);
// The payload of a sealed file, or nothing when the length is not a positive multiple of 8 or the
// deciphered length field does not fit the file (L > 0, L + 4 <= size < L + 12).
std::optional<QByteArray> unseal(QByteArrayView file);

// The sheet as its file holds it.
QByteArray write(const SheetTable& table);
// Loads a whole file into `table`: sealed, a sheet, ten columns and at least two rows (a header and
// the total row). Anything else leaves `table` as it was and returns false with a reason in *error.
bool read(QByteArrayView file, SheetTable& table, QString* error = nullptr);

// The empty wage sheet a fresh program directory holds in all five files, sealed.
QByteArray templateBytes();

} // namespace WageTableFile
