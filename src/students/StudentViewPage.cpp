#include "students/StudentViewPage.h"

#include "classes/ClassBook.h"
#include "classes/ClassSelector.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ElidedLabel.h"
#include "records/NameFlowView.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "store/DbConnection.h"
#include "students/StudentCardTexts.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"
#include "text/LineBreaks.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

QString enrolledHint()
{
    return u"    提示： 右击姓名列表可弹出操作菜单，双击照片查看可放大的照片。"_s;
}

QString graduateHint()
{
    return u"    提示： 双击照片查看可放大的照片。毕业学生的资料不能被修改。"_s;
}

QString stateText(StudentViewKind kind)
{
    return QString::fromUtf16(StudentViewKinds::facts(kind).viewState);
}

} // namespace

StudentViewPage::StudentViewPage(Workspace& ws, QWidget* parent)
    : QWidget(parent)
    , m_ws(ws)
{
    setObjectName(u"查看页底座"_s);
    buildControls();
    clearRecord();
}

StudentViewKind StudentViewPage::kind() const
{
    return StudentViewKinds::fromText(m_ws.state.currentViewKind()).value_or(StudentViewKind::Enrolled);
}

QString StudentViewPage::selectorText() const
{
    return 查看班级名组合框->currentText();
}

bool StudentViewPage::loadClassSelector()
{
    // Quiet: every caller loads the captions and names itself once the view kind is set.
    const QSignalBlocker quiet(查看班级名组合框);
    return ClassSelector::load(*查看班级名组合框, m_ws.state.headTeachers(), m_ws.studentDb);
}

