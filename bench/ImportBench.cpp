// Importing 2,000 pupils from a workbook into a copy of the large school's students file: reading
// the file, checking every row and adding them with the counter in one transaction, against the
// same 2,000 inserts and the counter update run raw in one transaction. Each round's pupils are
// taken out again outside the timing.
#include "school/LargeSchool.h"
#include "support/RatioReporter.h"

#include "exchange/XlsxFixture.h"

#include "exchange/PupilImport.h"
#include "exchange/SpreadsheetReader.h"
#include "platform/DiskFileOps.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Pupils = 2000;
const QString Class = u"1年级1班"_s;

QTemporaryDir* workDir = nullptr;
QString workbookPath;
QString copyPath;
qint64 counterBefore = 0;
QList<StudentRecord> expected; // what the import stores, for the raw side

DbConnection& db()
{
    static DbConnection connection;
    if (!connection.isOpen())
        connection.open(copyPath, {}, DatabaseKinds::password(DatabaseKind::Student));
    return connection;
}

bool writeWorkbook();

// Once, when the first benchmark starts and the school exists: the copy, the workbook, the counter
// and the rows the raw side inserts.
bool prepared()
{
    static const bool done = [] {
        workbookPath = workDir->filePath(u"新生.xlsx"_s);
        copyPath = workDir->filePath(u"006.xsk"_s);
        if (!QFile::copy(LargeSchool::databasePath(DatabaseKind::Student), copyPath) || !writeWorkbook())
            return false;
        const auto last = StudentRecords(db()).nextNumber();
        if (!last)
            return false;
        counterBefore = last->number - 1;
        DiskFileOps files;
        const auto preview = PupilImport(db()).check(SpreadsheetReader::readFile(workbookPath, files));
        for (const PupilImport::Row& row : preview.rows) {
            StudentRecord pupil = row.pupil;
            pupil.所在班级 = Class;
            expected.append(pupil);
        }
        return true;
    }();
    return done;
}

bool writeWorkbook()
{
    QList<QStringList> rows {{u"姓名"_s, u"性别"_s, u"民族"_s, u"出生日期"_s, u"入学日期"_s, u"家庭住址"_s,
        u"联系电话"_s, u"家长A"_s, u"家长A姓名"_s, u"家长A电话"_s}};
    const QString surnames = u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗"_s;
    const QString given = u"伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂"_s;
    for (int r = 1; r <= Pupils; ++r) {
        const QDate born(2018 + r % 3, r % 12 + 1, r % 28 + 1);
        rows.append({QString(surnames[r % 20]) + given[(r / 20) % 20] + given[(r * 7) % 20], r % 2 ? u"男"_s : u"女"_s,
            u"汉族"_s, u"=d:"_s + born.toString(Qt::ISODate), u"2025年9月1日"_s,
            u"幸福路%1号%2单元"_s.arg(r % 300).arg(r % 6 + 1), u"=n:%1"_s.arg(13800000000LL + r), u"父亲"_s,
            surnames[r % 20] + u"建国"_s, u"1390000%1"_s.arg(r, 4, 10, QChar(u'0'))});
    }
    return XlsxFixture::write(workbookPath, rows);
}

// Takes the round's pupils out and puts the counter back.
void undo(benchmark::State& state)
{
    state.PauseTiming();
    if (!db().execute(u"delete from 学籍表 where 学号>?"_s, {counterBefore})
        || !db().execute(u"update 记号表 set 学号=? where ID=1"_s, {counterBefore}))
        state.SkipWithError("cannot take the pupils out again");
    state.ResumeTiming();
}

void Import_ours(benchmark::State& state)
{
    if (!prepared()) {
        state.SkipWithError("cannot copy the school or write the workbook");
        return;
    }
    DiskFileOps files;
    for (auto _ : state) {
        PupilImport import(db());
        const PupilImport::Preview preview = import.check(SpreadsheetReader::readFile(workbookPath, files));
        if (preview.goodRows() != Pupils || !import.add(preview, Class)) {
            state.SkipWithError("import failed");
            break;
        }
        undo(state);
    }
}

// The adding alone (the rows checked once, outside the timing): the same work as the raw side.
void ImportAdd_ours(benchmark::State& state)
{
    if (!prepared()) {
        state.SkipWithError("cannot copy the school or write the workbook");
        return;
    }
    DiskFileOps files;
    const PupilImport::Preview preview = PupilImport(db()).check(SpreadsheetReader::readFile(workbookPath, files));
    for (auto _ : state) {
        PupilImport import(db());
        if (preview.goodRows() != Pupils || !import.add(preview, Class)) {
            state.SkipWithError("import failed");
            break;
        }
        undo(state);
    }
}

// The share of reading the workbook and checking the rows, nothing written.
void ImportReadCheck(benchmark::State& state)
{
    if (!prepared()) {
        state.SkipWithError("cannot copy the school or write the workbook");
        return;
    }
    DiskFileOps files;
    for (auto _ : state) {
        const PupilImport::Preview preview = PupilImport(db()).check(SpreadsheetReader::readFile(workbookPath, files));
        if (preview.goodRows() != Pupils)
            state.SkipWithError("check failed");
    }
}

// Reading the workbook alone, into the sheet of texts the check takes.
void ImportRead(benchmark::State& state)
{
    if (!prepared()) {
        state.SkipWithError("cannot copy the school or write the workbook");
        return;
    }
    DiskFileOps files;
    for (auto _ : state) {
        const ImportedSheet sheet = SpreadsheetReader::readFile(workbookPath, files);
        if (sheet.rows.size() != Pupils + 1)
            state.SkipWithError("read failed");
    }
}

void Import_raw(benchmark::State& state)
{
    if (!prepared()) {
        state.SkipWithError("cannot copy the school or write the workbook");
        return;
    }
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(copyPath).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    PinyinCollation::registerOn(h);
    const QByteArray insert
        = "insert into 学籍表 values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,null,null,null,"
          "null,null,null,null,null,null,null,null,null,null,null,null,null,null,null,null,null,'-',"
          "'-')";
    for (auto _ : state) {
        sqlite3_exec(h, "begin immediate", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h, insert.constData(), -1, &s, nullptr);
        qint64 number = counterBefore;
        for (const StudentRecord& pupil : std::as_const(expected)) {
            sqlite3_bind_int64(s, 1, ++number);
            int i = 2;
            for (const StudentField& f : StudentFields) {
                const QByteArray text = (pupil.*f.member).toUtf8();
                sqlite3_bind_text(s, i++, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            }
            for (; i <= 23; ++i)
                sqlite3_bind_zeroblob(s, i, 0);
            if (sqlite3_step(s) != SQLITE_DONE)
                state.SkipWithError(sqlite3_errmsg(h));
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        const QByteArray counter = "update 记号表 set 学号=" + QByteArray::number(number) + " where ID=1";
        sqlite3_exec(h, counter.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(h, "commit", nullptr, nullptr, nullptr);
        undo(state);
    }
    sqlite3_close(h);
}

} // namespace

BENCHMARK(Import_ours)->Name("Import2000Pupils/ours")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Import_raw)->Name("Import2000Pupils/raw")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ImportAdd_ours)->Name("Import2000PupilsAdd/ours")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Import_raw)->Name("Import2000PupilsAdd/raw")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ImportReadCheck)->Name("Import2000PupilsReadAndCheck")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ImportRead)->Name("Import2000PupilsRead")->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    return runOnLargeSchool(argc, argv);
}
