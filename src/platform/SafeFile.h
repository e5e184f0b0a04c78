#pragma once

#include <QByteArray>
#include <QString>

// Replacing a file so that it is either the new one, complete and on disk, or the old one byte for
// byte. The bytes go to a scratch file "<name>.<random>.part" beside the target; every write, the
// flush and the fsync are checked before the rename, and the folder is synced after it. A scratch
// file left by a crash is removed by the next start.
namespace SafeFile {

// On failure, error gets a sentence for the user that names the file and the cause.
bool write(const QString& path, const QByteArray& data, QString* error = nullptr);
bool copy(const QString& from, const QString& to, QString* error = nullptr);

// The sentence for an errno value met while writing path.
QString reason(int errorNumber, const QString& path);

// The scratch files' suffix.
inline constexpr char16_t scratchSuffix[] = u".part";

} // namespace SafeFile
