#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>

// Single DES in ECB mode, the cipher of the wage files. Nettle does the work; parity bits of the
// key are ignored, as the files' key has none.
class DesCipher
{
public:
    static constexpr int BlockSize = 8;
    using Key = std::array<quint8, 8>;

    explicit DesCipher(const Key& key);
    ~DesCipher();
    DesCipher(const DesCipher&) = delete;
    DesCipher& operator=(const DesCipher&) = delete;

    // Whole blocks only: a length that is not a multiple of 8 gives an empty result.
    QByteArray encrypt(QByteArrayView plain) const;
    QByteArray decrypt(QByteArrayView cipher) const;

private:
    struct Context;
    Context* m_context;
};
