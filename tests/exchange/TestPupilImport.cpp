#include "XlsxFixture.h"

#include "exchange/PupilImport.h"
#include "exchange/SpreadsheetReader.h"
#include "exchange/TableExport.h"
#include "students/StudentRecords.h"
#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/FailingFileOps.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"
#include "workspace/PageTable.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;
const QString Class2 = u"2年级1班"_s;

ImportedSheet csv(const QString& text)
{
    return SpreadsheetReader::readBytes(text.toUtf8(), u"学生.csv"_s);
}

// The school: two classes, a graduate holding number 7, the counter at 10.
void prepare(StudentsFixture& f)
{
    QVERIFY(f.addClass(Class1, u"周老师"_s));
    QVERIFY(f.addClass(Class2, u"吴老师"_s));
    StudentRecord graduate = f.pupil(7, u"赵六"_s, u"6年级1班"_s);
    graduate.离校时间 = u"2025年7月1日"_s;
    QVERIFY(f.addPupil(graduate, u"毕业表"_s));
    QVERIFY(f.setCounter(10));
}

QStringList errorsOf(const PupilImport::Preview& preview)
{
    QStringList out;
    for (const PupilImport::Row& row : preview.rows) {
        if (!row.ok())
            out << QString::number(row.number) + u": "_s + row.errors.join(u"；"_s);
    }
    return out;
}

} // namespace

class TestPupilImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A title above the captions, captions with blanks and ones that are no field, five good rows
    // (dates as people type them and as a date cell) and three bad ones.
    void goodRowsAreAddedTogetherAndBadOnesShown()
    {
        StudentsFixture f;
        prepare(f);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"学生.xlsx"_s);
        QVERIFY(XlsxFixture::write(path,
            {{u"实验小学新生名单"_s},
                {u"学号"_s, u"姓  名"_s, u"性别"_s, u"出生日期"_s, u"入学日期"_s, u"所在班级"_s, u"爱好"_s,
                    u"联系电话"_s, u"姓名"_s},
                {u""_s, u"张一"_s, u"男"_s, u"2019年3月15日"_s, u"=d:2025-09-01"_s, u""_s, u"画画"_s,
                    u"=n:13900000001"_s},
                {u"=n:501"_s, u"张二"_s, u"女"_s, u"2019-3-15"_s},
                {u""_s, u"张三"_s, u"男"_s, u"2019/3/15"_s, u""_s, Class2},
                {u""_s, u" 张四 "_s, u"女"_s, u"20190315"_s}, {u""_s, u"张五"_s, u""_s, u"=d:2018-12-31"_s},
                {u""_s, u""_s, u"男"_s, u"2019年3月16日"_s}, {u""_s, u"王六"_s, u"男"_s, u"2019年2月30日"_s},
                {u"=n:7"_s, u"王七"_s}}));
        const auto sheet = SpreadsheetReader::readFile(path, FailingFileOps::working());
        PupilImport import(f.db);
        const PupilImport::Preview preview = import.check(sheet);
        QVERIFY2(preview.error.isEmpty(), qPrintable(preview.error));
        QCOMPARE(preview.fields,
            (QStringList {
                u"学号"_s, u"姓名"_s, u"性别"_s, u"出生日期"_s, u"入学日期"_s, u"所在班级"_s, u"联系电话"_s}));
        QCOMPARE(preview.ignored, (QStringList {u"爱好"_s, u"姓名（重复）"_s}));
        QCOMPARE(preview.rows.size(), 8);
        QCOMPARE(preview.goodRows(), 5);
        QCOMPARE(errorsOf(preview),
            (QStringList {u"8: 没有姓名"_s, u"9: 出生日期“2019年2月30日”不是日期"_s, u"10: 学号7已被使用"_s}));
        QCOMPARE(f.count(u"学籍表"_s), 0); // checking wrote nothing

        QCOMPARE(import.add(preview, Class1), 11);
        QCOMPARE(f.count(u"学籍表"_s), 5);
        QCOMPARE(f.counter(), 15);
        StudentRecords records(f.db);
        const auto first = records.record(StudentViewKind::Enrolled, 11);
        QVERIFY(first);
        QCOMPARE(first->姓名, u"张一"_s);
        QCOMPARE(first->出生日期, u"2019年3月15日"_s);
        QCOMPARE(first->入学日期, u"2025年9月1日"_s);
        QCOMPARE(first->联系电话, u"13900000001"_s);
        QCOMPARE(first->所在班级, Class1);
        QCOMPARE(first->离校时间, u"-"_s);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 13)->所在班级, Class2);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 14)->姓名, u"张四"_s);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 15)->出生日期, u"2018年12月31日"_s);
    }

    void rowErrors_data()
    {
        addColumns<QString, QString>({"file", "errors"});
        QTest::newRow("fits") << u"姓名,家庭住址\n欧阳明明明明明明明明,%1"_s.arg(QString(25, u'路')) << QString();
        QTest::newRow("over its width") << u"姓名,家庭住址\n欧阳明明明明明明明明明,%1"_s.arg(QString(25, u'路') + u'1')
                                        << u"2: 姓名超过20字节（有22字节）；家庭住址超过50字节（有51字节）"_s;
        QTest::newRow("not dates") << u"姓名,出生日期,入学日期\n张三,2019-3,明天"_s
                                   << u"2: 出生日期“2019-3”不是日期；入学日期“明天”不是日期"_s;
        QTest::newRow("numbers") << u"学号,姓名\n12a,张三\n500,李四\n500,王五\n0,赵六"_s
                                 << u"2: 学号“12a”不是有效的学号\n4: 学号500与第3行重复\n5: 学号“0”不是有效的学号"_s;
        QTest::newRow("class") << u"姓名,所在班级\n张三,9年级9班\n李四,"_s + Class2 << u"2: 班级“9年级9班”不存在"_s;
        QTest::newRow("no name") << u"姓名,性别\n　,男"_s << u"2: 没有姓名"_s;
    }
    void rowErrors()
    {
        QFETCH(QString, file);
        QFETCH(QString, errors);
        StudentsFixture f;
        prepare(f);
        const PupilImport::Preview preview = PupilImport(f.db).check(csv(file));
        QVERIFY(preview.error.isEmpty());
        QCOMPARE(errorsOf(preview).join(u'\n'), errors);
    }

    void fileWithoutNameCaptionIsRefused()
    {
        StudentsFixture f;
        const PupilImport::Preview preview = PupilImport(f.db).check(csv(u"名字,性别\n张三,男"_s));
        QCOMPARE(preview.error, u"表格中找不到“姓名”列。表格的第一行应是列标题，例如：姓名、性别、民族、出生日期。"_s);
        QVERIFY(preview.rows.isEmpty());
    }

    // A refusal on the third pupil, or no database at all: not one pupil, the counter as it was.
    void failureAddsNothing_data() { addSwitchRows("closed", {{"refused mid-way", false}, {"database closed", true}}); }
    void failureAddsNothing()
    {
        QFETCH(bool, closed);
        StudentsFixture f;
        prepare(f);
        QVERIFY(RefusingTrigger::execute(f.db,
            u"create trigger refuse before insert on 学籍表 when new.姓名='李三' "_s
            u"begin select raise(abort, 'refused'); end"_s));
        PupilImport import(f.db);
        const auto preview = import.check(csv(u"姓名\n李一\n李二\n李三\n李四"_s));
        QCOMPARE(preview.goodRows(), 4);
        if (closed)
            f.db.close();
        QVERIFY(!import.add(preview, Class1));
        QVERIFY(!import.lastError().isEmpty());
        if (closed)
            f.db.openSchool(DatabaseKind::Student, f.dir.databasePath(DatabaseKind::Student));
        QCOMPARE(f.count(u"学籍表"_s), 0);
        QCOMPARE(f.counter(), 10);
    }

    // A roster exported by 导出 comes back through the import as the page showed it.
    void exportedRosterReadsBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("xlsx") << u"花名册.xlsx"_s;
        QTest::newRow("csv") << u"花名册.csv"_s;
    }
    void exportedRosterReadsBack()
    {
        QFETCH(QString, file);
        StudentsFixture f;
        prepare(f);
        PageTable shown;
        shown.title = u"实验小学1年级1班学生花名册"_s;
        shown.statistics = u"本班共有2人 其中男1人 女1人"_s;
        shown.captions = QStringList {u"学号"_s, u"姓名"_s, u"性别"_s, u"出生日期"_s, u"所在班级"_s, u"联系电话"_s};
        shown.kinds = QList<PageTable::Kind>(shown.captions.size(), PageTable::Kind::Text);
        shown.kinds[0] = PageTable::Kind::Number;
        shown.rows = {{u"301"_s, u"欧阳\"小\"雨"_s, u"女"_s, u"2019年3月15日"_s, Class2, u"0571-88886666"_s},
            {u"302"_s, u"林, 一"_s, u"男"_s, u"2018年12月1日"_s, Class1, u"13900000000"_s}};
        QTemporaryDir dir;
        FailingFileOps files = FailingFileOps::working();
        QCOMPARE(TableExport::save(shown, dir.filePath(file), files), QString());

        const auto preview = PupilImport(f.db).check(SpreadsheetReader::readFile(dir.filePath(file), files));
        QVERIFY2(preview.error.isEmpty(), qPrintable(preview.error));
        QCOMPARE(preview.fields, shown.captions);
        QCOMPARE(preview.ignored, QStringList {});
        QList<QStringList> read;
        for (const PupilImport::Row& row : preview.rows) {
            QVERIFY2(row.ok(), qPrintable(row.errors.join(u'；')));
            read.append({row.givenNumber, row.pupil.姓名, row.pupil.性别, row.pupil.出生日期, row.pupil.所在班级,
                row.pupil.联系电话});
        }
        QCOMPARE(read, shown.rows);
    }

    // The first pupil ever takes number 1, as the editor offers.
    void firstPupilsOfTheSchoolStartAtOne()
    {
        StudentsFixture f;
        QVERIFY(f.addClass(Class1, u"周老师"_s));
        PupilImport import(f.db);
        QCOMPARE(import.add(import.check(csv(u"姓名\n李一\n李二"_s)), Class1), 1);
        QCOMPARE(f.counter(), 2);
    }
};

XIAOWU_TEST(TestPupilImport)
#include "TestPupilImport.moc"