void StudentViewPage::loadSubjectCaptions()
{
    const auto subjects = ClassBook(m_ws.studentDb).subjects(查看班级名组合框->currentText());
    if (!subjects) {
        m_ws.services.prompt.show(u"    读取课程科目失败！   "_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    for (int i = 1; i <= 10; ++i)
        科目标签[i]->setText(subjects->at(i - 1));
}

void StudentViewPage::setGenericCaptions()
{
    const QStringList generic = StudentCardTexts::genericSubjects();
    for (int i = 1; i <= 10; ++i)
        科目标签[i]->setText(generic[i - 1]);
}

void StudentViewPage::loadNames()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const StudentViewKind k = kind();
    m_listedKind = k;
    m_male = 0;
    m_female = 0;
    bool loaded = false;
    {
        const QSignalBlocker blocker(查看学生列表框);
        if (const auto list = StudentRecords(m_ws.studentDb).names(k, 查看班级名组合框->currentText())) {
            loaded = true;
            查看学生列表框->setRows(NameFlowView::rowsOf(list->names));
            m_male = list->male;
            m_female = list->female;
        } else {
            查看学生列表框->setRows({});
        }
    }
    m_ws.state.setStatusState(stateText(k));
    查看学生统计标签->setText(StudentRecords::countsLine(k, 查看学生列表框->rowCount(), m_male, m_female));
    QApplication::restoreOverrideCursor();
    // An empty list after a failed read must not pass for a class without pupils.
    m_damage = loaded ? QString() : m_ws.studentDb.damage();
    if (!m_damage.isEmpty()) {
        查看学生统计标签->setText(u"数据文件已损坏，请从“系统数据维护”还原备份"_s);
        m_ws.services.prompt.show(
            u"载入学生姓名数据失败！\r\n\r\n"_s + DbConnection::damagedMessage(m_ws.studentDb.path(), m_damage),
            u"错误"_s, Prompt::Icon::Error);
    } else if (!loaded) {
        m_ws.services.prompt.show(u"载入学生姓名数据失败！"_s, u"错误"_s, Prompt::Icon::Error);
    }
}

void StudentViewPage::clearRecord()
{
    for (QLabel* l : fieldLabels()) {
        if (l)
            l->clear();
    }
    for (QLabel* l : {学生学号, 班主任标签, 班主任})
        l->clear();
    for (int i = 1; i <= 10; ++i) {
        科目标签[i]->clear();
        期中标签[i]->clear();
        期末标签[i]->clear();
    }
    综合评价编辑框->clear();
    变动标签->setText({});
    变动标签->hide();
    m_leaveNote.clear();
    m_termComment.clear();
    家长1标签->setText(u"家长姓名"_s);
    家长2标签->setText(u"家长姓名"_s);
    学生照片框->setPhoto({});
}

std::array<QLabel*, StudentFields.size()> StudentViewPage::fieldLabels() const
{
    // In the order of StudentFields; the two relations show inside their captions instead.
    return {学生姓名, 学生性别, 学生民族, 学生出生日期, 学生入学日期, 学生所在班级, 学生班内职务, 学生家庭住址,
        学生住宅电话, 学生户籍, 学生籍贯, nullptr, 父亲姓名, 父亲单位, 父亲电话, nullptr, 母亲姓名, 母亲单位, 母亲电话};
}

QByteArray StudentViewPage::photo() const
{
    return 学生照片框->photo();
}

void StudentViewPage::showSelected()
{
    const StudentViewKind k = m_listedKind;
    const QString school = m_ws.state.schoolName();
    const QString selector = 查看班级名组合框->currentText();
    if (查看学生列表框->rowCount() == 0) {
        clearRecord();
        查看页标题标签->setText(m_damage.isEmpty() ? StudentCardTexts::emptyTitle(k, school, selector)
                                                   : school + selector + u"：数据文件已损坏"_s);
        return;
    }
    if (查看学生列表框->currentRow() < 0)
        return;
    const auto pupil = StudentRecords(m_ws.studentDb).record(k, 查看学生列表框->currentText(0).toLongLong());
    if (!pupil) {
        clearRecord();
        return;
    }
    学生学号->setText(QString::number(pupil->学号));
    const auto labels = fieldLabels();
    for (size_t i = 0; i < labels.size(); ++i) {
        if (labels[i])
            labels[i]->setText(pupil.value().*StudentFields[i].member);
    }
    家长1标签->setText(pupil->家长A + u"姓名"_s);
    家长2标签->setText(pupil->家长B + u"姓名"_s);
    学生照片框->setPhoto(pupil->照片);
    m_termComment = pupil->本学期评语;
    综合评价编辑框->setPlainText(
        LineBreaks::forDisplay(StudentCardTexts::combinedComment(pupil->本学期评语, pupil->综合评语)));
    for (int i = 1; i <= 10; ++i) {
        期中标签[i]->setText(StudentCardTexts::mark(pupil->期中[i - 1]));
        期末标签[i]->setText(StudentCardTexts::mark(pupil->期末[i - 1]));
    }
    查看页标题标签->setText(
        StudentCardTexts::recordTitle(k, school, selector, pupil->所在班级, 查看学生列表框->currentText(1)));
    if (k == StudentViewKind::Enrolled) {
        班主任标签->setText(u"本班班主任："_s);
        // The editor loads the same classes into the shared list and may leave another one current.
        m_ws.state.headTeachers().setCurrentIndex(查看班级名组合框->currentIndex());
        班主任->setText(m_ws.state.headTeachers().currentText());
    } else {
        班主任标签->setText(u"个人详细资料"_s);
        班主任->clear();
    }
    if (k == StudentViewKind::Leaver) {
        变动标签->setText(StudentCardTexts::leaveLink(pupil->姓名));
        变动标签->show();
        m_leaveNote = StudentCardTexts::leaveNote(pupil->姓名, pupil->离校时间, pupil->离校原因);
    } else {
        变动标签->setText({});
        变动标签->hide();
        m_leaveNote.clear();
    }
}

void StudentViewPage::selectRow(int row)
{
    {
        const QSignalBlocker blocker(查看学生列表框);
        查看学生列表框->setCurrentRow(row >= 0 && row < 查看学生列表框->rowCount() ? row : -1);
    }
    if (查看学生列表框->currentRow() >= 0)
        查看学生列表框->scrollTo(查看学生列表框->currentIndex());
    showSelected();
}

void StudentViewPage::selectorChanged(int index)
{
    m_ws.state.headTeachers().setCurrentIndex(index);
    if (m_listedKind == StudentViewKind::Enrolled)
        loadSubjectCaptions();
    else
        setGenericCaptions();
    查看学生列表框->setFocus();
    loadNames();
    selectRow(0);
}

void StudentViewPage::enterPage(const QString& hint)
{
    m_ws.state.setStatusHint(hint);
    m_ws.shell.openPage(Page::StudentView);
}

void StudentViewPage::showEnrolled()
{
    if (!loadClassSelector()) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置!"_s, u"提示"_s);
        m_ws.shell.runCommand(u"校务设置"_s);
        return;
    }
    loadSubjectCaptions();
    m_ws.state.setCurrentViewKind(StudentViewKinds::text(StudentViewKind::Enrolled));
    loadNames();
    selectRow(0);
    enterPage(enrolledHint());
}

void StudentViewPage::showGraduates()
{
    m_ws.state.setCurrentViewKind(StudentViewKinds::text(StudentViewKind::Graduate));
    {
        const QSignalBlocker blocker(查看班级名组合框);
        查看班级名组合框->clear();
        查看班级名组合框->addItems(StudentRecords(m_ws.studentDb).graduationDatesNewestFirst());
        if (查看班级名组合框->count() > 0)
            查看班级名组合框->setCurrentIndex(0);
    }
    if (查看班级名组合框->count() == 0) {
        clearRecord();
        查看页标题标签->setText(u"本校目前没有毕业学生数据"_s);
        查看学生统计标签->clear();
        查看学生列表框->setRows({});
        m_ws.services.prompt.show(u"目前没有毕业学生数据！"_s);
        return;
    }
    setGenericCaptions();
    loadNames();
    selectRow(0);
    enterPage(graduateHint());
    if (查看学生列表框->rowCount() == 0) {
        m_ws.services.prompt.show(
            u"没有"_s + StudentCardTexts::graduationYear(查看班级名组合框->currentText()) + u"毕业的学生数据！"_s);
    }
}

