#include "students/StudentEditorWindow.h"

#include "classes/ClassSelector.h"
#include "classes/GbByteValidator.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ClickOpensList.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "records/FieldControls.h"
#include "records/FocusChain.h"
#include "records/GrowthLineLimit.h"
#include "records/LongTextLimit.h"
#include "records/NumberBoxValidator.h"
#include "records/RecordPhoto.h"
#include "records/SexCount.h"
#include "records/StoredListText.h"
#include "records/UnsavedInput.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "store/Schema.h"
#include "students/StudentCardTexts.h"
#include "students/StudentEntryLists.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"
#include "text/DateText.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
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

#include <limits>

using namespace Qt::StringLiterals;

using Controls::linkButton;
using Controls::named;

StudentEditorWindow::StudentEditorWindow(Workspace& ws, StudentPages pages, Mode mode, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_pages(std::move(pages))
    , m_mode(mode)
{
    setObjectName(u"StudentEditorWindow"_s);
    setWindowTitle(mode == Mode::Add ? u"添加学生资料"_s : u"修改学生资料"_s);
    buildControls();
    linkFocusChain();
    connectControls();
    if (parent)
        setGeometry(parent->geometry());
    else
        resize(1024, 768);
    limitLengths();
}

void StudentEditorWindow::openAdd(Workspace& ws, const StudentPages& pages)
{
    StudentEditorWindow editor(ws, pages, Mode::Add, ws.shell.ownerWindow());
    if (editor.start())
        editor.exec();
}

StudentEditorWindow* StudentEditorWindow::openModify(Workspace& ws, const StudentPages& pages)
{
    auto* editor = new StudentEditorWindow(ws, pages, Mode::Modify, ws.shell.ownerWindow());
    editor->setAttribute(Qt::WA_DeleteOnClose);
    if (!editor->start()) {
        editor->deleteLater();
        return nullptr;
    }
    editor->show();
    return editor;
}

QString StudentEditorWindow::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_status[panel]->text() : QString();
}

bool StudentEditorWindow::start()
{
    m_status[1]->setText(m_ws.state.session().userName);
    bool anyClass = false;
    {
        // Quiet: the names are loaded below, once the picked pupil's class is selected.
        const QSignalBlocker quiet(学生班级组合框);
        anyClass = ClassSelector::load(*学生班级组合框, m_ws.state.headTeachers(), m_ws.studentDb);
    }
    if (!anyClass) {
        m_ws.services.prompt.show(u"目前没有班级数据！请先进行校务设置！"_s);
        m_ws.shell.runCommand(u"校务设置"_s);
        return false;
    }
    const std::optional<StudentPick> pick
        = m_mode == Mode::Modify && m_pages.pickedPupil ? m_pages.pickedPupil() : std::nullopt;
    if (pick) {
        const int index = 学生班级组合框->findText(pick->className);
        if (index > 0) {
            const QSignalBlocker blocker(学生班级组合框);
            学生班级组合框->setCurrentIndex(index);
            m_ws.state.headTeachers().setCurrentIndex(index);
        }
    }
    loadNames();
    const QString klass = 学生班级组合框->currentText();

    if (m_mode == Mode::Modify) {
        setNumberLocked(true);
        m_status[3]->setText(u"  提示：请先选择要修改资料的学生姓名，修改完成后按[保存修改]。"_s);
        学生姓名列表框->setEnabled(true);
        // The pupil is found by number: two pupils of one name in a class are both reachable.
        int row = 0;
        if (pick) {
            int byName = -1;
            for (int i = 0; i < 学生姓名列表框->count(); ++i) {
                const QListWidgetItem* item = 学生姓名列表框->item(i);
                if (item->data(PupilNumberRole).toLongLong() == pick->学号) {
                    byName = i;
                    break;
                }
                if (byName < 0 && item->text() == pick->姓名)
                    byName = i;
            }
            row = qMax(0, byName);
        }
        {
            const QSignalBlocker blocker(学生姓名列表框);
            学生姓名列表框->setCurrentRow(学生姓名列表框->count() > 0 ? row : -1);
        }
        if (auto* item = 学生姓名列表框->currentItem())
            学生姓名列表框->scrollToItem(item);
        loadSelectedPupil();
        操作提示标签->setText(u"请选择要修改学生资料的班级和学生姓名"_s);
        FocusChain::focusAndSelect(姓名编辑框);
    } else {
        m_status[3]->setText(u"  提示：请先选择要添加学生资料的班级，输入资料后按[保存数据]。"_s);
        窗口标题标签->setText(u"您现在要添加的是"_s + klass + u"的学生资料"_s);
        操作提示标签->setText(u"  <<  请选择要添加学生资料的班级"_s);
        学生姓名列表框->setEnabled(false);
        emptyFields();
        班内职务组合框->setCurrentIndex(-1);
        班内职务组合框->setEditText({});
        所在班级->setText(klass); // before the first-number hint, which is shown over the window
        show();
        const auto next = StudentRecords(m_ws.studentDb).nextNumber();
        if (!next) {
            // Without the numbers already given out any number offered could be one of them.
            setNumberLocked(true);
            学号编辑框->clear();
            m_ws.services.prompt.show(u"读取学号数据失败！"_s, u"错误"_s, Prompt::Icon::Error);
            FocusChain::focusAndSelect(姓名编辑框);
        } else if (const StudentRecords::NumberOffer offer = *next; offer.typedFreely) {
            setNumberLocked(false);
            学号编辑框->setText(u"1"_s);
            m_ws.services.prompt.show(
                u"为保证学号的连续性与唯一性，第一次添加学生资料可以任意输入学号，保存资料后学号栏将会按"_s
                u"第一次的学号自动递增，而且不能再编辑或修改！"_s,
                u"提示"_s, Prompt::Icon::Warning);
            FocusChain::focusAndSelect(学号编辑框);
        } else {
            setNumberLocked(true);
            学号编辑框->setText(QString::number(next->number));
            FocusChain::focusAndSelect(姓名编辑框);
        }
    }
    所在班级->setText(klass);
    m_saved = false;
    m_typed = typedState();
    return true;
}

