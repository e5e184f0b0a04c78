#include "comments/ScriptedRandom.h"
#include "records/NameListView.h"

#include "comments/CommentEntryWindow.h"
#include "comments/CommentKinds.h"
#include "comments/ModelCommentEditor.h"
#include "records/LongTextLimit.h"
#include "students/StudentsFixture.h"
#include "support/ModalGuard.h"
#include "support/TestRegistry.h"
#include "support/Workbench.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Class1 = u"1年级1班"_s;

// The comment window over a class of three pupils (two named alike) and an empty class, shown
// at a real size so that lines wrap as a teacher sees them.
struct CommentDesk
{
    StudentsFixture data;
    Workbench bench {data.db};
    FakePrompt& prompt = bench.desk.prompt;
    ScriptedRandom* random = nullptr;
    std::unique_ptr<CommentEntryWindow> window;
    ModalGuard guard;

    explicit CommentDesk(QList<quint32> numbers = {}, bool withClasses = true)
    {
        if (withClasses) {
            data.addClass(Class1, u"周老师"_s);
            data.addClass(u"1年级2班"_s, u"吴老师"_s);
            data.addPupil(StudentsFixture::pupil(1, u"张伟"_s, Class1));
            data.addPupil(StudentsFixture::pupil(2, u"张伟"_s, Class1));
            data.addPupil(StudentsFixture::pupil(3, u"李四"_s, Class1));
        }
        auto source = std::make_unique<ScriptedRandom>(std::move(numbers));
        random = source.get();
        window = std::make_unique<CommentEntryWindow>(bench.ws, std::move(source));
        window->resize(1024, 768);
    }

