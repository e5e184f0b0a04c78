#include "exchange/ZipReader.h"

#include <unzip.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

using Stream = ZipReader::Stream;

voidpf ZCALLBACK openStream(voidpf opaque, const void*, int mode)
{
    return (mode & ZLIB_FILEFUNC_MODE_READ) ? opaque : nullptr;
}

uLong ZCALLBACK readStream(voidpf, voidpf stream, void* buffer, uLong size)
{
    auto* s = static_cast<Stream*>(stream);
    const auto n = static_cast<qint64>(std::min<quint64>(size, quint64(s->bytes.size() - s->position)));
    std::memcpy(buffer, s->bytes.constData() + s->position, size_t(n));
    s->position += n;
    return uLong(n);
}

uLong ZCALLBACK writeStream(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK tellStream(voidpf, voidpf stream)
{
    return ZPOS64_T(static_cast<Stream*>(stream)->position);
}

long ZCALLBACK seekStream(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto* s = static_cast<Stream*>(stream);
    const auto size = quint64(s->bytes.size());
    quint64 base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = quint64(s->position);
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = size;
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    // Offsets come from the file: one that points outside it is refused, not clamped.
    if (offset > size - base)
        return -1;
    s->position = qint64(base + offset);
    return 0;
}

int ZCALLBACK closeStream(voidpf, voidpf)
{
    return 0;
}

int ZCALLBACK streamError(voidpf, voidpf)
{
    return 0;
}

} // namespace

ZipReader::ZipReader(const QByteArray& bytes)
    : m_stream {bytes, 0}
{
    zlib_filefunc64_def functions {
        openStream, readStream, writeStream, tellStream, seekStream, closeStream, streamError, &m_stream};
    m_zip = unzOpen2_64("", &functions);
}

ZipReader::~ZipReader()
{
    if (m_zip)
        unzClose(m_zip);
}

std::optional<QByteArray> ZipReader::entry(const QString& name, qint64 maxBytes, Status* status)
{
    const auto fail = [status](Status why) -> std::optional<QByteArray> {
        if (status)
            *status = why;
        return std::nullopt;
    };
    const QByteArray utf8 = name.toUtf8();
    constexpr int CaseInsensitive = 2;
    if (!m_zip || utf8.isEmpty() || unzLocateFile(m_zip, utf8.constData(), CaseInsensitive) != UNZ_OK)
        return fail(Status::Missing);
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return fail(Status::Damaged);
    unz_file_info64 info {};
    const bool described = unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK;
    // Inflated straight into the text, sized once by the directory's word (within the limit, and
    // checked against what came below), with a byte over for the read that finds the end; a part
    // longer than it says grows as it comes.
    QByteArray out;
    if (described)
        out.reserve(qsizetype(std::min<quint64>(info.uncompressed_size, quint64(maxBytes))) + 1);
    constexpr qsizetype Chunk = 64 * 1024;
    for (;;) {
        const qsizetype at = out.size();
        const qsizetype room = std::min<qsizetype>(out.capacity() > at ? out.capacity() - at : Chunk, INT_MAX);
        out.resize(at + room);
        const int n = unzReadCurrentFile(m_zip, out.data() + at, unsigned(room));
        out.resize(at + std::max(n, 0));
        if (n < 0) {
            unzCloseCurrentFile(m_zip);
            return fail(Status::Damaged);
        }
        if (n == 0)
            break;
        if (out.size() > maxBytes) {
            unzCloseCurrentFile(m_zip);
            return fail(Status::TooLarge);
        }
    }
    // The checksum is checked only at the close, and only when the data ran to the size the
    // directory gives; data that ends early is caught by the size.
    const bool whole = described && info.uncompressed_size == quint64(out.size());
    if (unzCloseCurrentFile(m_zip) != UNZ_OK || !whole)
        return fail(Status::Damaged);
    if (status)
        *status = Status::Ok;
    return out;
}