void StudentEditorWindow::setNumberLocked(bool locked)
{
    学号编辑框->setReadOnly(locked);
    学号编辑框->setStyleSheet(
        locked ? u"QLineEdit { background: rgb(236,236,236); }"_s : u"QLineEdit { background: white; }"_s);
}

void StudentEditorWindow::loadNames()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_male = 0;
    m_female = 0;
    const auto list = StudentRecords(m_ws.studentDb).classNames(学生班级组合框->currentText());
    if (!list) {
        const QString damage = m_ws.studentDb.damage();
        m_ws.services.prompt.show(damage.isEmpty()
                ? u"载入学生姓名数据失败！"_s
                : u"载入学生姓名数据失败！\r\n\r\n"_s + DbConnection::damagedMessage(m_ws.studentDb.path(), damage));
    } else {
        const QSignalBlocker blocker(学生姓名列表框);
        学生姓名列表框->clear();
        const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
        for (const auto& pupil : list->names) {
            auto* item = new QListWidgetItem(icon, pupil.姓名, 学生姓名列表框);
            item->setData(PupilNumberRole, pupil.学号);
            m_status[2]->setText(u"   数据载入中请稍侯....  "_s + QString::number(学生姓名列表框->count()));
        }
        m_male = list->male;
        m_female = list->female;
    }
    m_status[2]->setText(u"    当前状态：录入修改学生资料"_s);
    updateCounts();
    QApplication::restoreOverrideCursor();
}

void StudentEditorWindow::updateCounts()
{
    学生统计标签->setText(
        StudentRecords::editorCountsLine(学生班级组合框->currentText(), 学生姓名列表框->count(), m_male, m_female));
}

void StudentEditorWindow::loadSelectedPupil()
{
    const QString klass = 学生班级组合框->currentText();
    QListWidgetItem* item = 学生姓名列表框->currentItem();
    if (学生姓名列表框->count() == 0 || !item) {
        const QString text = u"目前"_s + klass + u"没有学生资料！请选择其他班级修改资料！"_s;
        窗口标题标签->setText(text);
        emptyFields();
        m_typed = typedState();
        m_ws.services.prompt.show(text);
        return;
    }
    const auto pupil
        = StudentRecords(m_ws.studentDb).record(StudentViewKind::Enrolled, item->data(PupilNumberRole).toLongLong());
    if (!pupil) {
        // The fields must not keep the previous pupil's record under this pupil's name.
        m_loadedNumber.reset();
        m_loaded.reset();
        emptyFields();
        m_typed = typedState();
        m_ws.services.prompt.show(u"载入学生资料数据失败！"_s);
        return;
    }
    m_loadedNumber = pupil->学号;
    m_loaded = *pupil;
    const QSignalBlocker numberBlocker(学号编辑框);
    const QSignalBlocker commentBlocker(本学期评语编辑框);
    学号编辑框->setText(QString::number(pupil->学号));
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const auto list
            = controls[i] == 班内职务组合框 ? FieldControls::List::FreeText : FieldControls::List::ChooseEntry;
        FieldControls::show(controls[i], pupil.value().*StudentFields[i].member, list);
    }
    setPhoto(pupil->照片);
    m_termLimit->load(LineBreaks::forDisplay(pupil->本学期评语));
    综合评价编辑框->setPlainText(LineBreaks::forDisplay(pupil->综合评语));
    m_loadedSex = pupil->性别;
    窗口标题标签->setText(u"您现在修改的是"_s + klass + pupil->姓名 + u"同学的资料"_s);
    m_typed = typedState();
}

