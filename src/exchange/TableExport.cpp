#include "exchange/TableExport.h"

#include "exchange/CsvTableWriter.h"
#include "exchange/XlsxTableWriter.h"
#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "text/FileNameText.h"
#include "workspace/PageTable.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString TableExport::filter()
{
    return u"Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)"_s;
}

QString TableExport::suggestedName(const QString& title)
{
    return FileNameText::fromTitle(title, u"导出"_s) + u".xlsx"_s;
}

QString TableExport::withSuffix(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"xlsx"_s || suffix == u"csv"_s ? path : path + u".xlsx"_s;
}

TableExport::Format TableExport::formatOf(const QString& path)
{
    return QFileInfo(path).suffix().compare(u"csv"_s, Qt::CaseInsensitive) == 0 ? Format::Csv : Format::Xlsx;
}

QString TableExport::save(const PageTable& table, const QString& path, FileOps& fileOps)
{
    QByteArray data;
    if (formatOf(path) == Format::Csv) {
        data = CsvTableWriter::bytes(table);
    } else {
        QString error;
        const std::optional<QByteArray> made = XlsxTableWriter::bytes(table, &error);
        if (!made)
            return error + u"\r\n文件没有导出。"_s;
        data = *made;
    }
    const bool existed = fileOps.exists(path);
    if (fileOps.writeFile(path, data))
        return {};
    const QString why = fileOps.lastError();
    return u"无法写入文件：\r\n"_s + QDir::toNativeSeparators(path) + u"\r\n\r\n"_s
        + (why.isEmpty() ? u"请检查磁盘空间以及对该文件夹的写入权限。"_s : why)
        + (existed ? u"原有的文件没有改动。"_s : QString());
}

QString TableExport::run(PlatformServices& services, const PageTable& table)
{
    // The last folder chosen is offered again while the program runs.
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString start = QDir(folder).filePath(suggestedName(table.title));
    const std::optional<QString> chosen = services.fileChooser.saveFile(u"导出"_s, filter(), start);
    if (!chosen || chosen->isEmpty())
        return {};
    const QString path = withSuffix(*chosen);
    // The dialog asked about replacing the name as typed, not the one with the suffix added.
    if (path != *chosen && services.fileOps.exists(path)
        && services.prompt.show(u"文件“"_s + QDir::toNativeSeparators(path) + u"”已经存在，要替换它吗？"_s, u"导出"_s,
               Prompt::Icon::Question, Prompt::Buttons::YesNo)
            != Prompt::Answer::Yes)
        return {};
    folder = QFileInfo(path).absolutePath();
    const QString error = save(table, path, services.fileOps);
    if (!error.isEmpty()) {
        services.prompt.show(error, u"导出失败"_s, Prompt::Icon::Error);
        return {};
    }
    services.prompt.show(
        u"已导出到文件：\r\n"_s + QDir::toNativeSeparators(path), u"导出"_s, Prompt::Icon::Information);
    return path;
}
