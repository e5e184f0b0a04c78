#include "comments/CommentEntryWindow.h"

#include "classes/ClassSelector.h"
#include "comments/CommentComposer.h"
#include "comments/CommentKinds.h"
#include "comments/CommentLibraryMenus.h"
#include "comments/EntryEditDelegate.h"
#include "comments/SteadyRandomSource.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/GrowthLineLimit.h"
#include "records/LongTextLimit.h"
#include "records/NameListView.h"
#include "records/UnsavedInput.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int ModelNumberRole = Qt::UserRole;
const QColor HighlightColour(200, 255, 200);

// The cursor shows the wait while a list fills; input waits too, as nothing lets events run.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

CommentEntryWindow::CommentEntryWindow(Workspace& ws, std::unique_ptr<RandomSource> random, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_store(ws.studentDb)
    , m_library(ws.studentDb)
    , m_random(random ? std::move(random) : std::make_unique<SteadyRandomSource>())
{
    setObjectName(u"CommentEntryWindow"_s);
    setWindowTitle(u"评语录入"_s);
    buildControls();
    m_termLimit = new GrowthLineLimit(*本学期评语编辑框, LongTextLimit::TermCommentLines,
        [this] { m_ws.services.prompt.show(u"本学期评语最多输入14行内容！"_s); });
    m_menus = new CommentLibraryMenus(*this, m_ws);
    connectControls();
    if (parent)
        setGeometry(parent->geometry());
    else
        resize(1024, 768);
}

CommentEntryWindow::~CommentEntryWindow() = default;

void CommentEntryWindow::open(Workspace& ws)
{
    CommentEntryWindow window(ws, {}, ws.shell.ownerWindow());
    if (window.start())
        window.exec();
}

void CommentEntryWindow::highlight(QLabel* link, bool on)
{
    QPalette p = link->palette();
    p.setColor(QPalette::Window, HighlightColour);
    link->setPalette(p);
    link->setAutoFillBackground(on);
}

bool CommentEntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_titleHolder && event->type() == QEvent::Resize)
        标签2->setGeometry(m_titleHolder->rect());
    // The links act on mouse down, as the old window's did.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const auto categories = categoryLinks();
        for (int i = 0; i < CommentKinds::CategoryCount; ++i) {
            if (watched == categories[i]) {
                selectCategory(i + 1);
                return true;
            }
        }
        const auto kinds = modelLinks();
        for (int i = 0; i < 3; ++i) {
            if (watched == kinds[i]) {
                loadModels(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool CommentEntryWindow::start()
{
    bool anyClass = false;
    {
        const QSignalBlocker quiet(评语班级名组合框);
        anyClass = ClassSelector::load(*评语班级名组合框, m_ws.state.headTeachers(), m_ws.studentDb);
    }
    if (!anyClass) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置！"_s, u"提示"_s);
        m_ws.shell.runCommand(u"校务设置"_s);
        return false;
    }
    loadPupils();
    if (评语姓名列表框->rowCount() > 0)
        评语姓名列表框->setCurrentRow(0);
    else
        loadSelectedPupil();
    {
        const QSignalBlocker quiet(选择词条库组合框);
        选择词条库组合框->setCurrentIndex(0);
    }
    selectCategory(1);
    {
        const QSignalBlocker quiet(选择范例库组合框);
        选择范例库组合框->setCurrentIndex(0);
    }
    loadModels(0);
    return true;
}

bool CommentEntryWindow::automaticMode() const
{
    return 分类操作转换钮->text() == u"自动转分类"_s;
}

QString CommentEntryWindow::entryLibrary() const
{
    return 选择词条库组合框->currentText();
}

QString CommentEntryWindow::modelLibrary() const
{
    return 选择范例库组合框->currentText();
}

QString CommentEntryWindow::currentModelKind() const
{
    return CommentKinds::modelKinds().at(m_modelKind);
}

void CommentEntryWindow::loadPupils()
{
    BusyCursor busy;
    const auto pupils = m_store.pupils(评语班级名组合框->currentText());
    QList<QStringList> rows;
    rows.reserve(pupils ? pupils->size() : 0);
    for (const CommentStore::Pupil& p : pupils.value_or(QList<CommentStore::Pupil> {}))
        rows.append({QString::number(p.学号), p.姓名});
    评语姓名列表框->setRows(rows);
}

void CommentEntryWindow::classChanged()
{
    m_ws.state.headTeachers().setCurrentIndex(评语班级名组合框->currentIndex());
    loadPupils();
    if (评语姓名列表框->rowCount() > 0) {
        // The first pupil takes the focus to the comment box: passing it through the list first
        // repainted the whole list and both frames.
        评语姓名列表框->setCurrentRow(0);
        return;
    }
    评语姓名列表框->setFocus();
    loadSelectedPupil();
    m_ws.services.prompt.show(
        u"  目前"_s + 评语班级名组合框->currentText() + u"没有学生数据，请选择其它班级！  "_s, u"提示"_s);
}

void CommentEntryWindow::pupilChanged()
{
    // Loading the pupil left the cursor at the end of the term comment.
    loadSelectedPupil();
    if (评语姓名列表框->currentRow() >= 0)
        本学期评语编辑框->setFocus();
}

qint64 CommentEntryWindow::selectedNumber() const
{
    return 评语姓名列表框->isCurrentSelected() ? 评语姓名列表框->currentText(0).toLongLong() : 0;
}

void CommentEntryWindow::loadSelectedPupil()
{
    const QString className = 评语班级名组合框->currentText();
    std::optional<CommentStore::Comments> comments;
    if (评语姓名列表框->currentRow() < 0) {
        标签2->setText(u"目前"_s + className + u"没有学生数据，请选择其它班级！"_s);
    } else {
        标签2->setText(u"您正在录入"_s + className + 评语姓名列表框->currentText(1) + u"同学的评语"_s);
        comments = m_store.comments(评语姓名列表框->currentText(0).toLongLong());
    }
    // Shown as stored, however long: cutting here would lose the rest at the next save.
    m_termLimit->load(comments ? comments->term : QString());
    综合评语编辑框->setPlainText(comments ? comments->overall : QString());
    综合评语编辑框->moveCursor(QTextCursor::End);
    m_typed = typedState();
}

QStringList CommentEntryWindow::typedState() const
{
    return {本学期评语编辑框->toPlainText(), 综合评语编辑框->toPlainText()};
}

void CommentEntryWindow::reject()
{
    // Esc, 退出 and the close box: a comment being written is not dropped without asking.
    if (selectedNumber() != 0 && typedState() != m_typed
        && !UnsavedInput::mayClose(m_ws.services.prompt, [this] { return save(); }))
        return;
    QDialog::reject();
}

void CommentEntryWindow::selectCategory(int category)
{
    m_category = category;
    loadEntries();
}

void CommentEntryWindow::loadEntries()
{
    const auto links = categoryLinks();
    for (int i = 0; i < CommentKinds::CategoryCount; ++i)
        highlight(links[i], i + 1 == m_category);
    BusyCursor busy;
    评语词条列表框->clear();
    const auto entries = m_library.entries(entryLibrary(), CommentKinds::categoryName(m_category));
    if (!entries)
        return;
    QList<QTreeWidgetItem*> items;
    items.reserve(entries->size());
    for (const CommentLibrary::Item& e : *entries)
        items.append(new QTreeWidgetItem({e.text, QString::number(e.编号)}));
    评语词条列表框->addTopLevelItems(items);
    if (!items.isEmpty())
        评语词条列表框->setCurrentItem(items.first());
}

void CommentEntryWindow::loadModels(int kind)
{
    m_modelKind = kind;
    const auto links = modelLinks();
    for (int i = 0; i < 3; ++i)
        highlight(links[i], i == kind);
    BusyCursor busy;
    {
        const QSignalBlocker quiet(范例评语列表框);
        范例评语列表框->clear();
        if (const auto models = m_library.models(modelLibrary(), currentModelKind())) {
            QList<QTreeWidgetItem*> items;
            items.reserve(models->size());
            for (const CommentLibrary::Item& m : *models) {
                auto* item = new QTreeWidgetItem({CommentLibrary::modelItemText(m.text)});
                item->setData(0, ModelNumberRole, m.编号);
                items.append(item);
            }
            范例评语列表框->addTopLevelItems(items);
            if (!items.isEmpty())
                范例评语列表框->setCurrentItem(items.first());
        }
    }
    showPreview();
}

void CommentEntryWindow::showPreview()
{
    const QTreeWidgetItem* item = 范例评语列表框->currentItem();
    std::optional<QString> model;
    if (item)
        model = m_library.model(item->data(0, ModelNumberRole).toLongLong());
    详细评语编辑框->setPlainText(CommentComposer::modelShown(model.value_or(QString())));
}

void CommentEntryWindow::editEntry(QTreeWidgetItem* item, const QString& refused)
{
    if (!item)
        return;
    m_entryDelegate->setPendingText(refused);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    评语词条列表框->setCurrentItem(item);
    评语词条列表框->scrollToItem(item);
    评语词条列表框->editItem(item, 0);
}

void CommentEntryWindow::entryLibraryChanged()
{
    评语词条列表框->setFocus();
    selectCategory(1);
}

void CommentEntryWindow::modelLibraryChanged()
{
    范例评语列表框->setFocus();
    loadModels(0);
}

bool CommentEntryWindow::pupilChosen()
{
    if (selectedNumber() != 0)
        return true;
    m_ws.services.prompt.show(u"请选择要录入评语的学生姓名！"_s, u"提示"_s);
    return false;
}

void CommentEntryWindow::insertEntry(QTreeWidgetItem* item)
{
    if (!item || !pupilChosen())
        return;
    本学期评语编辑框->setFocus();
    m_termLimit->insert(CommentComposer::append(本学期评语编辑框->toPlainText(), item->text(0)), true);
    本学期评语编辑框->moveCursor(QTextCursor::End);
    if (automaticMode())
        selectCategory(CommentComposer::nextCategory(m_category));
}

void CommentEntryWindow::insertModel(QTreeWidgetItem* item)
{
    if (!item)
        return;
    if (范例评语列表框->currentItem() != item)
        范例评语列表框->setCurrentItem(item);
    m_termLimit->insert(详细评语编辑框->toPlainText(), false);
}

void CommentEntryWindow::randomComment()
{
    if (!随机录入按钮->isEnabled())
        return;
    BusyCursor busy;
    QList<QStringList> categories;
    for (int n = 1; n <= CommentKinds::CategoryCount; ++n) {
        QStringList sentences;
        if (const auto entries = m_library.entries(entryLibrary(), CommentKinds::categoryName(n))) {
            for (const CommentLibrary::Item& e : *entries)
                sentences << e.text;
        }
        categories << sentences;
    }
    m_termLimit->insert({}, false);
    for (const QString& sentence : CommentComposer::draw(categories, *m_random))
        m_termLimit->insert(CommentComposer::append(本学期评语编辑框->toPlainText(), sentence), true);
}

void CommentEntryWindow::addToOverall()
{
    综合评语编辑框->setPlainText(CommentComposer::addToOverall(
        综合评语编辑框->toPlainText(), 本学期评语编辑框->toPlainText(), m_ws.services.clock.today()));
    综合评语编辑框->setFocus();
    综合评语编辑框->moveCursor(QTextCursor::End);
}

bool CommentEntryWindow::save()
{
    const qint64 number = selectedNumber();
    if (number == 0) {
        m_ws.services.prompt.show(u"请选择要录入评语的学生姓名！"_s, u"提示"_s);
        return false;
    }
    const QString name = 评语姓名列表框->currentText(1);
    const QStringList typed = typedState();
    if (!m_store.save(number, {typed[0], typed[1]})) {
        // The teacher's text stays in the boxes and the pupil stays selected, to try again.
        m_ws.services.prompt.show(name + u"同学的评语保存失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    m_typed = typed;
    const int next = 评语姓名列表框->currentRow() + 1;
    if (next >= 评语姓名列表框->rowCount()) {
        m_ws.services.prompt.show(name + u"同学的评语已保存！"_s);
        return true;
    }
    m_ws.services.prompt.show(
        name + u"同学的评语已保存！即将录入的是"_s + 评语姓名列表框->text(next, 1) + u"同学的评语。"_s);
    评语姓名列表框->setCurrentRow(next);
    return true;
}

void CommentEntryWindow::switchPage()
{
    选择夹1->setCurrentIndex(选择夹1->currentIndex() == 0 ? 1 : 0);
}

void CommentEntryWindow::pageShown(int page)
{
    随机录入按钮->setEnabled(page == 0);
    词条范例转换钮->setText(page == 0 ? u"到范例评语录入"_s : u"到单句评语录入"_s);
}

void CommentEntryWindow::switchMode()
{
    分类操作转换钮->setText(automaticMode() ? u"手动选分类"_s : u"自动转分类"_s);
}
