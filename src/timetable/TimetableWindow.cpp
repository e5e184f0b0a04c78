#include "timetable/TimetableWindow.h"

#include "classes/ClassSelector.h"
#include "exchange/TableExport.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "printing/SheetOutput.h"
#include "records/Controls.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetTable.h"
#include "timetable/TimetableSheet.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/PageTable.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;
using Controls::named;

namespace {

constexpr int ClientHeight = 360;
constexpr int ClientWidth = 700;
constexpr int CellWidth = 85;
constexpr int CellHeight = 24;
constexpr int LunchGap = 10;

QRect cellGeometry(const TimetableSlot& slot)
{
    const int top = 23 * slot.period() + 41 + (slot.period() > 4 ? LunchGap : 0);
    return {84 * slot.day() + 33, top, CellWidth, CellHeight};
}

// The wait cursor for the length of a load; it is back to normal before any message shows.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { release(); }
    void release()
    {
        if (active)
            QApplication::restoreOverrideCursor();
        active = false;
    }
    bool active = true;
};

const QString EditingFirst = u"请先退出编辑状态！"_s;

} // namespace

TimetableWindow::TimetableWindow(Workspace& ws, QWidget* parent, const QByteArray& templateBytes)
    : QDialog(parent)
    , m_ws(ws)
    , m_store(ws.studentDb)
    , m_templateBytes(templateBytes)
{
    setObjectName(u"TimetableWindow"_s);
    setWindowTitle(u"编辑课程安排表"_s);
    课程源 = named(new SheetTable(this), u"课程源"_s);
    打印源 = named(new SheetTable(this), u"打印源"_s);
    m_scratch = new SheetTable(this);
    buildControls();
    buildBoard();
    setFixedSize(ClientWidth, ClientHeight);

    // The way the main window's reports go out, so 打印 without a printer asks for a PDF file the same way.
    sendToPrinter = [this](SheetGrid& grid, PrintMode mode) {
        SheetOutput(m_ws, u"打印课程表"_s)
            .send(grid, mode == PrintMode::Preview ? SheetOutput::Mode::Preview : SheetOutput::Mode::Print);
    };
}

TimetableWindow::~TimetableWindow() = default;

void TimetableWindow::open(Workspace& ws)
{
    TimetableWindow window(ws, ws.shell.ownerWindow(), TimetableSheet::templateBytes());
    if (window.start())
        window.exec();
}