void StudentViewPage::showLeavers()
{
    {
        const QSignalBlocker blocker(查看班级名组合框);
        查看班级名组合框->clear();
        查看班级名组合框->addItem(u"离校学生资料"_s);
        查看班级名组合框->setCurrentIndex(0);
    }
    m_ws.state.setCurrentViewKind(StudentViewKinds::text(StudentViewKind::Leaver));
    loadNames();
    if (查看学生列表框->rowCount() == 0) {
        clearRecord();
        查看页标题标签->setText(u"本校目前没有因转学、退学等原因离校的学生资料"_s);
        m_ws.services.prompt.show(u"目前本校没有因转学、退学等原因离校的学生数据！"_s);
        return;
    }
    setGenericCaptions();
    selectRow(0);
    enterPage(enrolledHint());
}

void StudentViewPage::firstRecord()
{
    if (查看学生列表框->rowCount() > 0)
        selectRow(0);
}

void StudentViewPage::previousRecord()
{
    if (查看学生列表框->currentRow() > 0)
        selectRow(查看学生列表框->currentRow() - 1);
}

void StudentViewPage::nextRecord()
{
    if (查看学生列表框->currentRow() + 1 < 查看学生列表框->rowCount())
        selectRow(查看学生列表框->currentRow() + 1);
}

void StudentViewPage::lastRecord()
{
    if (查看学生列表框->rowCount() > 0)
        selectRow(查看学生列表框->rowCount() - 1);
}

void StudentViewPage::openOnEnrolled(const QString& className, qint64 number)
{
    if (!loadClassSelector()) {
        m_ws.services.prompt.show(u"目前没有班级数据，请先进行系统设置!"_s, u"提示"_s);
        m_ws.shell.runCommand(u"校务设置"_s);
        return;
    }
    m_ws.state.setCurrentViewKind(StudentViewKinds::text(StudentViewKind::Enrolled));
    const int index = qMax(0, 查看班级名组合框->findText(className));
    {
        const QSignalBlocker blocker(查看班级名组合框);
        查看班级名组合框->setCurrentIndex(index);
    }
    m_ws.state.headTeachers().setCurrentIndex(index);
    loadSubjectCaptions();
    loadNames();
    selectRow(std::max(0, 查看学生列表框->rowOfNumber(number)));
    enterPage(enrolledHint());
}

void StudentViewPage::openOnArchived(StudentViewKind kind, qint64 number, const QString& graduationDate)
{
    if (kind == StudentViewKind::Enrolled)
        return;
    const auto k = std::optional<StudentViewKind>(kind);
    m_ws.state.setCurrentViewKind(StudentViewKinds::text(kind));
    {
        const QSignalBlocker blocker(查看班级名组合框);
        查看班级名组合框->clear();
        if (*k == StudentViewKind::Leaver) {
            查看班级名组合框->addItem(u"离校学生资料"_s);
        } else {
            查看班级名组合框->addItems(StudentRecords(m_ws.studentDb).graduationDates());
        }
        查看班级名组合框->setCurrentIndex(qMax(0, 查看班级名组合框->findText(graduationDate)));
    }
    setGenericCaptions();
    loadNames();
    // By number: two pupils of one name are both reachable.
    selectRow(std::max(0, 查看学生列表框->rowOfNumber(number)));
    m_ws.state.setStatusState(stateText(*k));
    enterPage(*k == StudentViewKind::Leaver ? enrolledHint() : graduateHint());
}

std::optional<StudentPick> StudentViewPage::currentPick() const
{
    if (m_listedKind != StudentViewKind::Enrolled)
        return std::nullopt;
    return selectedPupil();
}

std::optional<StudentPick> StudentViewPage::selectedPupil() const
{
    if (查看学生列表框->currentRow() < 0)
        return std::nullopt;
    const QString klass
        = m_listedKind == StudentViewKind::Enrolled ? 查看班级名组合框->currentText() : 学生所在班级->text();
    return StudentPick {klass, 查看学生列表框->currentText(0).toLongLong(), 查看学生列表框->currentText(1)};
}

void StudentViewPage::removeSelectedPupil()
{
    查看学生列表框->removeRow(查看学生列表框->currentRow());
    selectRow(0);
}

void StudentViewPage::popUpMenu(const QPoint& at)
{
    const QPoint global = 查看学生列表框->viewport()->mapToGlobal(at);
    if (m_listedKind == StudentViewKind::Enrolled) {
        if (QMenu* menu = m_ws.shell.menu(u"班务管理"))
            menu->popup(global);
    } else {
        离校学生菜单->popup(global);
    }
}
