#include "teachers/TeacherEditorWindow.h"

#include "classes/GbByteValidator.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ClickOpensList.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "records/FieldControls.h"
#include "records/FocusChain.h"
#include "records/LongTextLimit.h"
#include "records/OneRow.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "records/SexCount.h"
#include "records/UnsavedInput.h"
#include "students/StudentEntryLists.h"
#include "teachers/TeacherFields.h"
#include "teachers/TeacherRecords.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

using Controls::named;

namespace {

constexpr int TeacherNumberRole = Qt::UserRole;
constexpr qsizetype LongTextBytes = 1150;

} // namespace

TeacherEditorWindow::TeacherEditorWindow(Workspace& ws, Mode mode, PickedTeacher picked, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_mode(mode)
    , m_picked(std::move(picked))
{
    buildControls();
    buildFocusChain();
    // Over the main window, as the student editor opens.
    if (parent)
        setGeometry(parent->geometry());
}

void TeacherEditorWindow::open(Workspace& ws, Mode mode, const PickedTeacher& picked)
{
    TeacherEditorWindow editor(ws, mode, picked, ws.shell.ownerWindow());
    if (editor.start())
        editor.exec();
}

std::array<QWidget*, 16> TeacherEditorWindow::fieldControls() const
{
    return {教员姓名编辑框, 教员性别组合框, 教员民族组合框, 教员出生日期框, 教员学历组合框, 教员政治组合框,
        教员参加工作日期框, 教员调入日期框, 教员职称组合框, 教员职务组合框, 教员身份证编辑框, 教员手机编辑框,
        教员家庭住址编辑框, 教员住宅电话编辑框, 教员籍贯编辑框, 教员户籍编辑框};
}

QString TeacherEditorWindow::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_status[panel]->text() : QString();
}

bool TeacherEditorWindow::start()
{
    m_status[1]->setText(m_ws.state.session().userName);
    m_saved = false;
    loadNames();
    const QString school = m_ws.state.schoolName();
    if (m_mode == Mode::Add) {
        emptyFields();
        m_status[2]->setText(u"    当前状态：添加教员资料"_s);
        m_status[3]->setText(u"  提示：请输入资料后按[保存数据]按钮。"_s);
        setWindowTitle(u"添加教员资料"_s);
        窗口标题标签->setText(u"添加"_s + school + u"的教员资料"_s);
        保存数据钮->setText(u"保存数据"_s);
        教员姓名列表框->setEnabled(false);
        操作提示标签->setText(u"教员姓名列表"_s);
        if (!TeacherRecords(m_ws.teacherDb).nextNumber()) {
            m_ws.services.prompt.show(u"  错误：找不到系统数据序列号！  "_s, u"错误"_s, Prompt::Icon::Error);
            return false;
        }
        教员姓名编辑框->setFocus();
        m_typed = typedState();
        return true;
    }
    教员姓名列表框->setEnabled(true);
    if (教员姓名列表框->count() == 0) {
        m_ws.services.prompt.show(u"目前本校没有在职教员数据！请先添加教员数据！"_s);
        return false;
    }
    // By number: of two teachers with one name each can be reached.
    int row = 0;
    const Page page = m_ws.shell.currentPage();
    if (m_picked && (page == Page::TeacherView || page == Page::TeacherRoster)) {
        if (const auto number = m_picked()) {
            for (int i = 0; i < 教员姓名列表框->count(); ++i) {
                if (教员姓名列表框->item(i)->data(TeacherNumberRole).toLongLong() == *number)
                    row = i;
            }
        }
    }
    {
        const QSignalBlocker blocker(教员姓名列表框);
        教员姓名列表框->setCurrentRow(row);
    }
    教员姓名列表框->scrollToItem(教员姓名列表框->currentItem());
    loadSelected();
    m_status[2]->setText(u"    当前状态：修改教员资料"_s);
    m_status[3]->setText(u"  提示：请先选择要修改资料的教员姓名，修改完成后按[保存修改]。"_s);
    setWindowTitle(u"修改教员资料"_s);
    保存数据钮->setText(u"保存修改"_s);
    操作提示标签->setText(u"请选择要修改资料的教员姓名"_s);
    FocusChain::focusAndSelect(教员姓名编辑框);
    m_typed = typedState();
    return true;
}

void TeacherEditorWindow::loadNames()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto list = TeacherRecords(m_ws.teacherDb).names(TeacherViewKind::InService);
    {
        const QSignalBlocker blocker(教员姓名列表框);
        教员姓名列表框->clear();
        const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
        for (const auto& teacher : list ? list->names : QList<TeacherRecords::NameEntry> {}) {
            auto* item = new QListWidgetItem(icon, teacher.姓名, 教员姓名列表框);
            item->setData(TeacherNumberRole, teacher.编号);
        }
    }
    m_male = list ? list->male : 0;
    m_female = list ? list->female : 0;
    m_status[2]->setText(u"    当前状态：录入修改教员资料"_s);
    教员统计标签->setText(
        TeacherRecords::countsLine(u"目前本校在职教员有"_s, 教员姓名列表框->count(), m_male, m_female));
    QApplication::restoreOverrideCursor();
    if (!list)
        m_ws.services.prompt.show(u"载入教员姓名数据失败！"_s);
}

