#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The cells of a spreadsheet's first sheet as texts, or why it could not be read. Empty rows are
// left out; each row keeps its number as the spreadsheet program shows it.
struct ImportedSheet
{
    struct Row
    {
        int number = 0; // 1-based
        QStringList cells; // column A first; no empty cells after the last filled one
    };

    QList<Row> rows;
    QString error; // empty when read

    bool ok() const { return error.isEmpty(); }
    static ImportedSheet failed(const QString& why)
    {
        ImportedSheet s;
        s.error = why;
        return s;
    }
};
