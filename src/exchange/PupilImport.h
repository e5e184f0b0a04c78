#pragma once

#include "exchange/ImportedSheet.h"
#include "students/StudentRecord.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class DbConnection;

// Pupils from a spreadsheet: its columns matched to the pupil's fields by their captions, every
// row checked against the rules of the student editor and the school's data, and the rows
// without a fault added together with numbers from the counter.
class PupilImport
{
public:
    struct Row
    {
        int number = 0; // the row as the spreadsheet program shows it
        StudentRecord pupil; // 学号 not yet given; 所在班级 empty: the class chosen for the import
        QString givenNumber; // what the file's 学号 column held: only checked, numbers come from the counter
        QStringList errors;
        QHash<QString, QString> refused; // caption → the text the file held, where it was refused

        bool ok() const { return errors.isEmpty(); }
    };

    struct Preview
    {
        QStringList fields; // the recognised captions, in the file's order, 学号 included
        QStringList ignored; // captions that are no field, and repeated ones
        QList<Row> rows;
        QString error; // the file as a whole cannot be imported

        int goodRows() const;
    };

    explicit PupilImport(DbConnection& db)
        : m_db(db)
    { }

    // The caption row is the first with a cell 姓名 (a title may stand above it); blanks inside
    // captions do not count. Reads the school's classes and numbers, changes nothing.
    Preview check(const ImportedSheet& sheet);

    // Adds the good rows, those without a class of their own to `className`, numbered from the
    // counter on, and advances the counter once; all of it or nothing. The first number given,
    // or nothing with lastError() saying why.
    std::optional<qint64> add(const Preview& preview, const QString& className);
    QString lastError() const { return m_lastError; }

private:
    DbConnection& m_db;
    QString m_lastError;
};