void TimetableWindow::buildControls()
{
    选班标签 = named(new QLabel(u"请选择班级："_s, this), u"选班标签"_s);
    选班标签->setGeometry(552, 60, 140, 20);
    课程表班级组合框 = named(new QComboBox(this), u"课程表班级组合框"_s);
    课程表班级组合框->setGeometry(552, 82, 140, 26);

    const auto button = [this](const QString& name, const QString& text, const QString& icon, int top) {
        auto* b = named(new QPushButton(QIcon(icon), text, this), name);
        b->setAutoDefault(false);
        b->setGeometry(552, top, 140, 32);
        b->installEventFilter(this);
        return b;
    };
    打印预览钮 = button(u"打印预览钮"_s, u"打印预览"_s, u":/icons/print_preview.png"_s, 118);
    打印钮 = button(u"打印钮"_s, u"打    印"_s, u":/icons/print.png"_s, 156);
    导出钮 = button(u"导出钮"_s, u"导    出"_s, u":/icons/export.png"_s, 194);
    退出钮 = button(u"退出钮"_s, u"退    出"_s, u":/icons/home.png"_s, 232);

    课程表标题标签 = named(new QLabel(this), u"课程表标题标签"_s);
    课程表标题标签->setGeometry(117, 8, 5 * 84 + 1, 28);
    课程表标题标签->setAlignment(Qt::AlignCenter);
    QFont titleFont = 课程表标题标签->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    课程表标题标签->setFont(titleFont);

    班主任标签 = named(new QLabel(this), u"班主任标签"_s);
    班主任标签->setGeometry(6, 42, 110, 20);

    const QStringList days {u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s};
    for (int d = 1; d <= TimetableSlot::Days; ++d) {
        QLabel* l = named(new QLabel(days[d - 1], this), u"星期标签"_s + QString::number(d));
        l->setGeometry(84 * d + 33, 42, CellWidth, 20);
        l->setAlignment(Qt::AlignCenter);
        星期标签[d - 1] = l;
    }
    const QStringList periods {u"第一节课"_s, u"第二节课"_s, u"第三节课"_s, u"第四节课"_s, u"第五节课"_s, u"第六节课"_s,
        u"第七节课"_s, u"第八节课"_s};
    // The old form named the eighth label after the seventh; tests and habits know it so.
    const QStringList names {u"第一节课标签"_s, u"第二节课标签"_s, u"第三节课标签"_s, u"第四节课标签"_s,
        u"第五节课标签"_s, u"第六节课标签"_s, u"第七节课标签"_s, u"第七节课标签1"_s};
    for (int p = 1; p <= TimetableSlot::Periods; ++p) {
        QLabel* l = named(new QLabel(periods[p - 1], this), names[p - 1]);
        const QRect cell = cellGeometry(*TimetableSlot::of(1, p));
        l->setGeometry(44, cell.top(), 70, CellHeight);
        l->setAlignment(Qt::AlignCenter);
        节次标签[p - 1] = l;
    }
    const QRect first = cellGeometry(*TimetableSlot::of(1, 1));
    const QRect fourth = cellGeometry(*TimetableSlot::of(1, 4));
    const QRect fifth = cellGeometry(*TimetableSlot::of(1, 5));
    const QRect eighth = cellGeometry(*TimetableSlot::of(1, 8));
    上午标签 = named(new QLabel(u"上   午"_s, this), u"上午标签"_s);
    上午标签->setGeometry(6, first.top(), 36, fourth.bottom() - first.top());
    上午标签->setAlignment(Qt::AlignCenter);
    上午标签->setWordWrap(true);
    下午标签 = named(new QLabel(u"下   午"_s, this), u"下午标签"_s);
    下午标签->setGeometry(6, fifth.top(), 36, eighth.bottom() - fifth.top());
    下午标签->setAlignment(Qt::AlignCenter);
    下午标签->setWordWrap(true);

    const QStringList help {
        u"1．用鼠标操作：双击要编辑的科目进入编辑状态，编辑完成后双击退出编辑状态。"_s,
        u"2．用键盘操作：按键盘上的方向键选择要编辑的科目按回车进入编辑状态，编辑完成后按回车键退出编辑状态。"_s,
        u"在编辑状态下按键盘上的上、下方向键可选择科目。"_s,
    };
    int top = 280;
    for (const QString& text : help) {
        auto* l = new QLabel(text, this);
        l->setGeometry(10, top, ClientWidth - 20, 22);
        l->setWordWrap(true);
        top += 24;
    }

    科目组合框 = named(new QComboBox(this), u"科目组合框"_s);
    科目组合框->setEditable(true);
    科目组合框->setInsertPolicy(QComboBox::NoInsert);
    科目组合框->setCompleter(nullptr);
    // What 星期DP holds; a longer subject could never be stored.
    科目组合框->lineEdit()->setMaxLength(TimetableStore::SubjectLength);
    科目组合框->setFixedSize(CellWidth - 4, CellHeight - 4);
    科目组合框->hide();
    科目组合框->installEventFilter(this);
    科目组合框->lineEdit()->installEventFilter(this);

    编辑框1 = named(new QLineEdit(this), u"编辑框1"_s);
    编辑框1->setGeometry(-200, -200, 20, 20);
    编辑框1->installEventFilter(this);

    课程打印表格 = named(new SheetGrid(this), u"课程打印表格"_s);
    课程打印表格->setGeometry(552, 250, 140, 20);
    课程打印表格->hide();
    课程打印表格->attach(打印源);

    connect(课程表班级组合框, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            loadClass();
    });
    connect(科目组合框, &QComboBox::editTextChanged, this, [this] { m_changed = true; });
    connect(科目组合框, &QComboBox::currentIndexChanged, this, [this] { m_changed = true; });
    connect(打印预览钮, &QPushButton::clicked, this, [this] { printTimetable(PrintMode::Preview); });
    connect(打印钮, &QPushButton::clicked, this, [this] { printTimetable(PrintMode::Print); });
    connect(导出钮, &QPushButton::clicked, this, &TimetableWindow::exportTimetable);
    connect(退出钮, &QPushButton::clicked, this, &QDialog::reject);
}

