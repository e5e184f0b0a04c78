// The status-change dialog on each of its five pages, as the commands fill them.
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "ScreenshotKit.h"

#include "records/StatusChangeDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

using namespace Qt::StringLiterals;

class StatusDialogScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pages_data()
    {
        addColumns<int, QString>({"mode", "question"});
        QTest::newRow("leave") << 0 << u"您确定4年级2班的林小雨同学要离开本校吗？"_s;
        QTest::newRow("change-class") << 1 << u"林小雨同学目前在本校4年级2班就读。您确定要调整林小雨同学的班级吗？"_s;
        QTest::newRow("graduation") << 2 << QString();
        QTest::newRow("retire") << 3 << u"您确定姓名为王建国的教员离开本校吗？"_s;
        QTest::newRow("transfer") << 3 << u"您确定姓名为孙海燕的教员离开本校吗？"_s;
        QTest::newRow("re-enrol") << 4 << u"您确定姓名为赵六的学生复学吗？"_s;
    }

    void pages()
    {
        QFETCH(int, mode);
        QFETCH(QString, question);
        ScreenshotKit::useProgramFont();
        const bool transfer = QTest::currentDataTag() == QByteArray("transfer");
        StatusChangeDialog dialog(StatusChangeMode(mode), QDate(2026, 12, 9), nullptr,
            transfer ? StatusChangeDialog::TeacherChange::Transfer : StatusChangeDialog::TeacherChange::Retire);
        if (!question.isEmpty())
            dialog.setQuestion(question);
        for (QComboBox* box : {dialog.调整班名组合框, dialog.复学班级组合框})
            box->addItems({u"4年级1班"_s, u"4年级2班"_s, u"4年级3班"_s});
        QVERIFY(ScreenshotKit::showAndSave(dialog, u"status-dialog"_s));
    }
};

XIAOWU_TEST(StatusDialogScreenshots)
#include "StatusDialogScreenshots.moc"
