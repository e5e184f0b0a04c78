#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>

class DbConnection;

// The yearly move of the students database: final-grade classes graduate into 毕业表, the others
// take their new names. A run is one transaction, so a failure leaves the school as it was.
class Promotion
{
public:
    struct Rename
    {
        QString from;
        QString to;
        bool operator==(const Rename&) const = default;
    };

    struct Result
    {
        enum class Outcome { Done, NameTaken, Failed };
        Outcome outcome = Outcome::Failed;
        // NameTaken: the new name a staying class holds or that is given twice.
        QString takenName;
        QString error;
        int graduatedPupils = 0;
        bool ok() const { return outcome == Outcome::Done; }
    };

    explicit Promotion(DbConnection& db);

    // The standard ladder: the next grade's name, or nothing for a final grade or a name off the ladder.
    static std::optional<QString> promotedName(const QString& name);
    // The ladder's grade of a class, the prefix its name begins with ("初中1", "5年级"); empty off the ladder.
    static QString gradeOf(const QString& name);
    // Whether a name begins with one of the final grades; the same prefixes decide both who
    // graduates and who is kept from promotion.
    static bool isFinalGrade(const QString& name);
    // The stored date of the last run when it lies less than six calendar months before today.
    static std::optional<QDate> recentRun(const QString& stored, QDate today);

    // Copies the open database to target (its folder made when missing) through a checked
    // temporary file; the previous copy stays unless the new one is whole.
    static bool backup(DbConnection& db, const QString& target, QString* error = nullptr);

    // The pairs of the standard run, in the order 班级表 gives the standard classes; false when
    // the classes cannot be read.
    bool standardPlan(QList<Rename>* plan);
    // Custom classes in the order 班级表 gives them; nullopt when they cannot be read.
    std::optional<QStringList> customClasses();

    // Graduates every class of a final grade (whatever its category) on date and renames the pairs.
    Result runStandard(const QList<Rename>& plan, const QString& date);
    // Graduates the named classes (one 毕业时间表 row each, as the wizard always did) and renames.
    Result runCustom(const QStringList& graduating, const QList<Rename>& renames, const QString& date);

private:
    struct Graduation
    {
        QString where; // condition on 所在班级
        QVariantList parameters;
    };
    Result run(const QList<Graduation>& graduations, const QList<Rename>& renames, const QString& date,
        const std::function<bool(const QString&)>& graduates);
    bool graduate(const Graduation& graduation, const QString& date, Result* result);
    bool rename(const QList<Rename>& renames, Result* result);
    bool fail(Result* result);

    DbConnection& m_db;
};
