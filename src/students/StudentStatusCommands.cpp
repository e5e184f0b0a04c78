#include "students/StudentStatusCommands.h"

#include "classes/ClassSelector.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/DateBox.h"
#include "records/ReportList.h"
#include "records/StatusChangeDialog.h"
#include "students/ArchivedRosterPage.h"
#include "students/EnrolledRosterPage.h"
#include "students/RosterColumns.h"
#include "students/StudentStatus.h"
#include "students/StudentViewPage.h"
#include "text/DateText.h"
#include "text/GbText.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

const QString ChooseAPupil = u"  请先选择需要调整班级的学生所在班级和姓名！  "_s;
const QString ChooseToDelete = u"  请选择要删除资料的学生姓名！  "_s;
const QString NumberWarning = u"  删除资料后其学号也将会作废且不能再次利用！建议如非必要请使用修改资料方法。\r\n\r\n"_s;

std::optional<StudentPick> rosterPick(const ReportList* list)
{
    if (list->currentRow() < 0)
        return std::nullopt;
    return StudentPick {list->currentText(RosterColumns::Class), list->currentText(RosterColumns::Number).toLongLong(),
        list->currentText(RosterColumns::Name)};
}

} // namespace

StudentStatusCommands::StudentStatusCommands(
    Workspace& ws, StudentViewPage& view, EnrolledRosterPage& enrolled, ArchivedRosterPage& archived)
    : m_ws(ws)
    , m_view(view)
    , m_enrolled(enrolled)
    , m_archived(archived)
{ }

std::optional<StudentStatusCommands::Target> StudentStatusCommands::enrolledTarget()
{
    Prompt& prompt = m_ws.services.prompt;
    const Page page = m_ws.shell.currentPage();
    if (page != Page::StudentView && page != Page::EnrolledRoster) {
        prompt.show(ChooseAPupil);
        m_ws.shell.runCommand(u"查看学生资料");
        return std::nullopt;
    }
    if (page == Page::StudentView && m_view.listedKind() != StudentViewKind::Enrolled) {
        prompt.show(u"  本操作只能对在校学生操作！您现在操作的是："_s + StudentViewKinds::text(m_view.listedKind())
            + u"资料。  "_s);
        return std::nullopt;
    }
    const auto pupil = page == Page::StudentView ? m_view.selectedPupil() : m_enrolled.currentPick();
    if (!pupil) {
        prompt.show(ChooseAPupil);
        return std::nullopt;
    }
    return Target {page, StudentViewKind::Enrolled, *pupil};
}

std::optional<StudentStatusCommands::Target> StudentStatusCommands::archivedTarget()
{
    switch (m_ws.shell.currentPage()) {
    case Page::StudentView:
        if (const auto pupil = m_view.selectedPupil())
            return Target {Page::StudentView, m_view.listedKind(), *pupil};
        break;
    case Page::LeaverRoster:
        if (const auto pupil = rosterPick(m_archived.毕业离校列表框))
            return Target {Page::LeaverRoster, m_archived.kind(), *pupil};
        break;
    default:
        break;
    }
    return std::nullopt;
}

void StudentStatusCommands::removeFromList(Page page)
{
    switch (page) {
    case Page::StudentView:
        m_view.removeSelectedPupil();
        break;
    case Page::EnrolledRoster:
        m_enrolled.在校生列表框->removeCurrentRow();
        break;
    case Page::LeaverRoster:
        m_archived.毕业离校列表框->removeCurrentRow();
        break;
    default:
        break;
    }
}

void StudentStatusCommands::leave()
{
    const auto target = enrolledTarget();
    if (!target)
        return;
    const StudentPick pupil = target->pupil;
    StatusChangeDialog dialog(StatusChangeMode::Leave, m_ws.services.clock.today(), m_ws.shell.ownerWindow());
    dialog.setQuestion(u"您确定"_s + pupil.className + u"的"_s + pupil.姓名 + u"同学要离开本校吗？"_s);
    dialog.onConfirm = [&] {
        Prompt& prompt = m_ws.services.prompt;
        const QString reason = dialog.离校原因组合框->currentText();
        if (reason.isEmpty()) {
            prompt.show(u"请选择学生离校的原因！"_s);
            return false;
        }
        const QString date = DateText::format(dialog.离校日期框->date());
        if (!StudentStatus(m_ws.studentDb).leave(pupil.学号, date, reason)) {
            prompt.show(u"学生转学退学离校操作失败！"_s);
            return true;
        }
        removeFromList(target->page);
        prompt.show(u"完成学生转学退学离校操作！"_s);
        return true;
    };
    dialog.exec();
}

