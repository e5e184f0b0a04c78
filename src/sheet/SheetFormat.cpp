#include "sheet/SheetFormat.h"

#include "text/GbText.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace SheetFormat {

namespace {

constexpr char Magic[4] = {'S', 'D', 'T', 'W'};
constexpr qsizetype HeaderSize = 4 + 4 * 4;
constexpr qsizetype PageSetupSize = 4 * 4 + 4 * 2 + 3 * 4;
// attributes, two colours, font height and extra, name length, data length
constexpr qsizetype MinimalCellSize = 4 + 4 + 4 + 2 + 2 + 4 + 4;

// Writes into a buffer grown ahead of need; appending field by field to a QByteArray costs more
// than the fields themselves.
class Writer
{
public:
    explicit Writer(qsizetype expected) { m_out.resize(std::max<qsizetype>(expected, 64)); }

    void int32(qint32 v)
    {
        char* p = room(4);
        qToLittleEndian(v, p);
    }
    void int16(qint16 v)
    {
        char* p = room(2);
        qToLittleEndian(v, p);
    }
    void bytes(QByteArrayView b)
    {
        if (!b.isEmpty())
            std::memcpy(room(b.size()), b.data(), size_t(b.size()));
    }
    // A text as GB18030 with its zero byte; ASCII is copied straight.
    void text(const QString& t)
    {
        const qsizetype n = t.size();
        bool ascii = true;
        for (QChar c : t) {
            if (c.unicode() >= 0x80) {
                ascii = false;
                break;
            }
        }
        if (!ascii) {
            const QByteArray encoded = GbText::toBytes(t);
            int32(qint32(encoded.size() + 1));
            bytes(encoded);
            *room(1) = 0;
            return;
        }
        int32(qint32(n + 1));
        char* p = room(n + 1);
        const QChar* s = t.constData();
        for (qsizetype i = 0; i < n; ++i)
            p[i] = char(s[i].unicode());
        p[n] = 0;
    }
    QByteArray take()
    {
        m_out.truncate(m_pos);
        return std::move(m_out);
    }

private:
    char* room(qsizetype n)
    {
        if (m_pos + n > m_out.size())
            m_out.resize(std::max(m_out.size() * 2, m_pos + n));
        char* p = m_out.data() + m_pos;
        m_pos += n;
        return p;
    }

    QByteArray m_out;
    qsizetype m_pos = 0;
};

class Reader
{
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    { }

    qsizetype remaining() const { return m_bytes.size() - m_pos; }