void TeacherEditorWindow::loadSelected()
{
    const QListWidgetItem* item = 教员姓名列表框->currentItem();
    const auto teacher = item
        ? TeacherRecords(m_ws.teacherDb).record(TeacherViewKind::InService, item->data(TeacherNumberRole).toLongLong())
        : std::nullopt;
    if (!teacher) {
        // The fields must never keep another teacher's record under this teacher's number.
        m_loadedNumber.reset();
        m_loaded.reset();
        emptyFields();
        m_typed = typedState();
        m_ws.services.prompt.show(u"载入教员数据失败！"_s);
        return;
    }
    m_loadedNumber = teacher->编号;
    m_loaded = *teacher;
    m_loadedSex = teacher->性别;
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i) {
        // Free texts keep what is stored; only the fixed lists choose an entry.
        const bool freeText
            = controls[i] == 教员政治组合框 || controls[i] == 教员职称组合框 || controls[i] == 教员职务组合框;
        FieldControls::show(controls[i], teacher.value().*TeacherFields[i].member,
            freeText ? FieldControls::List::FreeText : FieldControls::List::ChooseEntry);
    }
    教员照片->setPhoto(teacher->照片);
    {
        const QSignalBlocker a(简历编辑框);
        const QSignalBlocker b(其它资料编辑框);
        简历编辑框->setPlainText(LineBreaks::forDisplay(teacher->个人简历));
        其它资料编辑框->setPlainText(LineBreaks::forDisplay(teacher->其他资料));
    }
    窗口标题标签->setText(u"您现在修改的是"_s + m_ws.state.schoolName() + item->text() + u"同志的资料"_s);
    m_typed = typedState();
}

void TeacherEditorWindow::emptyFields()
{
    for (QWidget* control : fieldControls())
        FieldControls::clear(control);
    for (QComboBox* box : {教员学历组合框, 教员职称组合框, 教员职务组合框}) {
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->setEditText({});
    }
    const QSignalBlocker a(简历编辑框);
    const QSignalBlocker b(其它资料编辑框);
    简历编辑框->clear();
    其它资料编辑框->clear();
    教员照片->setPhoto({});
}

void TeacherEditorWindow::showResume(bool resume)
{
    个人简历钮->setText(resume ? u"● 个人简历"_s : u"个人简历"_s);
    其它资料钮->setText(resume ? u"其他资料"_s : u"● 其他资料"_s);
    简历标题标签->setText(resume ? u" 个人简历："_s : u" 其它资料："_s);
    输入提示标签->setVisible(resume);
    m_longTexts->setCurrentWidget(resume ? 简历编辑框 : 其它资料编辑框);
    QPlainTextEdit* box = resume ? 简历编辑框 : 其它资料编辑框;
    box->setFocus();
    if (!resume)
        box->moveCursor(QTextCursor::End);
}

void TeacherEditorWindow::clearLongText()
{
    const bool resume = m_longTexts->currentWidget() == 简历编辑框;
    QPlainTextEdit* box = resume ? 简历编辑框 : 其它资料编辑框;
    if (box->toPlainText().isEmpty())
        return;
    const QString question = resume ? u"您确定要清除个人简历的内容吗？"_s : u"您确定要清除其他资料的内容吗？"_s;
    if (m_ws.services.prompt.show(question, u"询问"_s, Prompt::Icon::None, Prompt::Buttons::OkCancel)
        == Prompt::Answer::Ok)
        box->clear();
}

void TeacherEditorWindow::limitLongTexts(QPlainTextEdit* box)
{
    if (m_limiting)
        return;
    const QString text = box->toPlainText();
    const bool resume = box == 简历编辑框;
    const bool tooManyLines = resume && LongTextLimit::shownLines(*box, text) > LongTextLimit::ResumeLines;
    // Stored "\r\n" breaks count two bytes each, as the old boxes counted them.
    const bool tooManyBytes = GbText::byteLength(LineBreaks::forStorage(text)) > LongTextBytes;
    if (!tooManyLines && !tooManyBytes)
        return;
    m_limiting = true;
    box->setReadOnly(true);
    QString cut = tooManyLines ? LongTextLimit::cut(*box, text, LongTextLimit::ResumeLines) : text;
    while (GbText::byteLength(LineBreaks::forStorage(cut)) > LongTextBytes)
        cut = GbText::chopBytes(cut, 1);
    box->setPlainText(cut);
    if (tooManyLines)
        m_ws.services.prompt.show(u"个人简历最多输入19行内容！"_s);
    box->moveCursor(QTextCursor::End);
    box->setReadOnly(false);
    m_limiting = false;
}

