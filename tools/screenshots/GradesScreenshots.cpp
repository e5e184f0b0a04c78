// Pictures of the score sheet page inside the main window: the mid-term and the final sheet, a
// sheet sorted by a subject and the question before a subject is cleared.
#include "students/StudentsFixture.h"
#include "support/FakeServices.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"
#include "ScreenshotMaker.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "grades/ScoreSheetPage.h"
#include "platform/Prompt.h"
#include "sheet/SheetGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Shows each box as the desktop would, photographs it over the main window and answers Cancel.
class PicturePrompt : public Prompt
{
public:
    Answer show(const QString& text, const QString& title, Icon icon, Buttons buttons) override
    {
        QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information,
            title.isEmpty() ? defaultTitle() : title, text,
            buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, window);
        // The program loads Qt's Chinese button texts; this tool does not.
        if (QAbstractButton* ok = box.button(QMessageBox::Ok))
            ok->setText(u"确定"_s);
        if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
            cancel->setText(u"取消"_s);
        box.show();
        QTest::qWait(200);
        QPixmap picture = window->grab();
        QPainter p(&picture);
        const QPixmap face = box.grab();
        p.drawPixmap((picture.width() - face.width()) / 2, (picture.height() - face.height()) / 2, face);
        p.end();
        picture.save(path);
        return Answer::Cancel;
    }

    QWidget* window = nullptr;
    QString path;
};

void fill(DbConnection& db)
{
    StudentsFixture d;
    d.db.close();
    d.db.open(db.path(), {}, DatabaseKinds::password(DatabaseKind::Student));
    d.addClass(u"4年级2班"_s, u"刘红梅"_s,
        {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"品德"_s, u"音乐"_s, u"美术"_s, u"体育"_s, u"信息"_s, u"综合"_s});
    d.addClass(u"4年级3班"_s, u"陈国强"_s);
    const QStringList names {u"林小雨"_s, u"王浩然"_s, u"张伟"_s, u"赵欣怡"_s, u"陈子轩"_s, u"刘思琪"_s, u"周梓涵"_s,
        u"吴俊杰"_s, u"孙一鸣"_s, u"钱晓晨"_s, u"郑可馨"_s, u"黄子涵"_s, u"何雨桐"_s, u"高博文"_s};
    for (int i = 0; i < names.size(); ++i) {
        StudentRecord r = d.pupil(2021041 + i, names[i], u"4年级2班"_s, i % 2 ? u"男"_s : u"女"_s);
        for (int s = 0; s < 8; ++s) {
            r.期中[s] = 60 + (i * 7 + s * 11) % 40;
            r.期末[s] = 62 + (i * 5 + s * 13) % 38;
        }
        d.addPupil(r);
    }
}

} // namespace

class GradesScreenshots : public ScreenshotMaker
{
    Q_OBJECT

private Q_SLOTS:
    void shots()
    {
        FakeServices f;
        f.screen.fixed = shotSize();
        PicturePrompt prompt;
        PlatformServices services {prompt, f.fileChooser, f.clock, f.screen, f.music, f.launcher, f.fileOps};
        Startup startup(services, f.paths);
        QVERIFY(startup.start());
        MainWindow& main = *startup.mainWindow();
        main.setSession({u"校长"_s, RightsString::super()});
        main.state().setSchoolName(u"阳光实验小学"_s);
        fill(main.studentDb());
        QVERIFY(ScreenshotKit::showAtSize(main, shotSize()));
        const auto shoot = [&](const QString& name) {
            QTest::qWait(200);
            QVERIFY(main.grab().save(m_dir + u"/grades-"_s + name + shotSuffix()));
        };

        QVERIFY(main.runCommand(u"期中成绩录入"));
        auto* page = main.findChild<ScoreSheetPage*>();
        QVERIFY(page);
        page->成绩表格->setCursorCell(5, 4);
        shoot(u"midterm"_s);
        QVERIFY(main.runCommand(u"期末成绩录入"));
        shoot(u"final"_s);
        page->成绩表排序组合框->setCurrentIndex(3); // 数学, highest first
        shoot(u"sorted"_s);
        page->清除科目成绩组合框->setCurrentIndex(1);
        prompt.window = &main;
        prompt.path = m_dir + u"/grades-clear-question"_s + shotSuffix();
        page->清空成绩钮->click();
        QVERIFY(QFile::exists(prompt.path));
    }
};

XIAOWU_TEST(GradesScreenshots)
#include "GradesScreenshots.moc"