    bool int32(qint32& v)
    {
        if (remaining() < 4)
            return false;
        v = qFromLittleEndian<qint32>(m_bytes.data() + m_pos);
        m_pos += 4;
        return true;
    }
    bool int16(qint16& v)
    {
        if (remaining() < 2)
            return false;
        v = qFromLittleEndian<qint16>(m_bytes.data() + m_pos);
        m_pos += 2;
        return true;
    }
    // A length field followed by that many bytes; a negative or overlong length fails before any copy.
    bool block(QByteArrayView& b)
    {
        qint32 length = 0;
        if (!int32(length) || length < 0 || length > remaining())
            return false;
        b = m_bytes.sliced(m_pos, length);
        m_pos += length;
        return true;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Most cells hold digits and ASCII; they need no trip through the GB18030 decoder.
QString decode(QByteArrayView bytes)
{
    return isAscii(bytes) ? QString::fromLatin1(bytes) : GbText::fromBytes(bytes);
}

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

// Font names repeat in almost every cell; converting each only once keeps loading and saving fast
// and lets the cells share one string.
struct FontNameCache
{
    QString name;
    QByteArray bytes;
};

} // namespace

QByteArray write(const SheetData& data)
{
    Writer w(HeaderSize + 4 * (data.rows + data.columns) + data.cells.size() * (MinimalCellSize + 16) + PageSetupSize);
    w.bytes(QByteArrayView(Magic, 4));
    w.int32(data.rows);
    w.int32(data.columns);
    w.int32(data.fixedRows);
    w.int32(data.fixedColumns);
    for (qint32 h : data.rowHeights)
        w.int32(h);
    for (qint32 width : data.columnWidths)
        w.int32(width);

    FontNameCache font;
    for (const SheetCell& cell : data.cells) {
        w.int32(qint32(cell.attributes));
        w.int32(qint32(cell.textColour));
        w.int32(qint32(cell.background));
        w.int16(cell.fontHeight);
        w.int16(cell.fontExtra);
        if (cell.fontName != font.name) {
            font.name = cell.fontName;
            font.bytes = GbText::toBytes(cell.fontName);
        }
        w.int32(qint32(font.bytes.size()));
        w.bytes(font.bytes);
        if (cell.isPicture()) {
            w.int32(qint32(cell.picture.size()));
            w.bytes(cell.picture);
        } else if (cell.text.isEmpty()) {
            w.int32(0);
        } else {
            w.text(cell.text);
        }
    }

    const PageSetup& p = data.pageSetup;
    w.int32(p.marginLeft);
    w.int32(p.marginTop);
    w.int32(p.marginRight);
    w.int32(p.marginBottom);
    w.int16(p.pageNumberPosition);
    w.int16(p.zoom);
    w.int16(p.paper);
    w.int16(p.orientation);
    w.int32(p.fillLastPage);
    w.int32(p.options);
    w.int32(p.rowsPerPage);
    return w.take();
}

bool read(QByteArrayView bytes, SheetData& out, QString* error)
{
    if (bytes.size() < 4 || std::memcmp(bytes.data(), Magic, 4) != 0)
        return fail(error, u"not a sheet (no SDTW magic)"_s);
    Reader r(bytes.sliced(4));
    SheetData d;
    if (!r.int32(d.rows) || !r.int32(d.columns) || !r.int32(d.fixedRows) || !r.int32(d.fixedColumns))
        return fail(error, u"sheet header cut short"_s);
    if (d.rows < 0 || d.columns < 0 || d.fixedRows < 0 || d.fixedColumns < 0)
        return fail(error, u"negative row or column count"_s);
    // Sizes and the smallest possible cell records must fit into what is left before anything is
    // allocated; a lying count fails here instead of asking for gigabytes.
    const qint64 sizes = (qint64(d.rows) + d.columns) * 4;
    if (sizes + PageSetupSize > r.remaining())
        return fail(error, u"row and column counts exceed the data"_s);
    const qint64 cellCount = qint64(d.rows) * d.columns;
    if (cellCount > (r.remaining() - sizes - PageSetupSize) / MinimalCellSize)
        return fail(error, u"cell count exceeds the data"_s);

    d.rowHeights.resize(d.rows);
    for (qint32& h : d.rowHeights)
        r.int32(h);
    d.columnWidths.resize(d.columns);
    for (qint32& w : d.columnWidths)
        r.int32(w);

    d.cells.resize(cellCount);
    FontNameCache font;
    for (qint64 i = 0; i < cellCount; ++i) {
        SheetCell& cell = d.cells[i];
        qint32 attributes = 0, textColour = 0, background = 0;
        QByteArrayView name, data;
        if (!r.int32(attributes) || !r.int32(textColour) || !r.int32(background) || !r.int16(cell.fontHeight)
            || !r.int16(cell.fontExtra) || !r.block(name) || !r.block(data)) {
            return fail(error, u"cell %1 cut short or with a length beyond the data"_s.arg(i + 1));
        }
        cell.attributes = quint32(attributes);
        cell.textColour = quint32(textColour);
        cell.background = quint32(background);
        if (name != font.bytes || font.name.isNull()) {
            font.bytes = name.toByteArray();
            font.name = GbText::fromBytes(name);
        }
        cell.fontName = font.name;
        if (cell.isPicture()) {
            cell.picture = data.toByteArray();
        } else {
            // The text ends at its zero byte; anything after it is not text.
            const qsizetype end = data.indexOf('\0');
            cell.text = decode(end < 0 ? data : data.first(end));
        }
    }

    PageSetup& p = d.pageSetup;
    if (!r.int32(p.marginLeft) || !r.int32(p.marginTop) || !r.int32(p.marginRight) || !r.int32(p.marginBottom)
        || !r.int16(p.pageNumberPosition) || !r.int16(p.zoom) || !r.int16(p.paper) || !r.int16(p.orientation)
        || !r.int32(p.fillLastPage) || !r.int32(p.options) || !r.int32(p.rowsPerPage)) {
        return fail(error, u"page setup cut short"_s);
    }
    if (r.remaining() != 0)
        return fail(error, u"%1 bytes after the page setup"_s.arg(r.remaining()));
    out = std::move(d);
    return true;
}

} // namespace SheetFormat
