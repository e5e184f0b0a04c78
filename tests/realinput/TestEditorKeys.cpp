// The two record editors under a real keyboard: Esc with typing not yet saved, the number box,
// and the lists that must take an Esc meant for them.
#include "RealProgram.h"

#include "students/StudentEditorWindow.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "teachers/TeacherEditorWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Prompt::Answer)

namespace {

const QString Question = u"是否保存已输入的资料？"_s;

// One editor, whichever kind, as the test drives it.
struct Editor
{
    std::unique_ptr<QDialog> window;
    QLineEdit* nameBox = nullptr;
    std::function<int(const QString& name)> stored; // rows holding that name
};

Editor openEditor(RealProgram& p, const QString& kind, bool add)
{
    Editor e;
    if (kind == u"student") {
        auto* w = new StudentEditorWindow(
            p.ws(), {}, add ? StudentEditorWindow::Mode::Add : StudentEditorWindow::Mode::Modify, p.main);
        e.window.reset(w);
        e.nameBox = w->姓名编辑框;
        if (!w->start())
            return {};
        e.stored = [&p](const QString& name) {
            return p.value(u"select count(*) from 学籍表 where 姓名=?"_s, {name}).toInt();
        };
    } else {
        auto* w = new TeacherEditorWindow(
            p.ws(), add ? TeacherEditorWindow::Mode::Add : TeacherEditorWindow::Mode::Modify, {}, p.main);
        e.window.reset(w);
        e.nameBox = w->教员姓名编辑框;
        if (!w->start())
            return {};
        e.stored = [&p](const QString& name) {
            auto rows = p.main->teacherDb().query(u"select count(*) from 教员表 where 姓名=?"_s, {name});
            rows->first();
            return int(rows->number(1));
        };
    }
    return e;
}

} // namespace

class TestEditorKeys : public QObject
{
    Q_OBJECT

private:
    void prepare(RealProgram& p)
    {
        QVERIFY(p.main && p.x.isOpen());
        QVERIFY(p.addClass(u"1年级1班"_s));
        QVERIFY(p.students().execute(u"insert into 学籍表 (学号,姓名,性别,民族,所在班级,离校时间,离校原因) "
                                     u"values (7,'Wang','男','汉族','1年级1班','-','-')"_s));
        QVERIFY(p.students().execute(u"update 记号表 set 学号=7 where ID=1"_s));
        QVERIFY(p.main->teacherDb().execute(u"insert into 教员表 (编号,姓名,性别,民族,离校时间,离校原因) "
                                            u"values (3,'Wang','女','汉族','-','-')"_s));
        QVERIFY(p.main->teacherDb().execute(u"update 记号表 set 教员编号=3 where ID=1"_s));
        QVERIFY(p.enter());
    }

private Q_SLOTS:
    void escapeAsksBeforeTypingIsLost_data()
    {
        addColumns<QString, bool>({"kind", "add"});
        QTest::addColumn<QString>("typed"); // empty: nothing typed
        addColumns<Prompt::Answer, bool>({"answer", "closes"});
        QTest::addColumn<int>("stored"); // rows named `typed` afterwards
        using A = Prompt::Answer;
        QTest::newRow("student add, cancel stays") << u"student"_s << true << u"Li"_s << A::Cancel << false << 0;
        QTest::newRow("student add, no drops") << u"student"_s << true << u"Li"_s << A::No << true << 0;
        QTest::newRow("student add, yes saves") << u"student"_s << true << u"Li"_s << A::Yes << true << 1;
        QTest::newRow("student modify, yes saves") << u"student"_s << false << u"Zhao"_s << A::Yes << true << 1;
        QTest::newRow("student modify, untouched") << u"student"_s << false << QString() << A::Cancel << true << 0;
        QTest::newRow("teacher add, cancel stays") << u"teacher"_s << true << u"Li"_s << A::Cancel << false << 0;
        QTest::newRow("teacher add, yes saves") << u"teacher"_s << true << u"Li"_s << A::Yes << true << 1;
        QTest::newRow("teacher modify, no drops") << u"teacher"_s << false << u"Zhao"_s << A::No << true << 0;
        QTest::newRow("teacher add, untouched") << u"teacher"_s << true << QString() << A::Cancel << true << 0;
    }

