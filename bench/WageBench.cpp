// Wage sheets: one cell edit on a 300-row sheet as the page does it (recalculate, serialise,
// encipher, atomic write) against the raw chain underneath (copy the bytes, nettle DES, write,
// fdatasync, rename), and the work before the write on its own. Opening a 300-row sheet on page 7
// against reading and deciphering its file, and up to the first painted frame against that plus a
// bare view of the same texts.
#include "platform/DiskFileOps.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "support/BareView.h"
#include "support/ExposedWindow.h"
#include "support/RatioReporter.h"
#include "support/Workbench.h"
#include "wages/WagePage.h"
#include "wages/WageSheet.h"
#include "wages/WageTableFile.h"
#include "workspace/PageFrame.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <nettle/des.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Staff = 300;

void fill(SheetTable& t)
{
    t.reset(Staff + 2, 10);
    t.setFixedRows(1);
    for (int c = 1; c <= 10; ++c)
        t.setText(1, c, u"工资项目%1"_s.arg(c));
    for (int r = 2; r <= Staff + 1; ++r) {
        t.setText(r, 1, u"教员%1"_s.arg(r));
        for (int c = 2; c <= 8; ++c)
            t.setText(r, c, u"1234.56"_s);
    }
    t.setText(Staff + 2, 1, u"合计："_s);
    t.setBorders({1, 1, Staff + 2, 10}, AllBorders);
    WageSheet(t).recomputeTotals();
}

QTemporaryDir& dir()
{
    static QTemporaryDir d;
    return d;
}

void BM_CellEdit_ours(benchmark::State& state)
{
    SheetTable t;
    fill(t);
    WageSheet sheet(t);
    DiskFileOps files;
    const QString path = dir().path() + u"/001.xsk"_s;
    int i = 0;
    for (auto _ : state) {
        t.setText(2 + i % Staff, 3, QString::number(1000 + i % 977));
        sheet.cellEdited(2 + i % Staff, 3);
        if (!files.writeFile(path, WageTableFile::write(t)))
            state.SkipWithError("write failed");
        ++i;
    }
}
BENCHMARK(BM_CellEdit_ours)->Name("CellEdit300/ours")->Unit(benchmark::kMillisecond);

void BM_CellEdit_raw(benchmark::State& state)
{
    SheetTable t;
    fill(t);
    const QByteArray payload = t.serialise();
    const std::string path = (dir().path() + u"/raw.xsk"_s).toStdString();
    const std::string temp = path + ".tmp";
    const DesCipher::Key key = WageTableFile::key();
    des_ctx ctx;
    des_set_key(&ctx, key.data());
    for (auto _ : state) {
        QByteArray plain((4 + payload.size() + 7) / 8 * 8, '\0');
        std::memcpy(plain.data() + 4, payload.constData(), size_t(payload.size()));
        des_encrypt(&ctx, size_t(plain.size()), reinterpret_cast<uint8_t*>(plain.data()),
            reinterpret_cast<const uint8_t*>(plain.constData()));
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, plain.constData(), size_t(plain.size())) != plain.size() || ::fdatasync(fd) != 0
            || ::close(fd) != 0 || ::rename(temp.c_str(), path.c_str()) != 0)
            state.SkipWithError("raw write failed");
    }
}
BENCHMARK(BM_CellEdit_raw)->Name("CellEdit300/raw")->Unit(benchmark::kMillisecond);

// What the page does before it writes: the edit's rules, the sheet's bytes, the cipher.
void BM_WorkBeforeWrite(benchmark::State& state)
{
    SheetTable t;
    fill(t);
    WageSheet sheet(t);
    int i = 0;
    for (auto _ : state) {
        t.setText(2 + i % Staff, 3, QString::number(1000 + i % 977));
        sheet.cellEdited(2 + i % Staff, 3);
        const QByteArray bytes = WageTableFile::write(t);
        benchmark::DoNotOptimize(bytes.constData());
        ++i;
    }
}
BENCHMARK(BM_WorkBeforeWrite)->Name("CellEdit300 work before the write")->Unit(benchmark::kMillisecond);