void TeacherEditorWindow::deletePhoto()
{
    if (教员照片->photo().isEmpty())
        return;
    if (m_ws.services.prompt.show(u"您确定要删除"_s + 教员姓名编辑框->text() + u"的照片吗？"_s, u"询问"_s,
            Prompt::Icon::Question, Prompt::Buttons::OkCancel)
        == Prompt::Answer::Ok)
        教员照片->setPhoto({});
}

TeacherRecord TeacherEditorWindow::fromControls() const
{
    TeacherRecord t;
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i)
        t.*TeacherFields[i].member = FieldControls::read(controls[i]);
    // No photo is stored as the placeholder picture, as every older record holds it.
    t.照片 = 教员照片->photo().isEmpty() ? RecordPhoto::placeholder() : 教员照片->photo();
    t.个人简历 = LineBreaks::forStorage(简历编辑框->toPlainText());
    t.其他资料 = LineBreaks::forStorage(其它资料编辑框->toPlainText());
    return TeacherRecords::withDashes(t);
}

bool TeacherEditorWindow::save()
{
    return m_mode == Mode::Add ? saveNew() : saveChanges();
}

void TeacherEditorWindow::showCounts()
{
    教员统计标签->setText(TeacherRecords::countsLine(u"目前本校共有教员"_s, 教员姓名列表框->count(), m_male, m_female));
}

bool TeacherEditorWindow::saveNew()
{
    Prompt& prompt = m_ws.services.prompt;
    if (GbText::isBlank(教员姓名编辑框->text())) {
        prompt.show(u"请输入教员姓名！"_s, u"错误"_s, Prompt::Icon::Error);
        教员姓名编辑框->setFocus();
        return false;
    }
    TeacherRecords records(m_ws.teacherDb);
    TeacherRecord teacher = fromControls();
    // The number is taken as the row is written: another seat may have taken the one before.
    if (!records.insertNext(teacher)) {
        prompt.show(u"保存数据失败！"_s);
        return false;
    }
    auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileIcon), teacher.姓名, 教员姓名列表框);
    item->setData(TeacherNumberRole, teacher.编号);
    {
        const QSignalBlocker blocker(教员姓名列表框);
        教员姓名列表框->setCurrentItem(item);
    }
    教员姓名列表框->scrollToItem(item);
    ++(SexCount::isMale(教员性别组合框->currentText()) ? m_male : m_female);
    showCounts();
    // Gender, ethnic group, political status and the dates stay for the next teacher.
    const QString political = 教员政治组合框->currentText();
    emptyFields();
    教员政治组合框->setEditText(political);
    教员姓名编辑框->setFocus();
    m_saved = true;
    m_typed = typedState();
    return true;
}

bool TeacherEditorWindow::saveChanges()
{
    Prompt& prompt = m_ws.services.prompt;
    if (教员姓名列表框->count() == 0) {
        prompt.show(u"目前本校没有教员资料！"_s);
        emptyFields();
        return false;
    }
    if (GbText::isBlank(教员姓名编辑框->text())) {
        prompt.show(u"请输入要修改资料的教员姓名！"_s, {}, Prompt::Icon::Information);
        教员姓名编辑框->setFocus();
        return false;
    }
    if (!m_loadedNumber) {
        prompt.show(u"保存数据失败！"_s);
        return false;
    }
    TeacherRecord teacher = fromControls();
    teacher.编号 = *m_loadedNumber;
    TeacherRecords records(m_ws.teacherDb);
    if (!(m_loaded ? records.update(teacher, *m_loaded) : records.update(teacher))) {
        prompt.show(records.conflicted() ? OneRow::changedMessage() : u"保存数据失败！"_s);
        return false;
    }
    m_loaded = records.record(TeacherViewKind::InService, teacher.编号);
    if (QListWidgetItem* item = 教员姓名列表框->currentItem())
        item->setText(teacher.姓名);
    if (SexCount::isMale(teacher.性别) != SexCount::isMale(m_loadedSex)) {
        const int move = SexCount::isMale(teacher.性别) ? 1 : -1;
        m_male += move;
        m_female -= move;
        m_loadedSex = teacher.性别;
    }
    showCounts();
    教员姓名编辑框->setFocus();
    m_saved = true;
    m_typed = typedState();
    prompt.show(u"修改数据已保存！"_s);
    return true;
}

void TeacherEditorWindow::reject()
{
    // Esc, 退出 and the close box: what was typed is not dropped without asking.
    if (typedState() != m_typed && !UnsavedInput::mayClose(m_ws.services.prompt, [this] { return save(); }))
        return;
    QDialog::reject();
}

QStringList TeacherEditorWindow::typedState() const
{
    QStringList state;
    for (QWidget* control : fieldControls())
        state.append(FieldControls::read(control));
    state << 简历编辑框->toPlainText() << 其它资料编辑框->toPlainText()
          << QString::fromLatin1(教员照片->photo().toBase64());
    return state;
}

void TeacherEditorWindow::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        // The teacher pages no longer show what the database holds.
        const Page page = m_ws.shell.currentPage();
        if (m_saved && (page == Page::TeacherView || page == Page::TeacherRoster))
            m_ws.shell.showHomePage();
    }
    QDialog::done(result);
}
