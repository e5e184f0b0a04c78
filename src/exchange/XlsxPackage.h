#pragma once

#include "exchange/ZipReader.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The parts of a workbook's zip, each capped at SheetLimits::MaxPartBytes once unpacked.
class XlsxPackage
{
public:
    explicit XlsxPackage(const QByteArray& bytes);

    bool open() const { return m_zip.isOpen(); }

    // The part of that name; nothing and no error when there is no such part, nothing and the
    // message in error when it is damaged or too large.
    std::optional<QByteArray> part(const QString& name, QString& error);

private:
    ZipReader m_zip;
};
