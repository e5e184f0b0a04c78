#include "promotion/Promotion.h"

#include "maintenance/DatabaseBackup.h"
#include "store/DbConnection.h"
#include "store/Transaction.h"
#include "text/DateText.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

struct Step
{
    QString from;
    QString to;
};

// The ladder by name prefix; an empty "to" graduates.
const QList<Step>& ladder()
{
    static const QList<Step> steps {
        {u"1年级"_s, u"2年级"_s},
        {u"2年级"_s, u"3年级"_s},
        {u"3年级"_s, u"4年级"_s},
        {u"4年级"_s, u"5年级"_s},
        {u"5年级"_s, u"6年级"_s},
        {u"6年级"_s, {}},
        {u"初中1"_s, u"初中2"_s},
        {u"初中2"_s, u"初中3"_s},
        {u"初中3"_s, {}},
        {u"高中1"_s, u"高中2"_s},
        {u"高中2"_s, u"高中3"_s},
        {u"高中3"_s, {}},
        {u"幼儿园小"_s, u"幼儿园中"_s},
        {u"幼儿园中"_s, u"幼儿园大"_s},
        {u"幼儿园大"_s, {}},
    };
    return steps;
}

const QStringList& finalGrades()
{
    static const QStringList grades {u"6年级"_s, u"初中3"_s, u"高中3"_s, u"幼儿园大"_s};
    return grades;
}

} // namespace

Promotion::Promotion(DbConnection& db)
    : m_db(db)
{ }

std::optional<QString> Promotion::promotedName(const QString& name)
{
    for (const Step& step : ladder()) {
        if (name.startsWith(step.from)) {
            if (step.to.isEmpty())
                return std::nullopt;
            return step.to + name.mid(step.from.size());
        }
    }
    return std::nullopt;
}

QString Promotion::gradeOf(const QString& name)
{
    for (const Step& step : ladder()) {
        if (name.startsWith(step.from))
            return step.from;
    }
    return {};
}

bool Promotion::isFinalGrade(const QString& name)
{
    for (const QString& grade : finalGrades()) {
        if (name.startsWith(grade))
            return true;
    }
    return false;
}

std::optional<QDate> Promotion::recentRun(const QString& stored, QDate today)
{
    const std::optional<QDate> last = DateText::parse(stored);
    if (!last)
        return std::nullopt;
    const int months = (today.year() - last->year()) * 12 + today.month() - last->month();
    if (months < 6)
        return last;
    return std::nullopt;
}

bool Promotion::backup(DbConnection& db, const QString& target, QString* error)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        if (error)
            *error = u"cannot make the folder of "_s + target;
        return false;
    }
    return DatabaseBackup::copyVerified(db, target, error);
}

bool Promotion::standardPlan(QList<Rename>* plan)
{
    plan->clear();
    auto rows = m_db.query(u"SELECT 所在班级 FROM 班级表 where 班级分类='通用'"_s);
    if (!rows)
        return false;
    for (rows->first(); !rows->pastLast(); rows->next()) {
        const QString name = rows->text(1);
        // A name off the ladder has no next grade: it stays as it is.
        if (const std::optional<QString> next = promotedName(name))
            plan->append({name, *next});
    }
    return !rows->failed();
}

std::optional<QStringList> Promotion::customClasses()
{
    auto rows = m_db.query(u"select 所在班级 from 班级表 where 班级分类='自设'"_s);
    if (!rows)
        return std::nullopt;
    QStringList names;
    for (rows->first(); !rows->pastLast(); rows->next())
        names.append(rows->text(1));
    if (rows->failed())
        return std::nullopt;
    return names;
}

Promotion::Result Promotion::runStandard(const QList<Rename>& plan, const QString& date)
{
    Graduation graduation;
    QStringList terms;
    for (const QString& grade : finalGrades()) {
        terms.append(u"substr(所在班级,1,?)=?"_s);
        graduation.parameters << grade.size() << grade;
    }
    graduation.where = terms.join(u" or "_s);
    return run({graduation}, plan, date, &Promotion::isFinalGrade);
}

Promotion::Result Promotion::runCustom(const QStringList& graduating, const QList<Rename>& renames, const QString& date)
{
    QList<Graduation> graduations;
    for (const QString& name : graduating)
        graduations.append({u"所在班级=?"_s, {name}});
    const QSet<QString> leaving(graduating.begin(), graduating.end());
    return run(graduations, renames, date, [leaving](const QString& name) { return leaving.contains(name); });
}

