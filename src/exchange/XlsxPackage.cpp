#include "exchange/XlsxPackage.h"

#include "exchange/SheetLimits.h"
#include "exchange/XlsxMessages.h"

XlsxPackage::XlsxPackage(const QByteArray& bytes)
    : m_zip(bytes)
{ }

std::optional<QByteArray> XlsxPackage::part(const QString& name, QString& error)
{
    ZipReader::Status status = ZipReader::Status::Ok;
    auto bytes = m_zip.entry(name, SheetLimits::MaxPartBytes, &status);
    if (status == ZipReader::Status::Damaged)
        error = XlsxMessages::damaged();
    else if (status == ZipReader::Status::TooLarge)
        error = XlsxMessages::tooLarge();
    return bytes;
}