    void escapeAsksBeforeTypingIsLost()
    {
        QFETCH(QString, kind);
        QFETCH(bool, add);
        QFETCH(QString, typed);
        QFETCH(Prompt::Answer, answer);
        QFETCH(bool, closes);
        QFETCH(int, stored);
        RealProgram p;
        prepare(p);
        Editor e = openEditor(p, kind, add);
        QVERIFY(e.window);
        QVERIFY(p.activate(e.window.get()));
        p.desk.prompt.clear();
        if (!typed.isEmpty()) {
            p.x.click(e.nameBox);
            QTRY_VERIFY(e.nameBox->hasFocus());
            p.x.key("a", {"Control_L"});
            p.x.type(typed);
            QTRY_COMPARE(e.nameBox->text(), typed);
        }
        p.desk.prompt.answerNext(answer);
        p.x.key("Escape");
        if (closes)
            QTRY_VERIFY(!e.window->isVisible());
        else
            QTRY_COMPARE(p.desk.prompt.texts(), QStringList {Question});
        QCOMPARE(e.window->isVisible(), !closes);
        QCOMPARE(p.desk.prompt.texts().contains(Question), !typed.isEmpty());
        if (!typed.isEmpty())
            QCOMPARE(e.stored(typed), stored);
    }

    void numberBoxReadsFullWidthDigitsAndRefusesTooLarge_data()
    {
        addColumns<QString, QString, QStringList>({"typed", "shown", "messages"});
        QTest::newRow("full-width digits") << u"２０１９００１"_s << u"2019001"_s << QStringList();
        QTest::newRow("beyond the column")
            << u"3000000000"_s << u"300000000"_s << QStringList {u"学号不能大于2147483647！"_s};
    }

    void numberBoxReadsFullWidthDigitsAndRefusesTooLarge()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        RealProgram p;
        QVERIFY(p.main && p.x.isOpen());
        QVERIFY(p.addClass(u"1年级1班"_s));
        QVERIFY(p.enter());
        // The first pupil ever: the number is typed freely.
        StudentEditorWindow editor(p.ws(), {}, StudentEditorWindow::Mode::Add, p.main);
        QVERIFY(editor.start());
        QVERIFY(p.activate(&editor));
        p.desk.prompt.clear();
        p.x.click(editor.学号编辑框);
        QTRY_VERIFY(editor.学号编辑框->hasFocus());
        p.x.key("a", {"Control_L"});
        p.x.type(typed);
        // The last key is handled once the box shows what came before it and the message.
        QTRY_COMPARE(editor.学号编辑框->text(), shown);
        QTRY_COMPARE(p.desk.prompt.texts(), messages);
    }

    void listsOpenOnAClickAndTakeTheirEscape()
    {
        RealProgram p;
        prepare(p);
        StudentEditorWindow editor(p.ws(), {}, StudentEditorWindow::Mode::Modify, p.main);
        QVERIFY(editor.start());
        QVERIFY(p.activate(&editor));
        p.desk.prompt.clear();
        for (QComboBox* box : {editor.民族组合框, editor.班内职务组合框}) {
            p.x.click(box->lineEdit());
            QTRY_VERIFY(box->view()->isVisible());
            p.x.key("Escape");
            QTRY_VERIFY(!box->view()->isVisible());
            QVERIFY(editor.isVisible());
        }
        QVERIFY(p.desk.prompt.boxes().isEmpty());
    }
};

XIAOWU_TEST(TestEditorKeys)
#include "TestEditorKeys.moc"
