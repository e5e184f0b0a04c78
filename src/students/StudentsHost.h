#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class DbConnection;
class HeadTeacherList;
class QMenu;
struct PlatformServices;

// The enrolled pupil a window is looking at: the student view's record or the roster's row.
struct StudentPick
{
    QString className;
    qint64 学号 = 0;
    QString 姓名;
};

// What the student view and the student editor need from the main window that owns them.
class StudentsHost
{
public:
    virtual ~StudentsHost() = default;

    virtual PlatformServices& services() = 0;
    // 外部数据库1
    virtual DbConnection& studentDb() = 0;
    // 学校名称标签
    virtual QString schoolName() const = 0;
    // Status panel 1: the administrator's name.
    virtual QString adminName() const = 0;

    // The one view-kind text of the main window, shared with the teacher views.
    virtual QString currentViewKind() const = 0;
    virtual void setCurrentViewKind(const QString& kind) = 0;

    // Status panels 2 and 3.
    virtual void setStatusState(const QString& text) = 0;
    virtual void setStatusHint(const QString& text) = 0;

    // The hidden 班主任组合框.
    virtual HeadTeacherList& headTeacherList() = 0;

    // The tab page on show (0 home, 1 student view, 3 enrolled roster ...).
    virtual int currentPage() const = 0;
    // Enables the page commands and switches to page 1.
    virtual void showStudentPage() = 0;
    virtual void showHomePage() = 0;
    // The class the student view and the enrolled roster show (empty when none).
    virtual QString studentViewClass() const = 0;
    virtual QString rosterClass() const = 0;
    // The pupil the editor opens on in modify mode: the one the student view shows (enrolled
    // view) or the enrolled roster's row; nothing otherwise.
    virtual std::optional<StudentPick> pickedPupil() const = 0;

    // 班务管理 of the main menu, popped up over the names list of enrolled pupils; may be null.
    virtual QMenu* studentAffairsMenu() = 0;
    // Runs a main-window command by its menu text (删除学生, 离校学生复学, 校务设置 ...),
    // rights check included.
    virtual void runCommand(const QString& command) = 0;

    // 进度条1 while a names list loads: shown at 0, one step per pupil (back to 0 at its end), hidden.
    virtual void startProgress() = 0;
    virtual void advanceProgress() = 0;
    virtual void endProgress() = 0;

    virtual void openPhotoZoom(const QByteArray& photo) = 0;
    virtual void openLeaveNote(const QString& text) = 0;
};
