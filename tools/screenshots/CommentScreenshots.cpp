// Pictures of the comment window (both pages, two colour schemes) and the model comment editor at
// two screen sizes; runs only when XIAOWU_SCREENSHOTS names the directory to write them to.
#include "students/StudentsFixture.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include "ScreenshotKit.h"

#include "comments/CommentEntryWindow.h"
#include "comments/ModelCommentEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class CommentScreenshots : public QObject
{
    Q_OBJECT

    static StudentsFixture& filled(StudentsFixture& d)
    {
        d.addClass(u"4年级2班"_s, u"刘红梅"_s);
        d.addClass(u"4年级3班"_s, u"陈国强"_s);
        const QStringList names {
            u"林小雨"_s, u"王浩然"_s, u"张伟"_s, u"赵欣怡"_s, u"陈子轩"_s, u"刘思琪"_s, u"周梓涵"_s, u"吴俊杰"_s};
        int number = 2021041;
        for (const QString& name : names) {
            StudentRecord r = StudentsFixture::pupil(number++, name, u"4年级2班"_s);
            r.本学期评语 = u"    你是一个懂事的孩子，小小年纪知道怎样管理好自己。上课专心听讲，作业认真，"_s
                           u"乐于帮助同学。希望你继续努力，做一个更加出色的自己！"_s;
            r.综合评语 = u"2025年1月15日录入的评语：\r\n\r\n    品学兼优，团结同学，积极参加班级活动。"_s;
            d.addPupil(r);
        }
        return d;
    }

    // The comment window over the filled school, at a screen's size.
    struct Scene
    {
        explicit Scene(QSize size)
            : bench(filled(data).db)
            , window(bench.ws)
        {
            window.resize(size);
        }
        StudentsFixture data;
        Workbench bench;
        CommentEntryWindow window;
    };

private Q_SLOTS:
    void window_data()
    {
        addColumns<QSize, int, QString>({"size", "page", "scheme"});
        for (const QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
            const QString tag = u"%1x%2"_s.arg(size.width()).arg(size.height());
            QTest::newRow(qPrintable(u"entries-default-"_s + tag)) << size << 0 << u"默认方案"_s;
            QTest::newRow(qPrintable(u"entries-blue-"_s + tag)) << size << 0 << u"蓝天白云"_s;
            QTest::newRow(qPrintable(u"models-default-"_s + tag)) << size << 1 << u"默认方案"_s;
            QTest::newRow(qPrintable(u"models-night-"_s + tag)) << size << 1 << u"夜色深沉"_s;
        }
    }

    void window()
    {
        QFETCH(QSize, size);
        QFETCH(int, page);
        QFETCH(QString, scheme);
        ScreenshotKit::useProgramFont();
        Scene scene(size);
        CommentEntryWindow& w = scene.window;
        QVERIFY(w.start());
        w.方案组合框->setCurrentText(scheme);
        w.选择夹1->setCurrentIndex(page);
        QVERIFY(ScreenshotKit::showAndSave(w, u"comments"_s));
    }

    void editor_data() { ScreenshotKit::screenSizes("size", {QSize(1024, 768), QSize(1920, 1080)}); }

    void editor()
    {
        QFETCH(QSize, size);
        ScreenshotKit::useProgramFont();
        Scene scene(size);
        CommentEntryWindow& w = scene.window;
        QVERIFY(w.start());
        w.选择夹1->setCurrentIndex(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ModelCommentEditor editor(
            ModelCommentEditor::Mode::Modify, w.详细评语编辑框->toPlainText(), scene.bench.desk.prompt, &w);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::qWait(200);
        const QString dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        // The editor over the middle of the window, as the teacher sees it.
        QPixmap shot = w.grab();
        const QPixmap dialog = editor.grab();
        QPainter p(&shot);
        p.drawPixmap((shot.width() - dialog.width()) / 2, (shot.height() - dialog.height()) / 2, dialog);
        p.end();
        QVERIFY(shot.save(dir + u"/comments-model-editor-"_s + QTest::currentDataTag() + u".png"_s));
    }
};

XIAOWU_TEST(CommentScreenshots)
#include "CommentScreenshots.moc"
