#include "maintenance/SystemInitialisation.h"

#include "maintenance/DataMaintenance.h"
#include "maintenance/DatabaseBackup.h"
#include "platform/AppPaths.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/Launcher.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "store/DatabaseTemplate.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QByteArray templateOf(int part)
{
    static const DatabaseKind kinds[] = {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin};
    return part < 3 ? DatabaseTemplate::bytes(kinds[part]) : WageTableFile::templateBytes();
}

} // namespace

SystemInitialisation::SystemInitialisation(PlatformServices& services, const AppPaths& paths)
    : m_services(services)
    , m_paths(paths)
{ }

bool SystemInitialisation::run(const Hooks& hooks)
{
    Prompt& prompt = m_services.prompt;
    const Prompt::Answer answer = prompt.show(
        u"★★★注意：系统数据初始化将会删除系统内当前的所有数据！！！    \r\n\r\n由于本操作不可逆转，建议先备份当前数据后再进行本操作！\r\n\r\n您确定要清空系统当前的所有数据吗？"_s,
        u"警告：系统数据初始化将会删除系统内当前的所有数据！！！"_s, Prompt::Icon::Warning, Prompt::Buttons::OkCancel);
    if (answer != Prompt::Answer::Ok)
        return false;
    hooks.closeConnections();
    QString error;
    if (!reset(&error)) {
        hooks.reopenConnections();
        prompt.show(u"系统数据初始化失败，当前数据未被改动！\r\n\r\n"_s + error, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    dropOldSafetyCopies();
    prompt.show(u"系统数据初始化完成，即将重新启动本系统！\r\n\r\n初始化前的数据保存在：\r\n"_s
        + QDir::toNativeSeparators(m_safetyDir) + u"\r\n（只保留最近三次初始化前的数据）"_s);
    if (!m_services.launcher.startDetached(hooks.program))
        prompt.show(u"不能重新启动本系统，请再次运行：\r\n"_s + hooks.program, u"错误"_s, Prompt::Icon::Error);
    hooks.quit();
    return true;
}

bool SystemInitialisation::keepSafetyCopy(QString* error)
{
    FileOps& files = m_services.fileOps;
    const QString dir = m_paths.backupDir() + u"/初始化前"_s + m_services.clock.now().toString(u"yyyyMMdd-HHmmss"_s);
    if (!files.makeDirectory(m_paths.backupDir()) || !files.makeDirectory(dir)) {
        *error = u"不能建立文件夹："_s + dir;
        return false;
    }
    for (int part = 0; part < DataMaintenance::PartCount; ++part) {
        const QString source = m_paths.path(DataMaintenance::dataRelativePath(part));
        if (!files.exists(source))
            continue;
        const QString target = dir + u'/' + QFileInfo(source).fileName();
        if (!files.copy(source, target)) {
            *error = u"不能保存当前数据："_s + target;
            return false;
        }
    }
    m_safetyDir = dir;
    return true;
}

void SystemInitialisation::dropOldSafetyCopies()
{
    // The names carry the time of the run, so they sort oldest first.
    QDir backup(m_paths.backupDir());
    QStringList runs = backup.entryList({u"初始化前*"_s}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    while (runs.size() > keptSafetyCopies) {
        const QString old = backup.filePath(runs.takeFirst());
        if (old != m_safetyDir)
            QDir(old).removeRecursively();
    }
}

bool SystemInitialisation::reset(QString* error)
{
    if (!keepSafetyCopy(error))
        return false;
    FileOps& files = m_services.fileOps;
    QStringList written;
    const auto dropWritten = [&written] {
        for (const QString& path : std::as_const(written))
            QFile::remove(path);
    };
    for (int part = 0; part < DataMaintenance::PartCount; ++part) {
        const QString temporary = m_paths.path(DataMaintenance::dataRelativePath(part)) + u".new"_s;
        const QByteArray bytes = templateOf(part);
        if (bytes.isEmpty() || !files.writeFile(temporary, bytes)) {
            dropWritten();
            *error = u"不能写入文件："_s + temporary;
            return false;
        }
        written << temporary;
    }
    for (int part = 0; part < DataMaintenance::PartCount; ++part) {
        const QString target = m_paths.path(DataMaintenance::dataRelativePath(part));
        if (!DatabaseBackup::replace(written[part], target, error)) {
            // Files renamed before this one are fresh already; the safety copy holds their data.
            dropWritten();
            return false;
        }
    }
    return true;
}
