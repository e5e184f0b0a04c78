#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// One entry per reader that takes outside bytes. The libFuzzer mains and the corpus replay call the
// same functions, so an input that once broke a reader keeps being checked by the normal build.
// Each returns an empty text when every property held, otherwise what went wrong.
namespace FuzzEntries {

QString sheet(QByteArrayView bytes);
QString wage(QByteArrayView bytes);
QString settings(QByteArrayView bytes);
QString text(QByteArrayView bytes);
QString database(QByteArrayView bytes);
QString photo(QByteArrayView bytes);
QString spreadsheet(QByteArrayView bytes);

// The target names as scripts/fuzz and the corpus folders spell them.
QStringList names();
QString run(const QString& name, QByteArrayView bytes);

} // namespace FuzzEntries
