#include "teachers/TeacherStatusCommands.h"

#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/DateBox.h"
#include "records/StatusChangeDialog.h"
#include "teachers/TeacherRosterPage.h"
#include "teachers/TeacherStatus.h"
#include "teachers/TeacherViewPage.h"
#include "text/DateText.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

const QString ChooseToDelete = u"  请选择要删除资料的教员姓名！  "_s;

} // namespace

TeacherStatusCommands::TeacherStatusCommands(Workspace& ws, TeacherViewPage& view, TeacherRosterPage& roster)
    : m_ws(ws)
    , m_view(view)
    , m_roster(roster)
{ }

std::optional<TeacherStatusCommands::Target> TeacherStatusCommands::selected() const
{
    switch (m_ws.shell.currentPage()) {
    case Page::TeacherView:
        if (const auto t = m_view.selectedTeacher())
            return Target {Page::TeacherView, m_view.listedKind(), t->first, t->second};
        break;
    case Page::TeacherRoster:
        if (const auto t = m_roster.selectedTeacher())
            return Target {Page::TeacherRoster, m_roster.kind(), t->first, t->second};
        break;
    default:
        break;
    }
    return std::nullopt;
}

void TeacherStatusCommands::removeFromList(const Target& target)
{
    if (target.page == Page::TeacherView)
        m_view.removeSelectedTeacher();
    else
        m_roster.removeSelectedRow();
}

void TeacherStatusCommands::leave(TeacherViewKind to)
{
    Prompt& prompt = m_ws.services.prompt;
    const bool retire = to == TeacherViewKind::Retired;
    const QString choose = retire ? u"  请先选择要退休的教员姓名！  "_s : u"  请先选择要调离本校的教员姓名！  "_s;
    const Page page = m_ws.shell.currentPage();
    if (page != Page::TeacherView && page != Page::TeacherRoster) {
        prompt.show(choose);
        m_ws.shell.runCommand(u"查看教员档案");
        return;
    }
    const auto target = selected();
    if (target && target->file != TeacherViewKind::InService) {
        prompt.show(
            u"  本操作只能对在职教员操作！您现在操作的是："_s + TeacherViewKinds::text(target->file) + u"资料。  "_s);
        return;
    }
    if (!target) {
        prompt.show(choose);
        return;
    }
    StatusChangeDialog dialog(StatusChangeMode::RetireOrTransfer, m_ws.services.clock.today(), m_ws.shell.ownerWindow(),
        retire ? StatusChangeDialog::TeacherChange::Retire : StatusChangeDialog::TeacherChange::Transfer);
    dialog.setQuestion(u"您确定姓名为"_s + target->name + u"的教员离开本校吗？"_s);
    dialog.onConfirm = [&] {
        const QString date = DateText::format(dialog.退休日期框->date());
        if (!TeacherStatus(m_ws.teacherDb).leave(to, target->number, date, dialog.退休调离组合框->currentText())) {
            prompt.show(retire ? u"教员退休操作失败！"_s : u"教员调离操作失败！"_s);
            return true;
        }
        removeFromList(*target);
        prompt.show(retire ? u"完成教员退休操作！"_s : u"完成教员调离操作！"_s);
        return true;
    };
    dialog.exec();
}

void TeacherStatusCommands::restore()
{
    Prompt& prompt = m_ws.services.prompt;
    const auto target = selected();
    if (!target || target->file == TeacherViewKind::InService) {
        prompt.show(u"  请选择要恢复资料的教员姓名！  "_s, u"提示"_s);
        return;
    }
    if (prompt.show(u"  您确定要将当前教员的档案资料恢复到在职教员数据中吗？  "_s, u"询问"_s, Prompt::Icon::Question,
            Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    const bool retired = target->file == TeacherViewKind::Retired;
    if (!TeacherStatus(m_ws.teacherDb).restore(target->file, target->number)) {
        prompt.show(retired ? u"恢复退休教员档案操作失败！"_s : u"恢复调离教员档案操作失败！"_s);
        return;
    }
    removeFromList(*target);
    prompt.show(retired ? u"恢复退休教员档案操作完成！"_s : u"恢复调离教员档案操作完成！"_s);
}

void TeacherStatusCommands::confirmAndRemove(const Target& target, const QString& question)
{
    Prompt& prompt = m_ws.services.prompt;
    if (prompt.show(question, u"询问"_s, Prompt::Icon::Warning, Prompt::Buttons::OkCancel) != Prompt::Answer::Ok)
        return;
    // Checked: a teacher gone meanwhile keeps the list entry and is reported.
    if (!TeacherStatus(m_ws.teacherDb).remove(target.file, target.number)) {
        prompt.show(u"删除教员资料失败！"_s);
        return;
    }
    removeFromList(target);
}

void TeacherStatusCommands::deleteRecord()
{
    Prompt& prompt = m_ws.services.prompt;
    const auto target = selected();
    if (!target) {
        prompt.show(ChooseToDelete, u"提示"_s);
        const Page page = m_ws.shell.currentPage();
        if (page != Page::TeacherView && page != Page::TeacherRoster)
            m_ws.shell.runCommand(u"查看教员档案");
        return;
    }
    confirmAndRemove(*target, u"  您确认要删除当前教员"_s + target->name + u"的资料吗？  "_s);
}

void TeacherStatusCommands::deleteFormer()
{
    Prompt& prompt = m_ws.services.prompt;
    const auto target = selected();
    if (!target) {
        prompt.show(ChooseToDelete, u"提示"_s);
        return;
    }
    if (target->file == TeacherViewKind::InService)
        return;
    confirmAndRemove(*target, u"  您确认要删除当前教员的资料吗？  "_s);
}
