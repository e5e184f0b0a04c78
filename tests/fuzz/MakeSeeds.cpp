// Writes the seed corpora of the fuzz targets with the program's own writers:
//   xiaowu_fuzz_seeds tests/fuzz/corpus
#include "records/RecordPhoto.h"
#include "settings/AppSettings.h"
#include "sheet/SheetTable.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "text/DateText.h"
#include "text/GbText.h"
#include "wages/WageTableFile.h"

#include "exchange/XlsxFixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString root;

void put(const QString& target, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(root + u'/' + target);
    QFile file(root + u'/' + target + u"/seed-"_s + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
}

QByteArray image(const char* format)
{
    QImage picture(6, 4, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

void sheets()
{
    SheetTable table;
    table.reset(6, 3);
    table.setFixedRows(1);
    table.setText(1, 1, u"姓名"_s);
    table.setText(1, 2, u"Score"_s);
    table.setText(2, 1, u"张三𠀀"_s);
    table.setText(2, 2, u"98.5"_s);
    table.setPicture(3, 3, image("PNG"));
    table.setRowHeight(4, 300);
    PageSetup setup;
    setup.fillLastPage = 1;
    setup.pageNumberPosition = PageSetup::BottomCentre;
    setup.rowsPerPage = 3;
    table.setPageSetup(setup);
    put(u"sheet"_s, u"texts-picture-ruled"_s, table.serialise());

    setup = {};
    setup.zoom = PageSetup::FitWidth;
    setup.orientation = PageSetup::Landscape;
    setup.paper = 8;
    table.setPageSetup(setup);
    table.setColumnWidths(1, 3, 900);
    put(u"sheet"_s, u"fit-width-landscape"_s, table.serialise());

    SheetTable empty;
    put(u"sheet"_s, u"empty"_s, empty.serialise());

    SheetTable wage;
    if (WageTableFile::read(WageTableFile::templateBytes(), wage))
        put(u"sheet"_s, u"wage-template"_s, wage.serialise());
}

void wages()
{
    put(u"wage"_s, u"template"_s, WageTableFile::templateBytes());
    SheetTable table;
    table.reset(3, WageTableFile::Columns);
    table.setText(1, 1, u"姓名"_s);
    table.setText(2, 1, u"李四"_s);
    table.setText(2, 7, u"1234.50"_s);
    table.setText(3, 1, u"合计"_s);
    put(u"wage"_s, u"three-rows"_s, WageTableFile::write(table));
    // The payload alone: the target also seals its input itself.
    put(u"wage"_s, u"payload"_s, table.serialise());
}

void settings(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(u"config.ini"_s);
    AppSettings settings(path);
    settings.writeDefaultsIfMissing();
    settings.setSchoolName(u"第一中学"_s);
    settings.setInterfaceStyle(3);
    settings.setWageTitle(2, u"二〇二六年十二月工资"_s);
    settings.setCustomGraduationDate(u"2026年7月1日"_s);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    put(u"settings"_s, u"written"_s, file.readAll());
}

void texts()
{
    // The first byte is the byte limit plus 16.
    const QList<QPair<int, QString>> samples = {
        {5, u"张三丰"_s},
        {3, u"a𠀀b"_s},
        {16, u" \u3000李 四\t"_s},
        {30, DateText::format(2005, 9, 1)},
        {30, u"２０１９年３月１５日"_s},
        {30, u"2019-3-15"_s},
        {30, u"20200229"_s},
    };
    int n = 0;
    for (const auto& [limit, text] : samples)
        put(u"text"_s, QString::number(++n), char(limit + 16) + GbText::toBytes(text));
    put(u"text"_s, u"utf8"_s, char(20) + u"２０１９。３。１５"_s.toUtf8());
}

void database(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(u"006.xsk"_s);
    {
        DbConnection db;
        db.createNew(path, DatabaseKinds::password(DatabaseKind::Student));
        db.execute(u"CREATE TABLE 班级表 (班级 TEXT, 人数 INTEGER)"_s);
        db.execute(u"INSERT INTO 班级表 VALUES (?, ?)"_s, {u"一年级一班"_s, 40});
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    put(u"database"_s, u"created"_s, file.readAll());
}

void photos()
{
    put(u"photo"_s, u"placeholder"_s, RecordPhoto::placeholder());
    for (const char* format : {"PNG", "JPG", "BMP", "GIF"}) {
        const QByteArray bytes = image(format);
        if (!bytes.isEmpty())
            put(u"photo"_s, QString::fromLatin1(format).toLower(), bytes);
    }
}

// The readers take files of other programs, written here part by part as those programs do.
void spreadsheets()
{
    put(u"spreadsheet"_s, u"csv-quotes"_s,
        u"学生名单\r\n学号,姓名,家庭住址\r\n1,\"王\"\"小\"\"明\",\"幸福路1号,3单元\r\n502室\"\r\n,李四,\"\"\r\n"_s
            .toUtf8());
    put(u"spreadsheet"_s, u"csv-gb18030"_s, GbText::toBytes(u"姓名\t籍贯\n欧阳𠀀\t浙江\n"_s));
    const QList<QStringList> rows {
        {u"姓名"_s, u"出生日期"_s, u"联系电话"_s}, {}, {u"张三"_s, u"=d:2019-03-15"_s, u"=n:13900000000"_s}};
    put(u"spreadsheet"_s, u"xlsx-shared"_s, XlsxFixture::workbook(rows));
    put(u"spreadsheet"_s, u"xlsx-inline"_s, XlsxFixture::workbook(rows, true));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: xiaowu_fuzz_seeds CORPUS_DIR\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    sheets();
    wages();
    settings(dir);
    texts();
    database(dir);
    photos();
    spreadsheets();
    return 0;
}
