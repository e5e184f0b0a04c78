#include "comments/CommentLibraryMenus.h"

#include "comments/CommentComposer.h"
#include "comments/CommentEntryWindow.h"
#include "comments/CommentKinds.h"
#include "comments/EntryEditDelegate.h"
#include "comments/ModelCommentEditor.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "workspace/Workspace.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int ModelNumberRole = Qt::UserRole;

QTreeWidgetItem* selected(QTreeWidget* list)
{
    QTreeWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item : nullptr;
}

QTreeWidgetItem* entryItem(QTreeWidget* list, qint64 number)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(1).toLongLong() == number)
            return list->topLevelItem(i);
    }
    return nullptr;
}

} // namespace

CommentLibraryMenus::CommentLibraryMenus(CommentEntryWindow& window, Workspace& ws)
    : QObject(&window)
    , m_window(window)
    , m_ws(ws)
{
    QMenu* entries = window.评语菜单;
    connect(entries->addAction(u"修改评语词条"_s), &QAction::triggered, this, &CommentLibraryMenus::modifyEntry);
    connect(entries->addAction(u"添加评语词条"_s), &QAction::triggered, this, &CommentLibraryMenus::addEntry);
    connect(entries->addAction(u"删除评语词条"_s), &QAction::triggered, this, &CommentLibraryMenus::deleteEntry);
    QMenu* models = window.范例菜单;
    connect(models->addAction(u"修改范例评语"_s), &QAction::triggered, this, &CommentLibraryMenus::modifyModel);
    connect(models->addAction(u"添加范例评语"_s), &QAction::triggered, this, &CommentLibraryMenus::addModel);
    connect(models->addAction(u"删除范例评语"_s), &QAction::triggered, this, &CommentLibraryMenus::deleteModel);
    // Queued: the edit has closed before its text is judged, so a message or a new edit of the
    // same item never runs inside the closing one.
    connect(window.m_entryDelegate, &EntryEditDelegate::edited, this, &CommentLibraryMenus::entryEdited,
        Qt::QueuedConnection);
}

void CommentLibraryMenus::modifyEntry()
{
    QTreeWidgetItem* item = selected(m_window.评语词条列表框);
    if (!item) {
        m_ws.services.prompt.show(u"    请选择要编辑修改的评语词条！    "_s, u"提示"_s);
        return;
    }
    m_window.editEntry(item);
}

void CommentLibraryMenus::addEntry()
{
    const auto number
        = m_window.m_library.addEntry(m_window.entryLibrary(), CommentKinds::categoryName(m_window.currentCategory()));
    if (!number) {
        m_ws.services.prompt.show(u"添加新的评语词条失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    // The new row is known by its own key: an older untouched placeholder may read the same.
    auto* item = new QTreeWidgetItem({CommentKinds::entryPlaceholder(), QString::number(*number)});
    m_window.评语词条列表框->addTopLevelItem(item);
    m_window.editEntry(item);
}

void CommentLibraryMenus::entryEdited(qint64 number, const QString& text)
{
    QTreeWidgetItem* item = entryItem(m_window.评语词条列表框, number);
    if (!CommentLibrary::entryTextFits(text)) {
        m_ws.services.prompt.show(u"每条评语的内容不超过100个字符或50个汉字且不能为空！"_s);
        m_window.editEntry(item, text);
        return;
    }
    if (!m_window.m_library.setEntryText(number, text)) {
        m_ws.services.prompt.show(u"操作失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    if (item)
        item->setText(0, text);
}

void CommentLibraryMenus::deleteEntry()
{
    QTreeWidget* list = m_window.评语词条列表框;
    QTreeWidgetItem* item = selected(list);
    if (!item) {
        m_ws.services.prompt.show(u"    请选择要删除的评语词条！    "_s, u"提示"_s);
        return;
    }
    if (m_ws.services.prompt.show(
            u"您确定要删除当前选择的评语词条吗？    "_s, u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    if (!m_window.m_library.removeEntry(item->text(1).toLongLong())) {
        m_ws.services.prompt.show(u"操作失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    delete item;
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

void CommentLibraryMenus::modifyModel()
{
    QTreeWidgetItem* item = selected(m_window.范例评语列表框);
    if (!item) {
        m_ws.services.prompt.show(u"请选择要修改的范例评语！"_s);
        return;
    }
    ModelCommentEditor editor(
        ModelCommentEditor::Mode::Modify, m_window.详细评语编辑框->toPlainText(), m_ws.services.prompt, &m_window);
    if (editor.exec() != QDialog::Accepted)
        return;
    const QString text = editor.text();
    if (!m_window.m_library.setModelText(item->data(0, ModelNumberRole).toLongLong(), text)) {
        m_ws.services.prompt.show(u"修改评语范例失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    item->setText(0, CommentLibrary::modelItemText(text));
    m_window.showPreview();
}

void CommentLibraryMenus::addModel()
{
    ModelCommentEditor editor(ModelCommentEditor::Mode::Add, {}, m_ws.services.prompt, &m_window);
    if (editor.exec() != QDialog::Accepted)
        return;
    const auto number
        = m_window.m_library.addModel(m_window.modelLibrary(), m_window.currentModelKind(), editor.text());
    if (!number) {
        m_ws.services.prompt.show(u"添加评语范例失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    m_window.loadModels(m_window.m_modelKind);
    QTreeWidget* list = m_window.范例评语列表框;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->data(0, ModelNumberRole).toLongLong() == *number) {
            list->setCurrentItem(item);
            list->scrollToItem(item);
        }
    }
}

void CommentLibraryMenus::deleteModel()
{
    QTreeWidget* list = m_window.范例评语列表框;
    QTreeWidgetItem* item = selected(list);
    if (!item) {
        m_ws.services.prompt.show(u"    请选择要删除的评语范例！    "_s, u"提示"_s);
        return;
    }
    if (m_ws.services.prompt.show(
            u"您确定要删除当前选择的评语范例吗？    "_s, u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    if (!m_window.m_library.removeModel(item->data(0, ModelNumberRole).toLongLong(), m_window.modelLibrary())) {
        m_ws.services.prompt.show(u"操作失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    const int index = list->indexOfTopLevelItem(item);
    {
        // The item before the removed one, or none when the first went.
        const QSignalBlocker quiet(list);
        delete item;
        list->setCurrentItem(nullptr);
        if (index > 0) {
            list->setCurrentItem(list->topLevelItem(index - 1));
            list->scrollToItem(list->currentItem());
        }
    }
    m_window.showPreview();
}
