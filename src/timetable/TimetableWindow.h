#pragma once

#include "timetable/TimetableSlot.h"
#include "timetable/TimetableStore.h"

#include <QByteArray>
#include <QDialog>
#include <QHash>

#include <array>
#include <functional>

struct Workspace;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SheetGrid;
class SheetTable;

// 编辑课程安排表: the week of one class as a 5 × 8 board. A cell's subject is picked from the class's
// ten subjects (or typed), stored at once, and the timetable of the class or of every class is
// previewed, printed or exported.
class TimetableWindow : public QDialog
{
    Q_OBJECT

public:
    enum class PrintMode { Preview, Print };

    // templateBytes: the timetable sheet the window prints (the compiled-in one unless a test
    // gives its own).
    TimetableWindow(Workspace& ws, QWidget* parent, const QByteArray& templateBytes);
    ~TimetableWindow() override;

    // 编辑课程表: modal over the main window.
    static void open(Workspace& ws);

    // Loads the classes, the template and the first class. False when the window is not to be
    // shown: no class (school settings run instead) or an unreadable template; the user was told.
    bool start();

    // Hands the print sheet to the preview or the printer; tests put their own here.
    std::function<void(SheetGrid& grid, PrintMode mode)> sendToPrinter;

    QFrame* cellFrame(int day, int period) const;
    QLabel* cellLabel(int day, int period) const;
    int currentDay() const { return m_current.day(); }
    int currentPeriod() const { return m_current.period(); }
    bool isEditing() const { return m_editing; }

    void done(int result) override;

    QLabel* 选班标签;
    QComboBox* 课程表班级组合框;
    QPushButton* 打印预览钮;
    QPushButton* 打印钮;
    QPushButton* 导出钮;
    QPushButton* 退出钮;
    QLabel* 课程表标题标签;
    QLabel* 班主任标签;
    std::array<QLabel*, TimetableSlot::Days> 星期标签 {};
    std::array<QLabel*, TimetableSlot::Periods> 节次标签 {}; // 第一节课标签 .. 第七节课标签, 第七节课标签1
    QLabel* 上午标签;
    QLabel* 下午标签;
    QFrame* 初始外形框;
    QLabel* 初始标签;
    QComboBox* 科目组合框;
    QLineEdit* 编辑框1;
    SheetTable* 课程源;
    SheetTable* 打印源;
    SheetGrid* 课程打印表格;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildBoard();
    void loadClass();
    void showTimetable(const ClassTimetable* timetable);
    void markCell(const TimetableSlot& slot, bool current);
    void moveTo(const TimetableSlot& slot);
    void moveBy(int days, int periods);
    void enterEdit();
    void leaveEdit();
    void dropEdit();
    bool refuseWhileEditing();
    void printTimetable(PrintMode mode);
    void exportTimetable();
    bool boardKey(QKeyEvent* key);

    Workspace& m_ws;
    TimetableStore m_store;
    QByteArray m_templateBytes;
    SheetTable* m_scratch; // the template again, for stacking every class without touching the board
    std::array<QFrame*, TimetableSlot::Count> m_frames {};
    std::array<QLabel*, TimetableSlot::Count> m_labels {};
    QHash<QObject*, int> m_cellOf; // frame or label → slot index
    TimetableSlot m_current = *TimetableSlot::of(1, 1);
    bool m_editing = false;
    bool m_changed = false;
};
