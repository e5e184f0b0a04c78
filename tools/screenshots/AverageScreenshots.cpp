// Pictures of page 8, the class averages opened from the score sheet, in the main window.
#include "students/StudentsFixture.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"
#include "ScreenshotMaker.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "grades/ScoreSheetPage.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void fillSchool(DbConnection& db)
{
    StudentsFixture d;
    d.db.close();
    d.db.open(db.path(), {}, DatabaseKinds::password(DatabaseKind::Student));
    const QStringList subjects {
        u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德"_s, u"音乐"_s, u"美术"_s, u"体育"_s, {}, {}};
    const QStringList teachers {u"刘红梅"_s, u"陈国强"_s, u"王丽"_s, u"赵敏"_s, u"孙建华"_s, u"周涛"_s};
    QStringList classes;
    for (int grade = 4; grade <= 6; ++grade) {
        for (int c = 1; c <= 2; ++c) {
            classes << u"%1年级%2班"_s.arg(grade).arg(c);
            d.addClass(classes.last(), teachers[classes.size() - 1], subjects);
        }
    }
    // The last class is new and has no pupils yet.
    d.addClass(u"6年级3班"_s, u"吴新"_s, subjects);
    int number = 2021001;
    d.db.beginTransaction();
    for (int c = 0; c < classes.size(); ++c) {
        for (int i = 0; i < 30; ++i, ++number) {
            StudentRecord r = d.pupil(number, u"学生"_s + QString::number(number % 1000), classes[c]);
            for (int s = 0; s < 8; ++s) {
                r.期中[s] = 58 + (i * 7 + s * 11 + c * 5) % 42;
                r.期末[s] = 60 + (i * 5 + s * 13 + c * 3) % 40;
            }
            if (i == 3)
                r.期中[2] = 0; // absent from one exam: left out of the average
            d.addPupil(r);
        }
    }
    d.db.commit();
}

} // namespace

class AverageScreenshots : public ScreenshotMaker
{
    Q_OBJECT

private Q_SLOTS:
    void shots()
    {
        FakeServices f;
        f.screen.fixed = shotSize();
        Startup startup(f.services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        main.state().setSchoolName(u"阳光实验小学"_s);
        fillSchool(main.studentDb());
        QVERIFY(ScreenshotKit::showAtSize(main, shotSize()));
        const auto shoot = [&](const QString& name) {
            QTest::qWait(200);
            QVERIFY(main.grab().save(m_dir + u"/averages-"_s + name + shotSuffix()));
        };

        QVERIFY(main.runCommand(u"期中成绩录入"));
        auto* page = main.findChild<ScoreSheetPage*>();
        QVERIFY(page);
        page->平均成绩统计钮->click();
        shoot(u"midterm"_s);
        QVERIFY(main.runCommand(u"期末成绩录入"));
        page->平均成绩统计钮->click();
        shoot(u"final"_s);
    }
};

XIAOWU_TEST(AverageScreenshots)
#include "AverageScreenshots.moc"
