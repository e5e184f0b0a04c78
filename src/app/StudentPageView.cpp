#include "app/StudentPageView.h"

#include "printing/StudentCard.h"
#include "printing/StudentCardReport.h"
#include "students/StudentViewPage.h"
#include "workspace/ProgramState.h"
#include "workspace/Workspace.h"

#include "records/NameFlowView.h"
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

StudentPageView::StudentPageView(Workspace& ws, QWidget* parent)
    : QWidget(parent)
    , m_ws(ws)
    , m_page(new StudentViewPage(ws, this))
    , m_navigation(m_page->查看学生列表框)
{
    // The page fits the smallest main window as it is; its comment box scrolls, the page never.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
}

ReportBuild StudentPageView::buildReport(SheetTable& sheet, const QDate& today)
{
    const StudentViewPage& p = *m_page;
    StudentCard card;
    card.schoolName = m_ws.state.schoolName();
    card.title = p.查看页标题标签->text();
    card.atSchool = p.listedKind() == StudentViewKind::Enrolled;
    card.headTeacher = p.班主任->text();
    const std::pair<const char16_t*, const QLabel*> fields[] = {{u"学号", p.学生学号}, {u"姓名", p.学生姓名},
        {u"性别", p.学生性别}, {u"民族", p.学生民族}, {u"出生日期", p.学生出生日期}, {u"入学日期", p.学生入学日期},
        {u"所在班级", p.学生所在班级}, {u"班内职务", p.学生班内职务}, {u"家庭住址", p.学生家庭住址},
        {u"联系电话", p.学生住宅电话}, {u"籍贯", p.学生籍贯}, {u"户籍所在地", p.学生户籍}};
    for (const auto& [column, label] : fields)
        card.values.insert(QString::fromUtf16(column), label->text());
    card.guardians[0] = {p.家长1标签->text(), p.父亲姓名->text(), p.父亲单位->text(), p.父亲电话->text()};
    card.guardians[1] = {p.家长2标签->text(), p.母亲姓名->text(), p.母亲单位->text(), p.母亲电话->text()};
    card.photo = p.photo();
    for (int i = 1; i <= 10; ++i) {
        card.subjects.append(p.科目标签[i]->text());
        card.midterm.append(p.期中标签[i]->text());
        card.final.append(p.期末标签[i]->text());
    }
    card.termComment = p.termComment();
    card.leaveNote = p.leaveNote();
    return StudentCardReport::build(sheet, card, today);
}