    bool open()
    {
        if (!window->start())
            return false;
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    void selectPupil(qint64 number)
    {
        NameListView* list = window->评语姓名列表框;
        for (int i = 0; i < list->rowCount(); ++i) {
            if (list->text(i, 0) == QString::number(number))
                list->setCurrentRow(i);
        }
    }

    QTreeWidgetItem* entry(const QString& text) const
    {
        const auto found = window->评语词条列表框->findItems(text, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.first();
    }

    void doubleClick(QTreeWidgetItem* item)
    {
        QTreeWidget* list = item->treeWidget();
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        // An item view takes a double click only after the press that selects.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    void trigger(QMenu* menu, const QString& text)
    {
        for (QAction* a : menu->actions()) {
            if (a->text() == text)
                a->trigger();
        }
    }

    QByteArray stored(const QString& column, qint64 number)
    {
        auto rows = data.db.query(u"select "_s + column + u" from 学籍表 where 学号=?"_s, {number});
        return rows && !rows->pastLast() ? rows->bytes(1) : QByteArray("<gone>");
    }

    QString entryText(qint64 number)
    {
        auto rows = data.db.query(u"select 内容 from 评语表 where 编号=?"_s, {number});
        return rows && !rows->pastLast() ? rows->text(1) : u"<gone>"_s;
    }

    // The in-place editor of the entry list once it is open.
    QLineEdit* entryEditor() const { return window->评语词条列表框->viewport()->findChild<QLineEdit*>(); }

    // Ends the open in-place edit with this text, as typing and Enter do.
    void finishEdit(const QString& text)
    {
        QLineEdit* editor = entryEditor();
        QVERIFY(editor);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
};

QStringList sentences(DbConnection& db, const QString& library, int category)
{
    QStringList out;
    auto rows = db.query(u"select 内容 from 评语表 where 库别=? and 类别=? order by 编号"_s,
        {library, CommentKinds::categoryName(category)});
    for (; rows && !rows->pastLast(); rows->next())
        out << rows->text(1);
    return out;
}

// Runs with the modal model editor up.
void withEditor(const std::function<void(ModelCommentEditor*)>& handle)
{
    QTimer::singleShot(0, [handle] {
        auto* editor = qobject_cast<ModelCommentEditor*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        handle(editor);
        if (editor->isVisible())
            editor->reject();
    });
}

} // namespace

class TestCommentEntryWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opening()
    {
        {
            CommentDesk empty({}, false);
            QVERIFY(!empty.window->start());
            QCOMPARE(empty.prompt.lastText(), u"目前没有班级数据，请先进行校务设置！"_s);
            QCOMPARE(empty.prompt.boxes().last().title, u"提示"_s);
            QCOMPARE(empty.bench.shell.commands, QStringList {u"校务设置"_s});
        }
        CommentDesk d;
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        QCOMPARE(w->windowTitle(), u"评语录入"_s);
        // By pinyin: 李四 before the two 张伟.
        QCOMPARE(w->评语姓名列表框->currentText(0), u"3"_s);
        QCOMPARE(w->标签2->text(), u"您正在录入1年级1班李四同学的评语"_s);
        QCOMPARE(w->本学期评语编辑框->toPlainText(), u"你是一个懂事的孩子。\n继续努力！"_s);
        QCOMPARE(w->currentCategory(), 1);
        QVERIFY(w->标题1->autoFillBackground() && !w->标题2->autoFillBackground());
        QCOMPARE(w->标题1->palette().color(QPalette::Window), QColor(200, 255, 200));
        QCOMPARE(w->评语词条列表框->topLevelItemCount(), sentences(d.data.db, u"小学评语库"_s, 1).size());
        QVERIFY(w->优等生评语范例钮->autoFillBackground() && !w->中等生评语范例钮->autoFillBackground());
        QVERIFY(w->范例评语列表框->topLevelItemCount() == 30);
        QVERIFY(w->详细评语编辑框->toPlainText().startsWith(u"    "_s));
        QVERIFY(!w->详细评语编辑框->toPlainText().startsWith(u"     "_s));

        w->评语班级名组合框->setCurrentIndex(1);
        QCOMPARE(d.prompt.lastText(), u"  目前1年级2班没有学生数据，请选择其它班级！  "_s);
        QCOMPARE(w->标签2->text(), u"目前1年级2班没有学生数据，请选择其它班级！"_s);
        w->评语词条列表框->setCurrentItem(w->评语词条列表框->topLevelItem(0));
        d.doubleClick(w->评语词条列表框->topLevelItem(0));
        QCOMPARE(d.prompt.lastText(), u"请选择要录入评语的学生姓名！"_s);
        w->保存评语按钮->click();
        QCOMPARE(d.prompt.lastText(), u"请选择要录入评语的学生姓名！"_s);
    }

    // Another class hands its first pupil's comment box the focus; the title spans the window,
    // whichever name it shows, and follows its width.
    void classChangeFocusesTheComment()
    {
        CommentDesk d;
        d.data.addPupil(StudentsFixture::pupil(4, u"王五"_s, u"1年级2班"_s));
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        const int width = w->标签2->width();
        QVERIFY(width > w->width() * 9 / 10);
        w->评语班级名组合框->setCurrentIndex(1);
        QCOMPARE(w->focusWidget(), w->本学期评语编辑框);
        QCOMPARE(w->标签2->text(), u"您正在录入1年级2班王五同学的评语"_s);
        QCOMPARE(w->标签2->width(), width);
        w->resize(900, 700);
        QTRY_COMPARE(w->标签2->width(), width - 124);
    }

    void categoriesWalkInAutomaticMode()
    {
        CommentDesk d;
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        w->清空按钮->click();
        QString expected = u"    "_s;
        for (int c = 1; c <= 7; ++c) {
            QCOMPARE(w->currentCategory(), c);
            QTreeWidgetItem* first = w->评语词条列表框->topLevelItem(0);
            QCOMPARE(first->text(0), sentences(d.data.db, u"小学评语库"_s, c).first());
            expected += first->text(0);
            d.doubleClick(first);
        }
        QCOMPARE(w->currentCategory(), 1);
        QCOMPARE(w->本学期评语编辑框->toPlainText(), expected);

        w->分类操作转换钮->click();
        QCOMPARE(w->分类操作转换钮->text(), u"手动选分类"_s);
        QTest::mousePress(w->标题4, Qt::LeftButton);
        QCOMPARE(w->currentCategory(), 4);
        QVERIFY(w->标题4->autoFillBackground() && !w->标题1->autoFillBackground());
        d.doubleClick(w->评语词条列表框->topLevelItem(1));
        QCOMPARE(w->currentCategory(), 4);
        QVERIFY(w->本学期评语编辑框->toPlainText().endsWith(sentences(d.data.db, u"小学评语库"_s, 4).at(1)));
    }

    void randomCommentSkipsAnEmptyCategory()
    {
        CommentDesk d({1, 2, 3, 4, 5, 6});
        QVERIFY(d.data.db.execute(u"delete from 评语表 where 库别='中学评语库' and 类别='分类3'"_s));
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        w->选择词条库组合框->setCurrentIndex(1);
        w->随机录入按钮->click();
        QString expected = u"    "_s;
        quint32 r = 1;
        for (int c : {1, 2, 4, 5, 6, 7}) {
            const QStringList all = sentences(d.data.db, u"中学评语库"_s, c);
            expected += all.at(r++ % all.size());
        }
        QCOMPARE(w->本学期评语编辑框->toPlainText(), expected);

        w->词条范例转换钮->click();
        QCOMPARE(w->选择夹1->currentIndex(), 1);
        QCOMPARE(w->词条范例转换钮->text(), u"到单句评语录入"_s);
        QVERIFY(!w->随机录入按钮->isEnabled());
        w->词条范例转换钮->click();
        QCOMPARE(w->词条范例转换钮->text(), u"到范例评语录入"_s);
        QVERIFY(w->随机录入按钮->isEnabled());
    }

    void termCommentLimit()
    {
        CommentDesk d;
        QStringList lines;
        for (int i = 1; i <= 20; ++i)
            lines << u"第%1行"_s.arg(i);
        const QByteArray twenty = GbText::toBytes(lines.join(u"\r\n"_s));
        QVERIFY(d.data.db.execute(u"update 学籍表 set 本学期评语=? where 学号=2"_s, {twenty}));
        QVERIFY(d.data.db.execute(u"update 学籍表 set 本学期评语=? where 学号=1"_s,
            {GbText::toBytes(lines.mid(0, 13).join(u"\r\n"_s) + u"\r\nx"_s)}));
        // 50 characters, one of them outside GBK, so the cut must not split a four-byte character.
        const QString sentence = QString(40, u'好') + u"𠀾𠀾𠀾𠀾𠀾𠀾𠀾𠀾𠀾𠀾"_s;
        QVERIFY(d.data.db.execute(u"insert into 评语表 (库别,类别,内容,范例) values ('小学评语库','分类1',?,?)"_s,
            {sentence, QByteArray("")}));
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        QPlainTextEdit* box = w->本学期评语编辑框;

        // A stored comment that takes more lines than the box allows is shown and saved whole.
        d.selectPupil(2);
        QCOMPARE(box->toPlainText(), lines.join(u'\n'));
        QVERIFY(d.prompt.boxes().isEmpty());
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->toPlainText(), lines.join(u'\n')); // adding to it is refused, nothing is lost
        QCOMPARE(d.prompt.lastText(), u"本学期评语最多输入14行内容！"_s);
        w->保存评语按钮->click();
        QCOMPARE(d.stored(u"本学期评语"_s, 2), twenty);

        d.prompt.clear();
        d.selectPupil(1);
        const QString full = box->toPlainText() + sentence;
        QVERIFY(LongTextLimit::shownLines(*box, full) >= 15);
        d.doubleClick(d.entry(sentence));
        const QString kept = box->toPlainText();
        QCOMPARE(d.prompt.texts(), QStringList {u"本学期评语最多输入14行内容！"_s});
        QCOMPARE(LongTextLimit::shownLines(*box, kept), 14);
        QVERIFY(kept.size() < full.size());
        QVERIFY(full.startsWith(kept));
        QVERIFY(!kept.back().isHighSurrogate());
        QCOMPARE(GbText::fromBytes(GbText::toBytes(kept)), kept);
    }

    void savingWritesTheSelectedPupilOnly()
    {
        CommentDesk d;
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        const QByteArray first = d.stored(u"本学期评语"_s, 1);
        d.selectPupil(1);
        w->本学期评语编辑框->setPlainText(u"    他说'好'。\n第二行"_s);
        w->综合评价钮->click();
        QCOMPARE(
            w->综合评语编辑框->toPlainText(), u"品学兼优。\n\n2026年9月1日录入的评语：\n\n    他说'好'。\n第二行"_s);
        w->保存评语按钮->click();
        QCOMPARE(d.prompt.lastText(), u"张伟同学的评语已保存！即将录入的是张伟同学的评语。"_s);
        QCOMPARE(d.stored(u"本学期评语"_s, 1), GbText::toBytes(u"    他说'好'。\r\n第二行"_s));
        QCOMPARE(d.stored(u"综合评语"_s, 1),
            GbText::toBytes(u"品学兼优。\r\n\r\n2026年9月1日录入的评语：\r\n\r\n    他说'好'。\r\n第二行"_s));
        QCOMPARE(w->评语姓名列表框->currentText(0), u"2"_s);
        QCOMPARE(d.stored(u"本学期评语"_s, 2), first); // the other 张伟 is untouched

        // The last pupil: the short message, and the pupil stays.
        w->清空按钮->click();
        w->保存评语按钮->click();
        QCOMPARE(d.prompt.lastText(), u"张伟同学的评语已保存！"_s);
        QCOMPARE(d.stored(u"本学期评语"_s, 2), QByteArray(""));
        QCOMPARE(w->评语姓名列表框->currentText(0), u"2"_s);

        // Gone meanwhile: the failure is told, the text and the pupil stay.
        QVERIFY(d.data.db.execute(u"delete from 学籍表 where 学号=2"_s));
        w->本学期评语编辑框->setPlainText(u"新的评语"_s);
        w->保存评语按钮->click();
        QCOMPARE(d.prompt.lastText(), u"张伟同学的评语保存失败！"_s);
        QCOMPARE(d.prompt.boxes().last().icon, Prompt::Icon::Error);
        QCOMPARE(w->本学期评语编辑框->toPlainText(), u"新的评语"_s);
        QCOMPARE(w->评语姓名列表框->currentText(0), u"2"_s);
    }

    void entriesAreEditedInPlace()
    {
        CommentDesk d;
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        QTreeWidget* list = w->评语词条列表框;
        QTest::mousePress(w->标题5, Qt::LeftButton);
        const int before = list->topLevelItemCount();
        // Two placeholders: the second one edited must be the second one stored.
        d.trigger(w->评语菜单, u"添加评语词条"_s);
        QTRY_VERIFY(d.entryEditor());
        QTest::keyClick(d.entryEditor(), Qt::Key_Escape);
        QTRY_VERIFY(!d.entryEditor());
        d.trigger(w->评语菜单, u"添加评语词条"_s);
        QCOMPARE(list->topLevelItemCount(), before + 2);
        const qint64 first = list->topLevelItem(before)->text(1).toLongLong();
        const qint64 second = list->topLevelItem(before + 1)->text(1).toLongLong();
        QTRY_VERIFY(d.entryEditor());
        QCOMPARE(d.entryEditor()->text(), CommentKinds::entryPlaceholder());

        const QString tooLong = QString(99, u'a') + u'好';
        d.finishEdit(tooLong);
        QTRY_COMPARE(d.prompt.lastText(), u"每条评语的内容不超过100个字符或50个汉字且不能为空！"_s);
        QTRY_VERIFY(d.entryEditor());
        QCOMPARE(d.entryEditor()->text(), tooLong);
        QCOMPARE(d.entryText(second), CommentKinds::entryPlaceholder());
        const QString fits = QString(98, u'\'') + u'好';
        d.finishEdit(fits);
        QTRY_COMPARE(d.entryText(second), fits);
        QCOMPARE(list->topLevelItem(before + 1)->text(0), fits);
        QCOMPARE(d.entryText(first), CommentKinds::entryPlaceholder());

        w->editEntry(list->topLevelItem(before));
        QTRY_VERIFY(d.entryEditor());
        d.finishEdit({});
        QTRY_COMPARE(d.prompt.boxes().size(), 2);
        QTRY_VERIFY(d.entryEditor());
        QTest::keyClick(d.entryEditor(), Qt::Key_Escape);

        list->setCurrentItem(list->topLevelItem(before));
        d.prompt.answerNext(Prompt::Answer::Cancel);
        d.trigger(w->评语菜单, u"删除评语词条"_s);
        QCOMPARE(d.entryText(first), CommentKinds::entryPlaceholder());
        d.trigger(w->评语菜单, u"删除评语词条"_s);
        QCOMPARE(d.prompt.lastText(), u"您确定要删除当前选择的评语词条吗？    "_s);
        QCOMPARE(d.entryText(first), u"<gone>"_s);
        QCOMPARE(list->topLevelItemCount(), before + 1);
        QCOMPARE(list->currentItem(), list->topLevelItem(0));
        list->clearSelection();
        d.trigger(w->评语菜单, u"修改评语词条"_s);
        QCOMPARE(d.prompt.lastText(), u"    请选择要编辑修改的评语词条！    "_s);
    }

    void modelsAreEditedInTheirDialog()
    {
        CommentDesk d;
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        QTreeWidget* list = w->范例评语列表框;
        QTest::mousePress(w->后进生评语范例钮, Qt::LeftButton);
        QCOMPARE(w->currentModelKind(), u"后进生评语范例"_s);
        const int before = list->topLevelItemCount();

        withEditor([](ModelCommentEditor* e) {
            QCOMPARE(e->分组框1->title(), u"添加评语范例"_s);
            e->编辑框1->setPlainText(u" 　 你要加油'呀'。\n下学期见。 "_s);
            e->按钮1->click();
        });
        d.trigger(w->范例菜单, u"添加范例评语"_s);
        QCOMPARE(list->topLevelItemCount(), before + 1);
        QCOMPARE(list->currentItem(), list->topLevelItem(before));
        QCOMPARE(w->详细评语编辑框->toPlainText(), u"    你要加油'呀'。\n下学期见。"_s);
        QVERIFY(w->后进生评语范例钮->autoFillBackground());

        withEditor([](ModelCommentEditor* e) {
            QCOMPARE(e->分组框1->title(), u"修改评语范例"_s);
            QCOMPARE(e->编辑框1->toPlainText(), u"    你要加油'呀'。\n下学期见。"_s);
            e->编辑框1->setPlainText(u"改过的。"_s);
            e->按钮1->click();
        });
        d.trigger(w->范例菜单, u"修改范例评语"_s);
        QCOMPARE(list->currentItem()->text(0), u"改过的。"_s);
        QCOMPARE(w->详细评语编辑框->toPlainText(), u"    改过的。"_s);

        // Clicking a model puts it in place of the term comment.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->currentItem()).center());
        QCOMPARE(w->本学期评语编辑框->toPlainText(), u"    改过的。"_s);

        list->setCurrentItem(list->topLevelItem(0));
        d.trigger(w->范例菜单, u"删除范例评语"_s);
        QCOMPARE(d.prompt.lastText(), u"您确定要删除当前选择的评语范例吗？    "_s);
        QCOMPARE(list->topLevelItemCount(), before);
        QVERIFY(!list->currentItem());
        QCOMPARE(w->详细评语编辑框->toPlainText(), u"    "_s);
    }

    void schemesAndFontSizes()
    {
        CommentDesk d;
        QVERIFY(d.open());
        CommentEntryWindow* w = d.window.get();
        w->方案组合框->setCurrentText(u"蓝天白云"_s);
        for (QWidget* box : QList<QWidget*> {w->评语词条列表框, w->本学期评语编辑框, w->详细评语编辑框}) {
            QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 96, 192));
            QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 255, 255));
        }
        w->字体组合框->setCurrentText(u"最大"_s);
        QCOMPARE(w->综合评语编辑框->font().pointSize(), 12);
        QCOMPARE(w->评语姓名列表框->font().pointSize(), 12);
        QCOMPARE(w->状态条1->currentMessage(),
            u"           提示：双击评语词条可录入该条评语 单击右键可修改、添加、删除评语 单击表上方的分类按钮可选择该类型的评语"_s);
    }
};

XIAOWU_TEST(TestCommentEntryWindow)
#include "TestCommentEntryWindow.moc"
