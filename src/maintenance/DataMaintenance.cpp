#include "maintenance/DataMaintenance.h"

#include "maintenance/DatabaseBackup.h"
#include "platform/AppPaths.h"
#include "platform/FileOps.h"
#include "sheet/SheetTable.h"
#include "store/DbConnection.h"
#include "store/StoreChoice.h"
#include "store/StoreCopy.h"
#include "store/StoreIndexes.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString backupVerb = u"备份"_s;
const QString restoreVerb = u"还原"_s;

bool isWage(int part)
{
    return part >= 3;
}

int wageNumber(int part)
{
    return part - 2;
}

QString startText(int part, const QString& verb)
{
    if (isWage(part))
        return u"正在"_s + verb + u"教员工资表"_s + QString::number(wageNumber(part)) + u"的数据...\r\n"_s;
    return u"正在"_s + verb + DataMaintenance::label(part) + u"...\r\n"_s;
}

QString doneText(int part, const QString& verb)
{
    if (isWage(part))
        return u"√完成教员工资表"_s + QString::number(wageNumber(part)) + u"数据的"_s + verb + u"\r\n"_s;
    return u"√完成"_s + DataMaintenance::label(part) + u"的"_s + verb + u"\r\n"_s;
}

QString errorText(int part, const QString& verb)
{
    if (isWage(part))
        return verb + u"教员工资表"_s + QString::number(wageNumber(part)) + u"数据失败！"_s;
    return verb + DataMaintenance::label(part) + u"失败！"_s;
}

// A wage file is worth keeping only if it deciphers and loads as a sheet.
bool wageLoads(const std::optional<QByteArray>& bytes, QString* error)
{
    if (!bytes) {
        *error = u"cannot read"_s;
        return false;
    }
    SheetTable table;
    return WageTableFile::read(*bytes, table, error);
}

} // namespace

DataMaintenance::DataMaintenance(
    const AppPaths& paths, FileOps& files, DbConnection& studentDb, DbConnection& teacherDb, DbConnection& adminDb)
    : m_paths(paths)
    , m_files(files)
    , m_studentDb(studentDb)
    , m_teacherDb(teacherDb)
    , m_adminDb(adminDb)
{ }

std::optional<DatabaseKind> DataMaintenance::kindOf(int part)
{
    static const DatabaseKind kinds[] = {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin};
    if (part >= 0 && part < 3)
        return kinds[part];
    return std::nullopt;
}

QString DataMaintenance::dataRelativePath(int part)
{
    const auto kind = kindOf(part);
    return kind ? DatabaseKinds::relativePath(*kind) : WageTableFile::relativePath(wageNumber(part));
}

QString DataMaintenance::backupRelativePath(int part)
{
    QString path = dataRelativePath(part);
    return path.replace(u"\\data\\"_s, u"\\backup\\"_s);
}

QString DataMaintenance::label(int part)
{
    static const QString labels[] = {u"学生数据文件"_s, u"教员数据文件"_s, u"管理员数据文件"_s};
    if (part >= 0 && part < 3)
        return labels[part];
    return u"教员工资表"_s + QString::number(wageNumber(part)) + u"数据"_s;
}

DbConnection& DataMaintenance::connection(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Student:
        return m_studentDb;
    case DatabaseKind::Teacher:
        return m_teacherDb;
    case DatabaseKind::Admin:
        break;
    }
    return m_adminDb;
}

void DataMaintenance::append(Result& result, const QString& text)
{
    result.log += text;
    if (onLog)
        onLog(text);
}

void DataMaintenance::finish(Result& result, const QString& verb)
{
    const QString done = verb + u"系统数据完成！"_s;
    append(result, done);
    QString blanksRemoved = result.errors;
    blanksRemoved.remove(QRegularExpression(u"\\s"_s));
    if (blanksRemoved.isEmpty()) {
        result.message = done;
        result.icon = Prompt::Icon::Information;
    } else {
        result.message = done + u"但有错误！！！\r\n\r\n"_s + result.errors;
        result.title = u"错误"_s;
        result.icon = Prompt::Icon::Error;
    }
}

DataMaintenance::Result DataMaintenance::backup(const QList<int>& parts)
{
    Result result;
    append(result, u"正在准备备份系统数据...\r\n备份系统数据可能需要几分钟的时间，请稍侯...    \r\n\r\n"_s);
    m_files.makeDirectory(m_paths.backupDir());
    // The bar moves by bytes: the students' file is most of the work.
    QList<qint64> sizes(PartCount, 0);
    qint64 total = 0;
    for (int part : parts) {
        if (part >= 0 && part < PartCount)
            total += sizes[part] = std::max<qint64>(1, QFileInfo(m_paths.path(dataRelativePath(part))).size());
    }
    qint64 before = 0;
    int shown = 0;
    for (int part = 0; part < PartCount; ++part) {
        if (!parts.contains(part))
            continue;
        append(result, startText(part, backupVerb));
        const auto progress = [&, part](double done) {
            if (!onProgress || total <= 0)
                return;
            const int percent = int((double(before) + done * double(sizes[part])) * 100.0 / double(total));
            // Every call, not only a changed value: the window paints while the bar stands still.
            shown = std::clamp(percent, shown, 100);
            onProgress(shown);
        };
        QString error;
        const bool done = backupPart(part, &error, progress);
        before += sizes[part];
        progress(0.0);
        if (done) {
            append(result, doneText(part, backupVerb));
        } else {
            qWarning("backup of part %d failed: %s", part, qPrintable(error));
            append(result, u"\r\n★★★"_s + errorText(part, backupVerb) + u"★★★\r\n"_s);
            result.errors += errorText(part, backupVerb) + u"\r\n"_s;
        }
    }
    finish(result, backupVerb);
    return result;
}

