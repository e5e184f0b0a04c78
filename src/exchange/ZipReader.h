#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The entries of a zip held in memory. Every offset and length in the file is checked against the
// bytes actually there, and an entry is unpacked in chunks up to a cap whatever size it claims.
class ZipReader
{
public:
    enum class Status { Ok, Missing, Damaged, TooLarge };

    explicit ZipReader(const QByteArray& bytes);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    // False when the bytes are no zip (or one cut off before its directory).
    bool isOpen() const { return m_zip != nullptr; }

    // The entry of that name, ASCII case ignored; Missing when there is none.
    std::optional<QByteArray> entry(const QString& name, qint64 maxBytes, Status* status = nullptr);

    // The bytes and the read position, as minizip's file callbacks see them.
    struct Stream
    {
        QByteArray bytes;
        qint64 position = 0;
    };

private:
    Stream m_stream;
    void* m_zip = nullptr;
};