// Page 7 with two 300-row sheets in files 1 and 2, which the benches open in turn.
struct WageDesk
{
    WageDesk()
    {
        wb.state.setSession({u"会计"_s, RightsString(u"0010"_s)});
        SheetTable t;
        fill(t);
        for (int sheet = 1; sheet <= 2; ++sheet) {
            QFile file(path(sheet));
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(WageTableFile::write(t)) < 0)
                qFatal("cannot write wage file %d", sheet);
        }
        page = new WagePage(wb.ws, frame);
        frame.setView(page);
        frame.resize(1024, 700);
        frame.show();
        page->openSheet(2);
        if (!waitForExposed(frame))
            qFatal("the wage sheet's window was never exposed");
    }
    QString path(int sheet) const { return wb.desk.paths.path(WageTableFile::relativePath(sheet)); }

    Workbench wb;
    PageFrame frame {Page::WageSheet, {u"工资表外形框1"_s, u"工资表标题标签"_s, u"工资表外形框2"_s, u"工资表底座"_s},
        u"教员工资表"_s};
    WagePage* page;
};

WageDesk& desk()
{
    static WageDesk* d = new WageDesk;
    return *d;
}

// The other sheet: the command alone, against its file read and deciphered.
void BM_OpenSheet_ours(benchmark::State& state)
{
    WageDesk& d = desk();
    int i = 0;
    for (auto _ : state)
        d.page->工资表组合框->setCurrentIndex(++i % 2);
}
BENCHMARK(BM_OpenSheet_ours)->Name("OpenWageSheet/ours")->Unit(benchmark::kMillisecond);

// Up to its first painted frame.
void BM_OpenSheetFrame_ours(benchmark::State& state)
{
    WageDesk& d = desk();
    int i = 0;
    for (auto _ : state) {
        d.page->工资表组合框->setCurrentIndex(++i % 2);
        QCoreApplication::sendPostedEvents();
        d.frame.repaint();
    }
}

// The file read and deciphered, what the sheet is made from.
QByteArray readRaw(const QString& path, des_ctx& ctx)
{
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    bytes.truncate(bytes.size() / 8 * 8);
    des_decrypt(&ctx, size_t(bytes.size()), reinterpret_cast<uint8_t*>(bytes.data()),
        reinterpret_cast<const uint8_t*>(bytes.constData()));
    return bytes;
}

void BM_OpenSheet_raw(benchmark::State& state)
{
    WageDesk& d = desk();
    const DesCipher::Key key = WageTableFile::key();
    des_ctx ctx;
    des_set_key(&ctx, key.data());
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(readRaw(d.path(1 + ++i % 2), ctx).size());
}
BENCHMARK(BM_OpenSheet_raw)->Name("OpenWageSheet/raw")->Unit(benchmark::kMillisecond);

// The same file and the sheet's texts in a bare view of the same size.
void BM_OpenSheetView_raw(benchmark::State& state)
{
    WageDesk& d = desk();
    static BareView* bare = [] {
        auto* view = new BareView;
        if (!waitForExposed(view->view))
            qFatal("the bare view's window was never exposed");
        return view;
    }();
    const SheetTable& shown = *d.page->table();
    QList<QStringList> texts;
    for (int r = 1; r <= shown.rowCount(); ++r) {
        QStringList row;
        for (int c = 1; c <= shown.columnCount(); ++c)
            row.append(shown.text(r, c));
        texts.append(row);
    }
    const DesCipher::Key key = WageTableFile::key();
    des_ctx ctx;
    des_set_key(&ctx, key.data());
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readRaw(d.path(1 + ++i % 2), ctx).size());
        bare->show(texts);
    }
}
BENCHMARK(BM_OpenSheetFrame_ours)->Name("OpenWageSheetFrame/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSheetView_raw)->Name("OpenWageSheetFrame/raw")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runWithRatios(argc, argv);
}
