#include "StudentsBench.h"

#include "records/DateBox.h"
#include "records/RecordPhoto.h"
#include "students/StudentEditorWindow.h"
#include "students/StudentRecords.h"
#include "support/DataRows.h"
#include "support/RefusingTrigger.h"
#include "support/TestRegistry.h"
#include "support/TypeAsUser.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;

std::unique_ptr<StudentEditorWindow> openEditor(StudentsBench& host, StudentEditorWindow::Mode mode)
{
    auto editor = std::make_unique<StudentEditorWindow>(host.ws, host.pages(), mode);
    if (!editor->start())
        return nullptr;
    editor->show();
    return editor;
}

qint64 counter(StudentsBench& host)
{
    return host.data.counter();
}

} // namespace

class TestStudentEditorWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstPupilTakesAnyNumberAndTheNextIsOfferedPlusOne()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        QVERIFY(e);
        QCOMPARE(e->windowTitle(), u"添加学生资料"_s);
        QCOMPARE(e->保存数据钮->text(), u"保存数据"_s);
        QVERIFY(!e->学生姓名列表框->isEnabled());
        QCOMPARE(e->窗口标题标签->text(), u"您现在要添加的是1年级1班的学生资料"_s);
        QCOMPARE(e->statusPanel(1), u"校长"_s);
        QCOMPARE(host.prompt.boxes().size(), 1);
        QVERIFY(host.prompt.lastText().startsWith(u"为保证学号的连续性与唯一性"_s));
        QCOMPARE(host.prompt.boxes().last().icon, Prompt::Icon::Warning);
        QCOMPARE(e->学号编辑框->text(), u"1"_s);
        QVERIFY(!e->学号编辑框->isReadOnly());

        e->学号编辑框->setText(u"2024001"_s);
        e->姓名编辑框->setText(u"林小雨"_s);
        e->性别组合框->setCurrentText(u"女"_s);
        e->民族组合框->setCurrentText(u"回族"_s);
        e->出生日期框->setDate(QDate(2015, 3, 8));
        e->入学日期框->setDate(QDate(2021, 9, 1));
        e->班内职务组合框->setEditText(u"班长"_s);
        e->住址编辑框->setText(u"幸福路12号"_s);
        e->籍贯编辑框->setText(u"浙江绍兴"_s);
        e->户籍编辑框->setText(u"杭州市西湖区"_s);
        e->家长组合框1->setCurrentText(u"爷爷"_s);
        e->父亲编辑框->setText(u"林建国"_s);
        e->父亲单位编辑框->setText(u"张记'老字号'"_s);
        e->家长组合框2->setCurrentText(u"奶奶"_s);
        e->本学期评语编辑框->setPlainText(u"第一行\n第二行"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);

        const auto saved = StudentRecords(host.data.db).record(StudentViewKind::Enrolled, 2024001);
        QVERIFY(saved);
        QCOMPARE(saved->家长A单位, u"张记'老字号'"_s);
        QCOMPARE(saved->出生日期, u"2015年3月8日"_s);
        QCOMPARE(saved->所在班级, Class1);
        QCOMPARE(saved->班内职务, u"班长"_s);
        QCOMPARE(saved->本学期评语, u"第一行\r\n第二行"_s);
        QCOMPARE(saved->离校时间, u"-"_s);
        QVERIFY(saved->照片.isEmpty());
        QCOMPARE(counter(host), 2024001);
        QVERIFY(e->savedOnce());

        // The next number follows and is locked; the per-pupil fields are empty for the next one.
        QCOMPARE(e->学号编辑框->text(), u"2024002"_s);
        QVERIFY(e->学号编辑框->isReadOnly());
        QCOMPARE(e->学号编辑框->styleSheet().contains(u"236,236,236"_s), true);
        for (QLineEdit* emptied :
            {e->姓名编辑框, e->住址编辑框, e->籍贯编辑框, e->户籍编辑框, e->父亲编辑框, e->父亲单位编辑框})
            QVERIFY2(emptied->text().isEmpty(), qPrintable(emptied->objectName()));
        QVERIFY(e->本学期评语编辑框->toPlainText().isEmpty());
        QCOMPARE(e->性别组合框->currentText(), u"女"_s);
        QCOMPARE(e->民族组合框->currentText(), u"回族"_s);
        QCOMPARE(e->班内职务组合框->currentText(), u"班长"_s);
        QCOMPARE(e->出生日期框->date(), QDate(2015, 3, 8));
        QCOMPARE(e->入学日期框->date(), QDate(2021, 9, 1));
        QCOMPARE(e->家长组合框1->currentText(), u"爷爷"_s);
        QCOMPARE(e->家长组合框2->currentText(), u"奶奶"_s);
        QCOMPARE(e->学生姓名列表框->count(), 1);
        QCOMPARE(e->学生统计标签->text(), u"目前1年级1班共有1名学生  其中男生0人  女生1人"_s);
        QCOMPARE(host.prompt.boxes().size(), 1); // an add shows no message

        // A second editor starts from the counter without the first-pupil message.
        host.prompt.clear();
        auto again = openEditor(host, StudentEditorWindow::Mode::Add);
        QCOMPARE(again->学号编辑框->text(), u"2024002"_s);
        QVERIFY(again->学号编辑框->isReadOnly());
        QVERIFY(host.prompt.boxes().isEmpty());
    }

    // Another window or another copy gave out the offered number meanwhile: the locked number box
    // cannot be changed, so the editor takes the next free number and says so; a store that
    // refuses the row for another reason is named, and nothing typed is lost.
    void numberTakenMeanwhileMovesToTheNextFree_data()
    {
        addSwitchRows("storeRefuses", {{"number taken", false}, {"store refuses", true}});
    }

    void numberTakenMeanwhileMovesToTheNextFree()
    {
        QFETCH(bool, storeRefuses);
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.addPupil(host.data.pupil(5, u"先来"_s, Class1)));
        QVERIFY(host.data.setCounter(4)); // 5 was stored behind the counter's back
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        QCOMPARE(e->学号编辑框->text(), u"6"_s);
        QVERIFY(host.data.addPupil(host.data.pupil(6, u"抢先"_s, Class1))); // and 6 while the editor was open
        if (storeRefuses)
            QVERIFY(RefusingTrigger::execute(host.data.db,
                u"create trigger 拒绝 before insert on 学籍表 begin select raise(abort, 'disk is full'); end"_s));
        e->姓名编辑框->setText(u"后到"_s);
        e->住址编辑框->setText(u"新华路"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        if (storeRefuses) {
            QVERIFY2(host.prompt.lastText().startsWith(u"保存数据失败！\r\n\r\n"_s)
                    && host.prompt.lastText().contains(u"disk is full"_s),
                qPrintable(host.prompt.lastText()));
            QCOMPARE(counter(host), 4);
            QCOMPARE(e->姓名编辑框->text(), u"后到"_s);
            QCOMPARE(e->住址编辑框->text(), u"新华路"_s);
            QCOMPARE(e->学生姓名列表框->count(), 1);
            QVERIFY(!e->savedOnce());
            return;
        }
        QCOMPARE(host.prompt.lastText(), u"学号 6 已被使用，该学生已按学号 7 保存。"_s);
        const auto saved = StudentRecords(host.data.db).record(StudentViewKind::Enrolled, 7);
        QVERIFY(saved);
        QCOMPARE(saved->姓名, u"后到"_s);
        QCOMPARE(counter(host), 7);
        QCOMPARE(e->学号编辑框->text(), u"8"_s);
        QCOMPARE(e->学生姓名列表框->count(), 2);
        QVERIFY(e->savedOnce());
    }

    void missingNumberOrNameIsAskedFor()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        host.prompt.clear();
        e->学号编辑框->setText(u"　 "_s); // full-width and ASCII blanks
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"    请输入学生的学号！    "_s);
        QCOMPARE(host.prompt.boxes().last().title, u"提示"_s);
        e->学号编辑框->setText(u"7"_s);
        e->姓名编辑框->setText(u"　"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"    请输入学生的姓名！    "_s);
        QCOMPARE(host.data.count(u"学籍表"_s), 0);

        // Numbers never begin with 0, and the minus key does nothing in the box.
        host.prompt.clear();
        e->学号编辑框->clear();
        e->学号编辑框->setFocus();
        QTest::keyClicks(e->学号编辑框, u"0"_s);
        QVERIFY(host.prompt.boxes().isEmpty());
        QTest::keyClicks(e->学号编辑框, u"5"_s);
        QCOMPARE(host.prompt.lastText(), u"学号的第一位数字不能为 0 ！  "_s);
        QCOMPARE(e->学号编辑框->text(), u"05"_s);
        QTest::keyClick(e->学号编辑框, Qt::Key_Minus);
        QCOMPARE(e->学号编辑框->text(), u"05"_s);
    }

    void twoPupilsOfOneNameCanEachBeModified()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(u"1年级2班"_s, u"吴老师"_s));
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.addPupil(host.data.pupil(1, u"张伟"_s, Class1, u"男"_s)));
        StudentRecord second = host.data.pupil(2, u"张伟"_s, Class1, u"女"_s);
        second.家庭住址 = u"第二个张伟家"_s;
        QVERIFY(host.data.addPupil(second));
        host.pick = StudentPick {Class1, 2, u"张伟"_s};
        auto e = openEditor(host, StudentEditorWindow::Mode::Modify);
        QVERIFY(e);
        // The empty first class is passed over without a word on the way to the picked pupil's.
        QVERIFY(host.prompt.boxes().isEmpty());
        QCOMPARE(host.state.headTeachers().currentText(), u"周老师"_s);
        QCOMPARE(e->windowTitle(), u"修改学生资料"_s);
        QCOMPARE(e->保存数据钮->text(), u"保存修改"_s);
        QCOMPARE(e->学生班级组合框->currentText(), Class1);
        QVERIFY(e->学号编辑框->isReadOnly());
        QCOMPARE(e->学号编辑框->text(), u"2"_s);
        QCOMPARE(e->住址编辑框->text(), u"第二个张伟家"_s);
        QCOMPARE(e->性别组合框->currentText(), u"女"_s);
        QCOMPARE(e->窗口标题标签->text(), u"您现在修改的是1年级1班张伟同学的资料"_s);

        e->住址编辑框->setText(u"二号的新家"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"修改数据已保存！"_s);
        StudentRecords records(host.data.db);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 2)->家庭住址, u"二号的新家"_s);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 1)->家庭住址, u"幸福路12号"_s);

        // The other 张伟 is reached by selecting him.
        const int other = e->学生姓名列表框->currentRow() == 0 ? 1 : 0;
        e->学生姓名列表框->setCurrentRow(other);
        QCOMPARE(e->学号编辑框->text(), u"1"_s);
        e->住址编辑框->setText(u"一号的新家"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 1)->家庭住址, u"一号的新家"_s);
        QCOMPARE(records.record(StudentViewKind::Enrolled, 2)->家庭住址, u"二号的新家"_s);
    }

    void aWholeTypedDateIsSaved_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("年月日") << u"2019年3月15日"_s;
        QTest::newRow("dashes") << u"2019-3-15"_s;
        QTest::newRow("dots") << u"2019.3.15"_s;
        QTest::newRow("digits") << u"20190315"_s;
        QTest::newRow("full-width") << u"２０１９．３．１５"_s;
    }

    void aWholeTypedDateIsSaved()
    {
        QFETCH(QString, typed);
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.setCounter(10));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        QVERIFY(QTest::qWaitForWindowActive(e.get()));
        e->姓名编辑框->setText(u"林小雨"_s);
        typeOver(e->出生日期框, typed);
        QTest::keyClick(e->出生日期框, Qt::Key_Return); // on along the chain, as the office types
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(StudentRecords(host.data.db).record(StudentViewKind::Enrolled, 11)->出生日期, u"2019年3月15日"_s);
    }

    void anUntouchedSaveKeepsWhatNoListOrDateCouldShow()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        StudentRecord p = host.data.pupil(8, u"陈晨"_s, Class1, u""_s);
        p.出生日期 = u"-"_s;
        p.入学日期 = u"九月初"_s;
        p.家长A = u"父"_s; // the beginning of 父亲: shown as that entry, as stored lists were read
        p.家长B = QString();
        QStringList lines;
        for (int i = 1; i <= 20; ++i)
            lines << u"第%1行"_s.arg(i);
        p.本学期评语 = lines.join(u"\r\n"_s); // written in the comment window: more than 14 lines
        QVERIFY(host.data.addPupil(p));
        host.pick = StudentPick {Class1, 8, u"陈晨"_s};
        auto e = openEditor(host, StudentEditorWindow::Mode::Modify);
        QCOMPARE(e->性别组合框->currentText(), QString());
        QCOMPARE(e->出生日期框->text(), u"-"_s);
        e->本学期评语编辑框->moveCursor(QTextCursor::End);
        QTest::keyClick(e->本学期评语编辑框, Qt::Key_Return); // one more line is refused, the stored 20 stay
        QCOMPARE(host.prompt.lastText(), u"本学期评价最多输入14行内容！"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"修改数据已保存！"_s);
        const auto back = StudentRecords(host.data.db).record(StudentViewKind::Enrolled, 8);
        QCOMPARE(back->性别, QString());
        QCOMPARE(back->出生日期, u"-"_s);
        QCOMPARE(back->入学日期, u"九月初"_s);
        QCOMPARE(back->家长A, u"父亲"_s);
        QCOMPARE(back->家长B, QString());
        QCOMPARE(back->本学期评语, p.本学期评语);
    }

    void modifyRoundTripsEveryFieldAndMovesTheSexCount()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        StudentRecord p = host.data.pupil(8, u"陈晨"_s, Class1, u"男"_s);
        p.民族 = u"维吾尔族"_s;
        p.班内职务 = u"自封的大队长"_s;
        p.家长B = u"姥姥"_s;
        p.期中[2] = 77;
        p.照片 = RecordPhoto::placeholder() + QByteArray("x"); // not decodable as shown, kept as stored
        QVERIFY(host.data.addPupil(p));
        QVERIFY(host.data.addPupil(host.data.pupil(9, u"丁丁"_s, Class1, u"女"_s)));
        host.pick = StudentPick {Class1, 8, u"陈晨"_s};
        auto e = openEditor(host, StudentEditorWindow::Mode::Modify);
        QCOMPARE(e->学生统计标签->text(), u"目前1年级1班共有2名学生  其中男生1人  女生1人"_s);
        QCOMPARE(e->籍贯编辑框->text(), u"浙江绍兴"_s);
        QCOMPARE(e->户籍编辑框->text(), u"杭州市西湖区"_s);
        QCOMPARE(e->民族组合框->currentText(), u"维吾尔族"_s);
        QCOMPARE(e->家长组合框2->currentText(), u"姥姥"_s);

        e->性别组合框->setCurrentText(u"女"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(e->学生统计标签->text(), u"目前1年级1班共有2名学生  其中男生0人  女生2人"_s);

        const auto back = StudentRecords(host.data.db).record(StudentViewKind::Enrolled, 8);
        StudentRecord expected = p;
        expected.性别 = u"女"_s;
        QCOMPARE(back->籍贯, expected.籍贯);
        QCOMPARE(back->户籍所在地, expected.户籍所在地);
        QCOMPARE(back->出生日期, expected.出生日期);
        QCOMPARE(back->班内职务, expected.班内职务);
        QCOMPARE(back->家长A单位, expected.家长A单位);
        QCOMPARE(back->本学期评语, expected.本学期评语);
        QCOMPARE(back->综合评语, expected.综合评语);
        QCOMPARE(back->照片, expected.照片);
        QCOMPARE(back->期中[2], 77);
        QCOMPARE(back->性别, u"女"_s);

        // Saving again without a change moves nothing.
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(e->学生统计标签->text(), u"目前1年级1班共有2名学生  其中男生0人  女生2人"_s);
    }

    void modifyOfAnEmptyClassSaysSo()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Modify);
        const QString text = u"目前1年级1班没有学生资料！请选择其他班级修改资料！"_s;
        QCOMPARE(host.prompt.lastText(), text);
        QCOMPARE(e->窗口标题标签->text(), text);
        host.prompt.clear();
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), text);
    }

    void termCommentIsCutToFourteenLines()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        host.prompt.clear();
        QStringList lines;
        for (int i = 1; i <= 15; ++i)
            lines << u"第%1行评语"_s.arg(i);
        e->本学期评语编辑框->setPlainText(lines.mid(0, 14).join(u'\n'));
        QVERIFY(host.prompt.boxes().isEmpty());
        e->本学期评语编辑框->setPlainText(lines.join(u'\n'));
        QCOMPARE(host.prompt.lastText(), u"本学期评价最多输入14行内容！"_s);
        QCOMPARE(e->本学期评语编辑框->toPlainText(), lines.mid(0, 14).join(u'\n'));
        QVERIFY(!e->本学期评语编辑框->isReadOnly());

        // Wrapped lines count: one long paragraph is cut back by whole characters.
        host.prompt.clear();
        e->本学期评语编辑框->setPlainText(QString(3000, u'好'));
        QCOMPARE(host.prompt.boxes().size(), 1);
        const QString kept = e->本学期评语编辑框->toPlainText();
        QVERIFY(kept.size() < 3000 && kept.size() > 100);
        QVERIFY(kept == QString(kept.size(), u'好'));

        // The overall evaluation has no limit.
        host.prompt.clear();
        e->综合评价编辑框->setPlainText(lines.join(u'\n') + u"\n多一行"_s);
        QVERIFY(host.prompt.boxes().isEmpty());
    }

    void commentLinksSwitchAndClear()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        QTest::mousePress(e->综合评价钮, Qt::LeftButton);
        QCOMPARE(e->综合评价钮->text(), u"● 综合评价"_s);
        QCOMPARE(e->本学期评语钮->text(), u"本学期评语"_s);
        QCOMPARE(e->评语标题标签->text(), u" 综合评价："_s);
        QVERIFY(e->综合评价编辑框->isVisible() && !e->本学期评语编辑框->isVisible());
        QVERIFY(!e->输入提示标签->isVisible());
        e->综合评价编辑框->setPlainText(u"好学生"_s);
        host.prompt.clear();
        host.prompt.answerNext(Prompt::Answer::Cancel);
        QTest::mouseClick(e->清除评语钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"您确定要清除综合评价的内容吗？"_s);
        QCOMPARE(e->综合评价编辑框->toPlainText(), u"好学生"_s);
        QTest::mouseClick(e->清除评语钮, Qt::LeftButton);
        QVERIFY(e->综合评价编辑框->toPlainText().isEmpty());

        QTest::mousePress(e->本学期评语钮, Qt::LeftButton);
        QCOMPARE(e->本学期评语钮->text(), u"● 本学期评语"_s);
        QVERIFY(e->输入提示标签->isVisible());
        host.prompt.clear();
        QTest::mouseClick(e->清除评语钮, Qt::LeftButton); // empty: nothing asked
        QVERIFY(host.prompt.boxes().isEmpty());
    }

    void photoMustBeAReadablePicture()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        QTemporaryDir dir;
        const QString text = dir.filePath(u"photo.jpg"_s);
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture at all");
        f.close();
        const QString jpg = dir.filePath(u"real.jpg"_s);
        QImage image(60, 80, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(jpg, "JPG"));

        host.prompt.clear();
        host.chooser.next = text;
        QTest::mouseClick(e->选择照片钮, Qt::LeftButton);
        QVERIFY(host.chooser.lastFilter.contains(u"*.jpg"_s) && host.chooser.lastFilter.contains(u"*.gif"_s));
        QCOMPARE(host.prompt.boxes().size(), 1);
        QVERIFY(host.prompt.lastText().contains(u"不是"_s));
        QVERIFY(e->photo().isEmpty());

        host.chooser.next = dir.filePath(u"missing.jpg"_s);
        QTest::mouseClick(e->选择照片钮, Qt::LeftButton);
        QCOMPARE(host.prompt.boxes().size(), 2);
        QVERIFY(host.prompt.lastText().contains(u"不能读取"_s));
        QVERIFY(e->photo().isEmpty());

        host.chooser.next = jpg;
        QTest::mouseClick(e->选择照片钮, Qt::LeftButton);
        QCOMPARE(host.prompt.boxes().size(), 2);
        QFile real(jpg);
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray bytes = real.readAll();
        QCOMPARE(e->photo(), bytes);

        e->学号编辑框->setText(u"30"_s);
        e->姓名编辑框->setText(u"有照片"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QCOMPARE(StudentRecords(host.data.db).record(StudentViewKind::Enrolled, 30)->照片, bytes);
        QVERIFY(e->photo().isEmpty()); // removed for the next pupil

        // Deleting asks by name; nothing to delete asks nothing.
        host.chooser.next = jpg;
        QTest::mouseClick(e->选择照片钮, Qt::LeftButton);
        e->姓名编辑框->setText(u"小明"_s);
        host.prompt.clear();
        QTest::mouseClick(e->删除照片钮, Qt::LeftButton);
        QCOMPARE(host.prompt.lastText(), u"您确定要删除小明同学的照片吗？"_s);
        QCOMPARE(host.prompt.boxes().last().buttons, Prompt::Buttons::OkCancel);
        QVERIFY(e->photo().isEmpty());
        host.prompt.clear();
        QTest::mouseClick(e->删除照片钮, Qt::LeftButton);
        QVERIFY(host.prompt.boxes().isEmpty());
    }

    void enterAndTabFollowTheFieldChain()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.setCounter(10));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        e->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(e.get()));
        e->学号编辑框->setFocus();
        const QList<QWidget*> chain {e->学号编辑框, e->姓名编辑框, e->性别组合框, e->民族组合框, e->出生日期框,
            e->入学日期框, e->班内职务组合框, e->住址编辑框, e->住宅电话编辑框, e->籍贯编辑框, e->户籍编辑框,
            e->家长组合框1, e->父亲编辑框, e->父亲单位编辑框, e->父电话编辑框, e->家长组合框2, e->母亲编辑框,
            e->母亲单位编辑框, e->母电话编辑框, e->本学期评语编辑框, e->保存数据钮, e->退出钮, e->学生班级组合框,
            e->学号编辑框};
        e->父亲编辑框->setText(u"林建国"_s);
        for (int i = 0; i + 1 < chain.size(); ++i) {
            QWidget* now = QApplication::focusWidget();
            QVERIFY2(now == chain[i] || now->parentWidget() == chain[i], qPrintable(chain[i]->objectName()));
            // Enter in the comment box starts a new line; Tab leaves it.
            QTest::keyClick(now, i % 2 == 0 && chain[i] != e->本学期评语编辑框 ? Qt::Key_Return : Qt::Key_Tab);
            if (chain[i + 1] == e->父亲编辑框)
                QCOMPARE(e->父亲编辑框->selectedText(), u"林建国"_s);
        }
        QTest::keyClick(e->本学期评语编辑框, Qt::Key_Return);
        QCOMPARE(e->本学期评语编辑框->toPlainText(), u"\n"_s);
        QCOMPARE(host.data.count(u"学籍表"_s), 0); // Enter never saved on the way
    }

    void closingAfterASaveUnderItsClassGoesHome()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        QVERIFY(host.data.setCounter(10));
        host.shell.page = Page::StudentView;
        host.viewClass = Class1;
        {
            auto e = openEditor(host, StudentEditorWindow::Mode::Add);
            e->close();
            QCOMPARE(host.shell.homePageCalls, 0);
        }
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        e->姓名编辑框->setText(u"新生"_s);
        QTest::mouseClick(e->保存数据钮, Qt::LeftButton);
        QTest::mouseClick(e->退出钮, Qt::LeftButton);
        QCOMPARE(host.shell.homePageCalls, 1);
        QCOMPARE(host.shell.page, Page::Home);

        // Another class on show stays.
        host.shell.page = Page::EnrolledRoster;
        host.roster = u"2年级1班"_s;
        auto other = openEditor(host, StudentEditorWindow::Mode::Add);
        other->姓名编辑框->setText(u"又一个"_s);
        QTest::mouseClick(other->保存数据钮, Qt::LeftButton);
        other->close();
        QCOMPARE(host.shell.homePageCalls, 1);

        // The roster of the class saved into does not stay on show either.
        host.roster = Class1;
        auto same = openEditor(host, StudentEditorWindow::Mode::Add);
        same->姓名编辑框->setText(u"第三个"_s);
        QTest::mouseClick(same->保存数据钮, Qt::LeftButton);
        same->close();
        QCOMPARE(host.shell.homePageCalls, 2);
    }

    void noClassSendsToTheSchoolSettings()
    {
        StudentsBench host;
        StudentEditorWindow e(host.ws, host.pages(), StudentEditorWindow::Mode::Add);
        QVERIFY(!e.start());
        QCOMPARE(host.prompt.lastText(), u"目前没有班级数据！请先进行校务设置！"_s);
        QCOMPARE(host.shell.commands, QStringList {u"校务设置"_s});
    }

    void entryListsAreComplete()
    {
        StudentsBench host;
        QVERIFY(host.data.addClass(Class1, u"周老师"_s));
        auto e = openEditor(host, StudentEditorWindow::Mode::Add);
        QCOMPARE(e->民族组合框->count(), 56);
        QCOMPARE(e->民族组合框->itemText(0), u"汉族"_s);
        QCOMPARE(e->民族组合框->itemText(55), u"少数民族"_s);
        QCOMPARE(e->班内职务组合框->count(), 23);
        QCOMPARE(e->班内职务组合框->itemText(22), u"学生会主席"_s);
        QCOMPARE(e->家长组合框1->count(), 14);
        QCOMPARE(e->家长组合框2->itemText(13), u"姐夫"_s);
        QCOMPARE(e->性别组合框->count(), 2);
        // Typing stops at the column widths of 学籍表, counted in GB18030 bytes as the import
        // counts them: what the editor takes the import takes too.
        const QList<std::pair<QLineEdit*, int>> widths {{e->父亲编辑框, 10}, {e->住址编辑框, 50},
            {e->民族组合框->lineEdit(), 10}, {e->班内职务组合框->lineEdit(), 20}};
        for (const auto& [box, bytes] : widths) {
            typeOver(box, QString(bytes, u'家'));
            QCOMPARE(box->text(), QString(bytes / 2, u'家'));
            typeOver(box, QString(bytes + 1, u'a'));
            QCOMPARE(box->text(), QString(bytes, u'a'));
        }
    }
};

XIAOWU_TEST(TestStudentEditorWindow)
#include "TestStudentEditorWindow.moc"