Promotion::Result Promotion::run(const QList<Graduation>& graduations, const QList<Rename>& renames,
    const QString& date, const std::function<bool(const QString&)>& graduates)
{
    Result result;
    auto failed = [this, &result] {
        fail(&result);
        return result;
    };
    // The names after the run: every class that neither leaves nor is renamed keeps its own, and
    // a renamed class must not land on one of those or on another's new name.
    QSet<QString> renamed;
    for (const Rename& r : renames)
        renamed.insert(r.from);
    // The names are checked inside the run's transaction, with the tables it moves locked: on a
    // shared server another seat's change waits until the run is over, whole.
    Transaction transaction(m_db);
    if (!transaction.isActive()
        || !transaction.lockTables({u"记号表"_s, u"班级表"_s, u"学籍表"_s, u"毕业表"_s, u"毕业时间表"_s}))
        return failed();
    QSet<QString> staying;
    for (const QString& sql : {u"select 所在班级 from 班级表"_s, u"select distinct 所在班级 from 学籍表"_s}) {
        auto rows = m_db.query(sql);
        if (!rows)
            return failed();
        for (rows->first(); !rows->pastLast(); rows->next()) {
            const QString name = rows->text(1);
            if (!graduates(name) && !renamed.contains(name))
                staying.insert(name);
        }
        if (rows->failed())
            return failed();
    }
    QSet<QString> targets;
    for (const Rename& r : renames) {
        if (staying.contains(r.to) || targets.contains(r.to)) {
            result.outcome = Result::Outcome::NameTaken;
            result.takenName = r.to;
            return result;
        }
        targets.insert(r.to);
    }

    for (const Graduation& graduation : graduations) {
        if (!graduate(graduation, date, &result))
            return result;
    }
    if (!rename(renames, &result))
        return result;
    if (!transaction.commit())
        return failed();
    result.outcome = Result::Outcome::Done;
    return result;
}

bool Promotion::graduate(const Graduation& graduation, const QString& date, Result* result)
{
    // Only the rows this step moves are stamped (a pupil's number is his key in every sibling
    // table): an older graduate still marked "-" keeps it.
    if (!m_db.execute(u"insert into 毕业表 select * from 学籍表 where "_s + graduation.where, graduation.parameters))
        return fail(result);
    result->graduatedPupils += m_db.changes();
    if (!m_db.execute(u"update 毕业表 set 离校时间=?,离校原因='毕业' where 学号 in (select 学号 from 学籍表 where "_s
                + graduation.where + u')',
            QVariantList {date} + graduation.parameters)
        || !m_db.execute(u"insert into 毕业时间表 values (?)"_s, {date})
        || !m_db.execute(u"delete from 学籍表 where "_s + graduation.where, graduation.parameters)
        || !m_db.execute(u"delete from 班级表 where "_s + graduation.where, graduation.parameters))
        return fail(result);
    return true;
}

bool Promotion::rename(const QList<Rename>& renames, Result* result)
{
    // A class is renamed once its new name is free; when only a cycle is left (a swap), one of
    // them waits under a name no class can hold (a control character). The ladder has no cycle, so
    // every pupil row is written once.
    QList<Rename> pending = renames;
    int parked = 0;
    auto apply = [&](const QString& from, const QString& to) {
        for (const QString& table : {u"班级表"_s, u"学籍表"_s}) {
            if (!m_db.execute(u"update "_s + table + u" set 所在班级=? where 所在班级=?"_s, {to, from}))
                return fail(result);
        }
        return true;
    };
    while (!pending.isEmpty()) {
        QSet<QString> held;
        for (const Rename& r : pending)
            held.insert(r.from);
        qsizetype ready = -1;
        for (qsizetype i = 0; i < pending.size() && ready < 0; ++i) {
            if (!held.contains(pending[i].to))
                ready = i;
        }
        if (ready >= 0) {
            if (!apply(pending[ready].from, pending[ready].to))
                return false;
            pending.removeAt(ready);
        } else {
            const QString temporary = u"\u0001"_s + QString::number(++parked);
            if (!apply(pending.first().from, temporary))
                return false;
            pending.first().from = temporary;
        }
    }
    return true;
}

bool Promotion::fail(Result* result)
{
    result->outcome = Result::Outcome::Failed;
    result->error = m_db.lastError();
    return false;
}