void StudentStatusCommands::changeClass()
{
    const auto target = enrolledTarget();
    if (!target)
        return;
    const StudentPick pupil = target->pupil;
    StatusChangeDialog dialog(StatusChangeMode::ChangeClass, m_ws.services.clock.today(), m_ws.shell.ownerWindow());
    if (!ClassSelector::load(*dialog.调整班名组合框, m_ws.state.headTeachers(), m_ws.studentDb)) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置!"_s, u"提示"_s);
        m_ws.shell.runCommand(u"校务设置");
        return;
    }
    dialog.setQuestion(pupil.姓名 + u"同学目前在本校"_s + pupil.className + u"就读。您确定要调整"_s + pupil.姓名
        + u"同学的班级吗？"_s);
    dialog.onConfirm = [&] {
        Prompt& prompt = m_ws.services.prompt;
        const QString chosen = dialog.调整班名组合框->currentText();
        if (chosen == pupil.className) {
            prompt.show(u"该生目前已在"_s + chosen + u"，无须调整！"_s);
            return false;
        }
        if (!StudentStatus(m_ws.studentDb).changeClass(pupil.学号, chosen)) {
            prompt.show(u"调班操作失败！"_s);
            return true;
        }
        removeFromList(target->page);
        prompt.show(u"完成调班操作！"_s);
        return true;
    };
    dialog.exec();
}

void StudentStatusCommands::reenrol()
{
    Prompt& prompt = m_ws.services.prompt;
    StatusChangeDialog dialog(StatusChangeMode::Reenrol, m_ws.services.clock.today(), m_ws.shell.ownerWindow());
    // Without any class the pupil would come back into a class no list shows.
    if (!ClassSelector::load(*dialog.复学班级组合框, m_ws.state.headTeachers(), m_ws.studentDb)) {
        prompt.show(u"  载入班级数据失败！  "_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    const auto target = archivedTarget();
    if (!target || target->table == StudentViewKind::Enrolled) {
        prompt.show(u"  请选择要复学的学生姓名！  "_s, u"提示"_s);
        return;
    }
    const StudentPick pupil = target->pupil;
    dialog.setQuestion(u"您确定姓名为"_s + pupil.姓名 + u"的学生复学吗？"_s);
    dialog.onConfirm = [&] {
        const QString klass = dialog.复学班级组合框->currentText();
        if (!StudentStatus(m_ws.studentDb).reenrol(target->table, pupil.学号, klass)) {
            prompt.show(u"学生复学操作失败！"_s);
            return true;
        }
        removeFromList(target->page);
        prompt.show(u"学生复学操作完成！"_s);
        return true;
    };
    dialog.exec();
}

void StudentStatusCommands::confirmAndRemove(const Target& target, const QString& question)
{
    Prompt& prompt = m_ws.services.prompt;
    if (prompt.show(question, u"询问"_s, Prompt::Icon::Warning, Prompt::Buttons::OkCancel) != Prompt::Answer::Ok)
        return;
    // Checked: a pupil gone meanwhile keeps the list entry and is reported.
    if (!StudentStatus(m_ws.studentDb).remove(target.table, target.pupil.学号)) {
        prompt.show(u"删除学生资料失败！"_s);
        return;
    }
    removeFromList(target.page);
}

void StudentStatusCommands::deleteRecord()
{
    Prompt& prompt = m_ws.services.prompt;
    const Page page = m_ws.shell.currentPage();
    std::optional<Target> target;
    if (page == Page::EnrolledRoster) {
        if (const auto pupil = m_enrolled.currentPick())
            target = Target {page, StudentViewKind::Enrolled, *pupil};
    } else {
        target = archivedTarget();
    }
    if (!target) {
        prompt.show(ChooseToDelete, u"提示"_s);
        if (page != Page::StudentView && page != Page::LeaverRoster && page != Page::EnrolledRoster)
            m_ws.shell.runCommand(u"查看学生资料");
        return;
    }
    const QString question = page == Page::EnrolledRoster
        ? u"  您确认要删除当前学生"_s + target->pupil.姓名 + u"的资料吗？  "_s
        : NumberWarning + u"  现在您还确认要删除当前学生"_s + target->pupil.姓名 + u"的资料吗？  "_s;
    confirmAndRemove(*target, question);
}

void StudentStatusCommands::deleteArchived()
{
    Prompt& prompt = m_ws.services.prompt;
    const auto target = archivedTarget();
    if (!target) {
        prompt.show(ChooseToDelete, u"提示"_s);
        return;
    }
    if (target->table == StudentViewKind::Enrolled)
        return;
    const QString question = NumberWarning + u"  现在您还确认要删除当前学生的资料吗？  "_s;
    confirmAndRemove(*target, question);
}
