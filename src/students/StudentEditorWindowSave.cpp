// Saving in the student editor: the record from the controls, a new pupil with its number, and the
// changes to the pupil on show.
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

StudentRecord StudentEditorWindow::fromControls() const
{
    StudentRecord r;
    r.学号 = 学号编辑框->text().trimmed().toLongLong();
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i)
        r.*StudentFields[i].member = FieldControls::read(controls[i]);
    r.照片 = m_photo;
    r.本学期评语 = LineBreaks::forStorage(本学期评语编辑框->toPlainText());
    r.综合评语 = LineBreaks::forStorage(综合评价编辑框->toPlainText());
    return r;
}

bool StudentEditorWindow::save()
{
    return m_mode == Mode::Add ? saveNew() : saveChanges();
}

bool StudentEditorWindow::saveNew()
{
    Prompt& prompt = m_ws.services.prompt;
    if (GbText::isBlank(学号编辑框->text())) {
        prompt.show(u"    请输入学生的学号！    "_s, u"提示"_s);
        学号编辑框->setFocus();
        return false;
    }
    if (GbText::isBlank(姓名编辑框->text())) {
        prompt.show(u"    请输入学生的姓名！    "_s, u"提示"_s);
        姓名编辑框->setFocus();
        return false;
    }
    bool isNumber = false;
    学号编辑框->text().trimmed().toLongLong(&isNumber);
    StudentRecord pupil = fromControls();
    StudentRecords records(m_ws.studentDb);
    if (!isNumber) {
        prompt.show(u"保存数据失败！"_s);
        return false;
    }
    if (!records.insert(pupil)) {
        // The offered number may have been given out meanwhile (another window, another copy on
        // the same data): the next free one is taken, as the number box cannot be edited.
        const auto next = 学号编辑框->isReadOnly() ? records.nextNumber() : std::nullopt;
        const qint64 offered = pupil.学号;
        if (next && !next->typedFreely && next->number != offered) {
            pupil.学号 = next->number;
            const QSignalBlocker blocker(学号编辑框);
            学号编辑框->setText(QString::number(pupil.学号));
        }
        if (pupil.学号 == offered || !records.insert(pupil)) {
            const QString why = records.lastError();
            prompt.show(why.contains(u"locked"_s) || why.contains(u"busy"_s)
                    ? u"保存数据失败！数据文件正被另一个程序使用，请稍后再按[保存数据]。"_s
                    : u"保存数据失败！\r\n\r\n"_s + why);
            return false;
        }
        prompt.show(u"学号 %1 已被使用，该学生已按学号 %2 保存。"_s.arg(offered).arg(pupil.学号), u"提示"_s);
    }
    {
        const QSignalBlocker blocker(学号编辑框);
        学号编辑框->setText(QString::number(pupil.学号 + 1));
    }
    setNumberLocked(true);
    auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileIcon), pupil.姓名, 学生姓名列表框);
    item->setData(PupilNumberRole, pupil.学号);
    {
        const QSignalBlocker blocker(学生姓名列表框);
        学生姓名列表框->setCurrentItem(item);
    }
    学生姓名列表框->scrollToItem(item);
    clearAfterAdd();
    if (SexCount::isMale(pupil.性别))
        ++m_male;
    else
        ++m_female;
    updateCounts();
    姓名编辑框->setFocus();
    m_saved = true;
    m_typed = typedState();
    return true;
}

bool StudentEditorWindow::saveChanges()
{
    Prompt& prompt = m_ws.services.prompt;
    QListWidgetItem* item = 学生姓名列表框->currentItem();
    if (学生姓名列表框->count() == 0 || !item) {
        prompt.show(u"目前"_s + 学生班级组合框->currentText() + u"没有学生资料！请选择其他班级修改资料！"_s);
        emptyFields();
        return false;
    }
    if (GbText::isBlank(姓名编辑框->text())) {
        prompt.show(u"    请输入学生的姓名！    "_s, u"提示"_s);
        姓名编辑框->setFocus();
        return false;
    }
    if (!m_loadedNumber || *m_loadedNumber != item->data(PupilNumberRole).toLongLong()) {
        prompt.show(u"载入学生资料数据失败！"_s);
        return false;
    }
    StudentRecord pupil = fromControls();
    pupil.学号 = *m_loadedNumber;
    StudentRecords records(m_ws.studentDb);
    if (!(m_loaded ? records.update(pupil, *m_loaded) : records.update(pupil))) {
        prompt.show(records.conflicted() ? StudentRecords::conflictMessage() : u"保存数据失败！"_s);
        return false;
    }
    m_loaded = records.record(StudentViewKind::Enrolled, pupil.学号);
    item->setText(pupil.姓名);
    姓名编辑框->setFocus();
    const bool wasMale = SexCount::isMale(m_loadedSex);
    if (SexCount::isMale(pupil.性别) != wasMale) {
        m_male += wasMale ? -1 : 1;
        m_female += wasMale ? 1 : -1;
    }
    m_loadedSex = pupil.性别;
    updateCounts();
    m_saved = true;
    m_typed = typedState();
    prompt.show(u"修改数据已保存！"_s);
    return true;
}
