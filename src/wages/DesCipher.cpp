#include "wages/DesCipher.h"

#include <nettle/des.h>

struct DesCipher::Context
{
    des_ctx ctx;
};

DesCipher::DesCipher(const Key& key)
    : m_context(new Context)
{
    // A weak key still gets its schedule; nettle only says so in the result, which we do not need.
    des_set_key(&m_context->ctx, key.data());
}

DesCipher::~DesCipher()
{
    delete m_context;
}

QByteArray DesCipher::encrypt(QByteArrayView plain) const
{
    if (plain.size() % BlockSize != 0)
        return {};
    QByteArray out(plain.size(), Qt::Uninitialized);
    des_encrypt(&m_context->ctx, size_t(plain.size()), reinterpret_cast<uint8_t*>(out.data()),
        reinterpret_cast<const uint8_t*>(plain.data()));
    return out;
}

QByteArray DesCipher::decrypt(QByteArrayView cipher) const
{
    if (cipher.size() % BlockSize != 0)
        return {};
    QByteArray out(cipher.size(), Qt::Uninitialized);
    des_decrypt(&m_context->ctx, size_t(cipher.size()), reinterpret_cast<uint8_t*>(out.data()),
        reinterpret_cast<const uint8_t*>(cipher.data()));
    return out;
}
