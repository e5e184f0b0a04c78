#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <QtGlobal>

// How a cell's text sits in it: vertical position (top, middle, bottom) × horizontal (left, centre, right),
// numbered as the stored attribute bits 0–3 number them.
enum class SheetAlignment : quint8 {
    TopLeft = 1,
    TopCentre = 2,
    TopRight = 3,
    MiddleLeft = 4,
    Centre = 5,
    MiddleRight = 6,
    BottomLeft = 7,
    BottomCentre = 8,
    BottomRight = 9,
};

// The value kind a cell stands for. Every cell still holds its value as text; the kind tells the
// pages how to read it (marks are Double, amounts Text).
enum class SheetDataType : quint8 {
    Text = 0,
    Byte = 1,
    Int16 = 2,
    Int32 = 3,
    Int64 = 4,
    Single = 5,
    Double = 6,
    Boolean = 7,
    DateTime = 8,
};

// The four border lines of a cell, combinable.
enum SheetBorder : quint8 {
    NoBorder = 0,
    LeftBorder = 1,
    TopBorder = 2,
    RightBorder = 4,
    BottomBorder = 8,
    AllBorders = 15,
};

// Where a cell lies in a merged run along one direction.
enum class SheetMergeMark : quint8 { None = 0, First = 1, Inner = 2, Last = 3 };

// Colours are Windows colour values as the stored files and the pages write them: red in the low
// byte, so 128 is dark red and 0xECECEC light grey.
namespace SheetColour {
constexpr quint32 None = 0xFF000000; // background only: no fill of its own
inline QColor toQColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
inline quint32 fromQColor(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
} // namespace SheetColour

// One cell as it is stored. The attribute word is kept whole, so that bits this program does not
// know about survive a load and a save; the accessors read and write the bits it does know.
struct SheetCell
{
    // Attribute bits.
    static constexpr quint32 AlignmentMask = 0xFu;
    static constexpr int BorderShift = 4;
    static constexpr quint32 BorderMask = 0xFu << BorderShift;
    static constexpr quint32 BoldBit = 1u << 11;
    static constexpr quint32 ItalicBit = 1u << 12;
    static constexpr quint32 UnderlineBit = 1u << 13;
    static constexpr quint32 StrikeOutBit = 1u << 14;
    static constexpr int MergeAcrossShift = 18; // two bits: SheetMergeMark across
    static constexpr int MergeDownShift = 20; // two bits: SheetMergeMark down
    static constexpr quint32 MergeMask = 0xFu << MergeAcrossShift;
    static constexpr int DataTypeShift = 22;
    static constexpr quint32 DataTypeMask = 0xFu << DataTypeShift;
    static constexpr quint32 ReadOnlyBit = 1u << 27;
    // The cell's data are image bytes rather than text (photos on the record cards).
    static constexpr quint32 PictureBit = 1u << 28;

    static constexpr qint16 DefaultFontHeight = 40;
    static constexpr qint16 DefaultFontExtra = 9;
    static QString defaultFontName() { return QStringLiteral("宋体"); }

    quint32 attributes = quint32(SheetAlignment::MiddleLeft);
    quint32 textColour = 0; // black
    quint32 background = SheetColour::None;
    qint16 fontHeight = DefaultFontHeight; // tenths of a millimetre
    qint16 fontExtra = DefaultFontExtra; // carried unchanged
    QString fontName = defaultFontName();
    QString text; // empty for a picture cell
    QByteArray picture; // image bytes of a picture cell

    // Alignment 1..9; a stored 0 or out-of-range value reads as middle-left.
    SheetAlignment alignment() const
    {
        const quint32 a = attributes & AlignmentMask;
        return a >= 1 && a <= 9 ? SheetAlignment(a) : SheetAlignment::MiddleLeft;
    }
    void setAlignment(SheetAlignment a) { attributes = (attributes & ~AlignmentMask) | quint32(a); }

    quint8 borders() const { return quint8((attributes & BorderMask) >> BorderShift); }
    void setBorders(quint8 lines) { attributes = (attributes & ~BorderMask) | (quint32(lines & 15) << BorderShift); }

    bool flag(quint32 bit) const { return attributes & bit; }
    void setFlag(quint32 bit, bool on) { attributes = on ? attributes | bit : attributes & ~bit; }
    bool isBold() const { return flag(BoldBit); }
    bool isItalic() const { return flag(ItalicBit); }
    bool isUnderline() const { return flag(UnderlineBit); }
    bool isStrikeOut() const { return flag(StrikeOutBit); }
    bool isReadOnly() const { return flag(ReadOnlyBit); }
    bool isPicture() const { return flag(PictureBit); }

    // Types 9..15 are not ours; they read as text but stay in the attribute word.
    SheetDataType dataType() const
    {
        const quint32 t = (attributes & DataTypeMask) >> DataTypeShift;
        return t <= 8 ? SheetDataType(t) : SheetDataType::Text;
    }
    void setDataType(SheetDataType t) { attributes = (attributes & ~DataTypeMask) | (quint32(t) << DataTypeShift); }

    SheetMergeMark mergeAcross() const { return SheetMergeMark((attributes >> MergeAcrossShift) & 3); }
    SheetMergeMark mergeDown() const { return SheetMergeMark((attributes >> MergeDownShift) & 3); }
    void setMerge(SheetMergeMark across, SheetMergeMark down)
    {
        attributes
            = (attributes & ~MergeMask) | (quint32(across) << MergeAcrossShift) | (quint32(down) << MergeDownShift);
    }

    bool operator==(const SheetCell&) const = default;
};
