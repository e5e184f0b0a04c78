// The pupil import's preview with good and bad rows, a caption that is no field and a title row,
// at the size it takes on a small and on a large screen.
#include "students_gui/StudentsBench.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "exchange/PupilImportWindow.h"
#include "exchange/SpreadsheetReader.h"

#include <QApplication>
#include <QTest>

using namespace Qt::StringLiterals;

class ImportScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void preview_data() { ScreenshotKit::screenSizes("screen", {QSize(800, 600), QSize(1920, 1080)}); }
    void preview()
    {
        QFETCH(QSize, screen);
        ScreenshotKit::useProgramFont();
        StudentsBench host;
        host.bench.desk.screen.fixed = screen;
        for (const QString& name : {u"1年级1班"_s, u"1年级2班"_s, u"2年级1班"_s})
            QVERIFY(host.data.addClass(name, u"周老师"_s));
        QVERIFY(host.data.addPupil(host.data.pupil(2026001, u"李沐阳"_s, u"1年级1班"_s)));
        QVERIFY(host.data.setCounter(2026001));
        QString csv
            = u"阳光实验学校2026级新生名单\n学号,姓名,性别,民族,出生日期,家庭住址,联系电话,家长A姓名,血型,所在班级\n"_s;
        const QStringList names {u"林小雨"_s, u"王浩然"_s, u"陈思琪"_s, u"赵子轩"_s, u"刘欣怡"_s, u"周博文"_s,
            u"吴雨桐"_s, u"孙嘉豪"_s, u"郑诗涵"_s, u"黄俊杰"_s, u"马若曦"_s, u"胡宇航"_s, u"何佳怡"_s, u"高天佑"_s};
        for (int i = 0; i < names.size(); ++i)
            csv += u",%1,%2,汉族,2019-%3-%4,幸福路%5号,1390571%6,%7建国,A,\n"_s.arg(names[i], i % 2 ? u"女"_s : u"男"_s)
                       .arg(i % 12 + 1)
                       .arg(i + 3)
                       .arg(i * 7 + 2)
                       .arg(1000 + i * 37)
                       .arg(names[i].left(1));
        csv += u",,男,汉族,2019年5月3日,,,,O,\n"_s;
        csv += u",欧阳明轩,男,汉族,2019年2月30日,,,,B,\n"_s;
        csv += u"2026001,李沐阳,男,回族,20190708,,,,AB,\n"_s;
        csv += u",唐诗雨,女,汉族,2019/6/1,浙江省杭州市西湖区文三路新建小区二十八幢三单元一千零一号,,,A,\n"_s;
        csv += u",宋一鸣,男,汉族,2019.9.9,,,,A,9年级9班\n"_s;
        const PupilImport::Preview preview
            = PupilImport(host.data.db).check(SpreadsheetReader::readBytes(csv.toUtf8(), u"新生名单.csv"_s));
        QVERIFY(preview.error.isEmpty());
        PupilImportWindow window(host.ws, preview, u"新生名单.csv"_s, {u"1年级1班"_s, u"1年级2班"_s, u"2年级1班"_s});
        QVERIFY(ScreenshotKit::showAndSave(window, u"import-preview"_s, 300));
    }
};

XIAOWU_TEST(ImportScreenshots)
#include "ImportScreenshots.moc"
