#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class FileOps;

// The settings file "\config.ini": a profile file in GB18030 with [Section] headers and key=value
// lines. Sections and keys are found without regard to case, as other tools may have written them.
// Every read looks at the file as it is now; every write rewrites the whole file through a
// temporary file, keeping all other lines, comments and their order.
class AppSettings
{
public:
    // Longest value a read returns, in GB18030 bytes.
    static constexpr qsizetype maxValueBytes = 10240;

    explicit AppSettings(const QString& path);
    // Writes through the given file operations (which must outlive this object).
    AppSettings(const QString& path, FileOps& fileOps);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    QString path() const { return m_path; }
    bool exists() const;

    // The value, blanks around it removed; fallback when the file, section or key is missing.
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    // False, with the file unchanged, when it cannot be written.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Writes the first-start defaults when the file is missing; false only when that write fails.
    bool writeDefaultsIfMissing();
    // A failure message with the reason the last write failed (disk full, no permission).
    QString failure(const QString& message) const;

    QString schoolName() const;
    bool setSchoolName(const QString& name);
    // 0 .. 3; anything else, or no number at all, is 0 (the default look).
    int interfaceStyle() const;
    bool setInterfaceStyle(int style);
    // Wage sheet 1 .. 5.
    QString wageTitle(int sheet) const;
    bool setWageTitle(int sheet, const QString& title);
    QString standardGraduationDate() const;
    bool setStandardGraduationDate(const QString& date);
    QString customGraduationDate() const;
    bool setCustomGraduationDate(const QString& date);

    // "工资表一" .. "工资表五"; empty outside 1 .. 5.
    static QString wageKey(int sheet);

private:
    QStringList readLines(QString* lineEnd) const;
    bool writeLines(const QStringList& lines, const QString& lineEnd);

    QString m_path;
    std::unique_ptr<FileOps> m_ownFileOps;
    FileOps& m_fileOps;
};