void StudentEditorWindow::classChanged()
{
    const QString klass = 学生班级组合框->currentText();
    学生姓名列表框->setFocus();
    loadNames();
    if (m_mode == Mode::Modify) {
        {
            const QSignalBlocker blocker(学生姓名列表框);
            学生姓名列表框->setCurrentRow(学生姓名列表框->count() > 0 ? 0 : -1);
        }
        loadSelectedPupil();
    } else {
        窗口标题标签->setText(u"您现在要添加的是"_s + klass + u"的学生资料"_s);
        姓名编辑框->setFocus();
    }
    所在班级->setText(klass);
}

void StudentEditorWindow::emptyFields()
{
    for (QWidget* control : fieldControls())
        FieldControls::clear(control);
    if (m_mode == Mode::Modify) {
        const QSignalBlocker blocker(学号编辑框);
        学号编辑框->clear();
    }
    const QSignalBlocker commentBlocker(本学期评语编辑框);
    m_termLimit->load({});
    综合评价编辑框->clear();
    setPhoto({});
}

void StudentEditorWindow::clearAfterAdd()
{
    // 性别, 民族, 班内职务, the dates and the relations stay for the next pupil of the class.
    emptyFields();
}

std::array<QWidget*, StudentFields.size()> StudentEditorWindow::fieldControls() const
{
    return {姓名编辑框, 性别组合框, 民族组合框, 出生日期框, 入学日期框, 所在班级, 班内职务组合框, 住址编辑框,
        住宅电话编辑框, 户籍编辑框, 籍贯编辑框, 家长组合框1, 父亲编辑框, 父亲单位编辑框, 父电话编辑框, 家长组合框2,
        母亲编辑框, 母亲单位编辑框, 母电话编辑框};
}

void StudentEditorWindow::numberEdited(const QString& text)
{
    if (StudentRecords::numberStartsWithZero(text))
        m_ws.services.prompt.show(u"学号的第一位数字不能为 0 ！  "_s);
}

bool StudentEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == 学号编辑框 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Minus)
        return true;
    return QDialog::eventFilter(watched, event);
}

void StudentEditorWindow::done(int result)
{
    closeAfterSaves();
    QDialog::done(result);
}

void StudentEditorWindow::closeEvent(QCloseEvent* event)
{
    // The close box goes through reject(), which may keep the window open.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        closeAfterSaves();
}

void StudentEditorWindow::reject()
{
    // Esc, 退出 and the close box: what was typed is not dropped without asking.
    if (typedState() != m_typed && !UnsavedInput::mayClose(m_ws.services.prompt, [this] { return save(); }))
        return;
    QDialog::reject();
}

QStringList StudentEditorWindow::typedState() const
{
    QStringList state {学号编辑框->text()};
    const auto controls = fieldControls();
    for (QWidget* control : controls) {
        // The class is chosen, not typed.
        if (control != 所在班级)
            state.append(FieldControls::read(control));
    }
    state << 本学期评语编辑框->toPlainText() << 综合评价编辑框->toPlainText()
          << QString::fromLatin1(m_photo.toBase64());
    return state;
}

void StudentEditorWindow::closeAfterSaves()
{
    if (m_closed)
        return;
    m_closed = true;
    // A list the editor has changed must not stay on screen looking current.
    const QString klass = 学生班级组合框->currentText();
    const Page page = m_ws.shell.currentPage();
    const auto shows = [&](Page p, const std::function<QString()>& classOnShow) {
        return page == p && classOnShow && classOnShow() == klass;
    };
    if (m_saved
        && (shows(Page::StudentView, m_pages.studentViewClass) || shows(Page::EnrolledRoster, m_pages.rosterClass)))
        m_ws.shell.showHomePage();
}
