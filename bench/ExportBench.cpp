// 导出 of the large school's 30,000 graduates, as the roster page holds them, to an .xlsx file:
// ours (cells typed, widths measured, written through a scratch file and saved whole) against
// libxlsxwriter writing the same texts, made UTF-8 beforehand, straight to a file.
#include "school/LargeSchool.h"
#include "support/BenchPairs.h"
#include "support/RatioReporter.h"

#include "exchange/TableExport.h"
#include "platform/DiskFileOps.h"
#include "records/ReportList.h"
#include "students/RosterColumns.h"
#include "students/StudentRosters.h"
#include "workspace/PageTable.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The graduates list filled once, as 毕业学生列表 fills it, and what the page would export.
const PageTable& graduates()
{
    static const PageTable table = [] {
        StudentRosters::Rows all;
        DbConnection& db = LargeSchool::database(DatabaseKind::Student);
        for (const QString& date : LargeSchool::graduationDates())
            all += StudentRosters(db).graduates(date).value_or(StudentRosters::Rows {});
        ReportList list(u"毕业离校列表框"_s);
        list.setColumns(RosterColumns::archived());
        list.fill(all, StudentRosters::SexColumn, nullptr);
        PageTable made = list.pageTable();
        made.title = u"毕业学生列表"_s;
        made.statistics = u"共%1人"_s.arg(made.rows.size());
        made.kinds[0] = PageTable::Kind::Number;
        return made;
    }();
    return table;
}

QString target(const char* name)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

void Export_ours(benchmark::State& state)
{
    const PageTable& table = graduates();
    DiskFileOps files;
    const QString path = target("ours.xlsx");
    for (auto _ : state) {
        if (!TableExport::save(table, path, files).isEmpty())
            state.SkipWithError("export failed");
    }
    state.counters["rows"] = double(table.rows.size());
    state.counters["bytes"] = double(QFileInfo(path).size());
}

void Export_raw(benchmark::State& state)
{
    const PageTable& table = graduates();
    std::vector<std::vector<std::string>> cells;
    cells.push_back({});
    for (const QString& caption : table.captions)
        cells.back().push_back(caption.toStdString());
    for (const QStringList& row : table.rows) {
        cells.push_back({});
        for (const QString& text : row)
            cells.back().push_back(text.toStdString());
    }
    const QByteArray path = target("raw.xlsx").toLocal8Bit();
    for (auto _ : state) {
        lxw_workbook* book = workbook_new(path.constData());
        lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
        for (size_t r = 0; r < cells.size(); ++r) {
            for (size_t c = 0; c < cells[r].size(); ++c)
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), cells[r][c].c_str(), nullptr);
        }
        if (workbook_close(book) != LXW_NO_ERROR)
            state.SkipWithError("libxlsxwriter failed");
    }
}

} // namespace

XIAOWU_BENCH_PAIR("GraduatesToXlsx", Export_ours, Export_raw);

int main(int argc, char** argv)
{
    return runWindowsOnLargeSchool(argc, argv);
}