void TimetableWindow::buildBoard()
{
    for (int i = 0; i < TimetableSlot::Count; ++i) {
        const TimetableSlot slot = TimetableSlot::at(i);
        auto* frame = new QFrame(this);
        frame->setFrameShape(QFrame::Box);
        frame->setGeometry(cellGeometry(slot));
        frame->setAutoFillBackground(true);
        auto* label = new QLabel(frame);
        label->setGeometry(3, 3, 79, 18);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        if (i == 0) {
            初始外形框 = named(frame, u"初始外形框"_s);
            初始标签 = named(label, u"初始标签"_s);
        }
        frame->installEventFilter(this);
        label->installEventFilter(this);
        m_cellOf.insert(frame, i);
        m_cellOf.insert(label, i);
        m_frames[i] = frame;
        m_labels[i] = label;
        markCell(slot, i == 0);
    }
    科目组合框->raise();
}

QFrame* TimetableWindow::cellFrame(int day, int period) const
{
    const auto slot = TimetableSlot::of(day, period);
    return slot ? m_frames[slot->index()] : nullptr;
}

QLabel* TimetableWindow::cellLabel(int day, int period) const
{
    const auto slot = TimetableSlot::of(day, period);
    return slot ? m_labels[slot->index()] : nullptr;
}

bool TimetableWindow::start()
{
    HeadTeacherList headTeachers;
    {
        const QSignalBlocker quiet(课程表班级组合框);
        if (!ClassSelector::load(*课程表班级组合框, headTeachers, m_ws.studentDb)) {
            m_ws.services.prompt.show(u"目前没有班级数据，请先进行校务设置！"_s, u"提示"_s);
            m_ws.shell.runCommand(u"校务设置");
            return false;
        }
    }
    if (!课程源->load(m_templateBytes) || !m_scratch->load(m_templateBytes)) {
        m_ws.services.prompt.show(u"  打开模板文件失败！  "_s, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    loadClass();
    return true;
}

void TimetableWindow::loadClass()
{
    WaitCursor wait;
    const QString name = 课程表班级组合框->currentText();
    const std::optional<ClassTimetable> timetable = m_store.read(name);
    {
        const QSignalBlocker quiet(科目组合框);
        科目组合框->clear();
        if (timetable)
            科目组合框->addItems(timetable->subjects);
    }
    const QString title = TimetableSheet::title(m_ws.state.schoolName(), name);
    课程表标题标签->setText(title);
    if (timetable)
        TimetableSheet::fill(*课程源, title, *timetable);
    else
        // Another class's subjects under this title would be edited and printed as this class's.
        TimetableSheet::clear(*课程源, title);
    showTimetable(timetable ? &*timetable : nullptr);
    dropEdit();
    moveTo(*TimetableSlot::of(1, 1));
    编辑框1->setFocus();
    wait.release();
    if (!timetable) {
        m_ws.services.prompt.show(u"载入课程科目数据失败！"_s);
        m_ws.services.prompt.show(u"载入课程表数据失败！"_s);
    }
}

void TimetableWindow::showTimetable(const ClassTimetable* timetable)
{
    for (int i = 0; i < TimetableSlot::Count; ++i)
        m_labels[i]->setText(timetable ? timetable->cells.value(i) : QString());
    班主任标签->setText(u"班主任："_s + (timetable ? timetable->headTeacher : QString()));
}

void TimetableWindow::markCell(const TimetableSlot& slot, bool current)
{
    const QColor background = current ? QColor(0xEC, 0xEC, 0xEC) : QColor(Qt::white);
    QFrame* frame = m_frames[slot.index()];
    QLabel* label = m_labels[slot.index()];
    for (QWidget* w : {static_cast<QWidget*>(frame), static_cast<QWidget*>(label)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, background);
        w->setPalette(p);
    }
    frame->setLineWidth(current ? 2 : 1);
}

void TimetableWindow::moveTo(const TimetableSlot& slot)
{
    markCell(m_current, false);
    m_current = slot;
    markCell(m_current, true);
}

void TimetableWindow::moveBy(int days, int periods)
{
    if (const auto next = TimetableSlot::of(m_current.day() + days, m_current.period() + periods))
        moveTo(*next);
}

void TimetableWindow::enterEdit()
{
    const QRect frame = m_frames[m_current.index()]->geometry();
    {
        const QSignalBlocker quiet(科目组合框);
        科目组合框->setEditText(m_labels[m_current.index()]->text());
    }
    科目组合框->move(frame.left() + 2, frame.top() + 2);
    科目组合框->show();
    科目组合框->raise();
    科目组合框->setFocus();
    科目组合框->lineEdit()->selectAll();
    m_editing = true;
}

void TimetableWindow::leaveEdit()
{
    const QString subject = 科目组合框->currentText();
    QLabel* label = m_labels[m_current.index()];
    const QString className = 课程表班级组合框->currentText();
    // The flag stays set after an edit ends, so every later edit is stored.
    if (m_changed) {
        if (m_store.store(className, m_current, subject)) {
            label->setText(subject);
            课程源->setText(m_current.sheetRow(), m_current.sheetColumn(), subject);
        } else {
            // The board shows what is stored, not what was refused.
            label->setText(课程源->text(m_current.sheetRow(), m_current.sheetColumn()));
            dropEdit();
            编辑框1->setFocus();
            m_ws.services.prompt.show(u"保存课程表数据失败！"_s, u"错误"_s, Prompt::Icon::Error);
            return;
        }
    } else {
        label->setText(subject);
    }
    dropEdit();
    编辑框1->setFocus();
}

void TimetableWindow::dropEdit()
{
    科目组合框->hide();
    m_editing = false;
}

bool TimetableWindow::refuseWhileEditing()
{
    if (!m_editing)
        return false;
    m_ws.services.prompt.show(EditingFirst, u"提示"_s);
    科目组合框->setFocus();
    return true;
}

void TimetableWindow::done(int result)
{
    if (refuseWhileEditing())
        return;
    QDialog::done(result);
}

void TimetableWindow::printTimetable(PrintMode mode)
{
    if (refuseWhileEditing())
        return;
    const Prompt::Answer answer = m_ws.services.prompt.show(
        u"您是否要打印或预览所有班级的课程表？\r\n\r\n按“是”将打印或预览所有班级的课程表\r\n按“否”将只打印或预览当前班级的课程表    \r\n按“取消”将取消本次操作"_s,
        u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::YesNoCancel);
    if (answer == Prompt::Answer::Cancel)
        return;

    WaitCursor wait;
    const bool all = answer == Prompt::Answer::Yes;
    QStringList failed;
    if (all) {
        // Each class is read once into a sheet of its own: the board, its class and 课程源 stay as
        // they are whatever happens next.
        QStringList classes;
        for (int i = 0; i < 课程表班级组合框->count(); ++i)
            classes.append(课程表班级组合框->itemText(i));
        failed = TimetableSheet::composeAll(*打印源, *m_scratch, m_store, m_ws.state.schoolName(), classes);
    } else {
        TimetableSheet::beginPrint(*打印源, *课程源);
        TimetableSheet::appendClass(*打印源, *课程源, false);
        TimetableSheet::finishPrint(*打印源, *课程源, false);
    }
    打印源->commit();
    wait.release();
    if (!failed.isEmpty())
        m_ws.services.prompt.show(
            u"以下班级的课程表载入失败，没有打印：\r\n"_s + failed.join(u"、"_s), u"提示"_s, Prompt::Icon::Warning);
    if (打印源->rowCount() > 0)
        sendToPrinter(*课程打印表格, mode);
    编辑框1->setFocus();
}

void TimetableWindow::exportTimetable()
{
    if (refuseWhileEditing())
        return;
    TableExport::run(m_ws.services, TimetableSheet::pageTable(*课程源));
    编辑框1->setFocus();
}

bool TimetableWindow::boardKey(QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Up:
        moveBy(0, -1);
        return true;
    case Qt::Key_Down:
        moveBy(0, 1);
        return true;
    case Qt::Key_Left:
        moveBy(-1, 0);
        return true;
    case Qt::Key_Right:
        moveBy(1, 0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterEdit();
        return true;
    default:
        return false;
    }
}

bool TimetableWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (watched == 科目组合框 || watched == 科目组合框->lineEdit()) {
            if (enter && m_editing) {
                leaveEdit();
                return true;
            }
            return false;
        }
        if (!m_editing
            && (watched == 编辑框1 || watched == 打印预览钮 || watched == 打印钮 || watched == 导出钮
                || watched == 退出钮))
            return boardKey(key);
        return false;
    }
    if (type == QEvent::MouseButtonDblClick && watched == 科目组合框->lineEdit() && m_editing) {
        leaveEdit();
        return true;
    }
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) && !m_editing) {
        const auto cell = m_cellOf.constFind(watched);
        if (cell != m_cellOf.cend()) {
            moveTo(TimetableSlot::at(*cell));
            if (type == QEvent::MouseButtonDblClick)
                enterEdit();
            else
                编辑框1->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