bool DataMaintenance::backupPart(int part, QString* error, const std::function<void(double)>& progress)
{
    const QString source = m_paths.path(dataRelativePath(part));
    const QString target = m_paths.path(backupRelativePath(part));
    const auto kind = kindOf(part);
    if (!kind) {
        const std::optional<QByteArray> bytes = m_files.readFile(source);
        if (!wageLoads(bytes, error))
            return false;
        if (!m_files.writeFile(target, *bytes)) {
            *error = u"cannot write "_s + target;
            return false;
        }
        return true;
    }
    DbConnection& live = connection(*kind);
    if (live.isOpen())
        return DatabaseBackup::copyVerified(live, target, error, progress);
    // The administrators' file is open only while the login window is.
    DbConnection closed;
    if (!closed.openSchool(*kind, source)) {
        *error = closed.lastError();
        return false;
    }
    return DatabaseBackup::copyVerified(closed, target, error, progress);
}

bool DataMaintenance::checkBackup(int part, QString* error) const
{
    const QString path = m_paths.path(backupRelativePath(part));
    if (const auto kind = kindOf(part))
        return DatabaseBackup::verify(path, DatabaseKinds::password(*kind), error);
    return wageLoads(m_files.readFile(path), error);
}

DataMaintenance::Result DataMaintenance::restore(const QList<int>& parts)
{
    Result result;
    append(result, u"正在准备还原系统数据...\r\n这一过程可能需要几分钟的时间，请稍侯...    \r\n\r\n"_s);
    QList<int> ticked;
    for (int part = 0; part < PartCount; ++part) {
        if (parts.contains(part))
            ticked << part;
    }
    // Nothing is replaced unless every backup asked for is there and sound: a restore that stopped
    // half-way would leave data of two different days side by side.
    for (int part : ticked) {
        const QString path = QDir::toNativeSeparators(m_paths.path(backupRelativePath(part)));
        const bool missing = !m_files.exists(m_paths.path(backupRelativePath(part)));
        QString error;
        if (!missing && checkBackup(part, &error))
            continue;
        if (!missing)
            qWarning("backup of part %d refused: %s", part, qPrintable(error));
        const QString reason = missing ? u"找不到备份数据文件："_s : u"备份数据文件已损坏："_s;
        append(result, startText(part, restoreVerb));
        append(result, u"\r\n★★★还原数据操作非正常终止！"_s + reason + u"\r\n"_s + path + u"\r\n"_s);
        result.message = u"还原数据操作非正常终止！\r\n\r\n"_s + reason + u"\r\n"_s + path;
        result.title = u"错误"_s;
        result.icon = Prompt::Icon::Error;
        return result;
    }
    for (int part : ticked) {
        append(result, startText(part, restoreVerb));
        QString error;
        if (restorePart(part, &error)) {
            append(result, doneText(part, restoreVerb));
        } else {
            qWarning("restore of part %d failed: %s", part, qPrintable(error));
            append(result, u"\r\n★★★"_s + errorText(part, restoreVerb) + u"★★★\r\n"_s);
            result.errors += errorText(part, restoreVerb) + u"\r\n"_s;
        }
        const auto kind = kindOf(part);
        if (!kind || *kind == DatabaseKind::Admin)
            continue; // the login window opens the administrators when it needs them
        DbConnection& db = connection(*kind);
        if (!db.openSchool(*kind, m_paths.database(*kind))) {
            result.message = *kind == DatabaseKind::Student ? u"载入学生数据失败！"_s : u"载入教员数据失败！"_s;
            result.title = u"错误"_s;
            result.icon = Prompt::Icon::Error;
            result.endProgram = true;
            return result;
        }
        if (*kind == DatabaseKind::Student)
            StoreIndexes::ensure(db, DatabaseKind::Student);
    }
    finish(result, restoreVerb);
    return result;
}

QList<int> DataMaintenance::missingBackups(const QList<int>& parts) const
{
    QList<int> missing;
    for (int part = 0; part < PartCount; ++part) {
        if (parts.contains(part) && !m_files.exists(m_paths.path(backupRelativePath(part))))
            missing << part;
    }
    return missing;
}

QString DataMaintenance::missingBackupsQuestion(const QList<int>& missing)
{
    QString names;
    for (int part : missing)
        names += u"    "_s + label(part) + u"\r\n"_s;
    return u"下列数据还没有备份，不能还原：\r\n"_s + names
        + u"\r\n要只还原其余已经备份的数据吗？（上列数据保持现状）"_s;
}

bool DataMaintenance::restorePart(int part, QString* error)
{
    const QString source = m_paths.path(backupRelativePath(part));
    const QString target = m_paths.path(dataRelativePath(part));
    const auto kind = kindOf(part);
    if (!kind) {
        const std::optional<QByteArray> bytes = m_files.readFile(source);
        if (!bytes || !m_files.writeFile(target, *bytes)) {
            *error = u"cannot write "_s + target;
            return false;
        }
        return true;
    }
    connection(*kind).close();
    if (StoreChoice::server()) {
        // The server's rows are replaced by the backup's in one transaction; nothing is half done.
        DbConnection backup;
        DbConnection live;
        if (!backup.open(source, {}, DatabaseKinds::password(*kind)) || !live.openSchool(*kind, target)) {
            *error = backup.isOpen() ? live.lastError() : backup.lastError();
            return false;
        }
        return StoreCopy::copy(backup, live, *kind, error);
    }
    const QString temporary = target + u".part"_s;
    QFile::remove(temporary);
    if (!m_files.copy(source, temporary)) {
        *error = u"cannot copy to "_s + temporary;
        QFile::remove(temporary);
        return false;
    }
    if (!DatabaseBackup::replace(temporary, target, error)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}
