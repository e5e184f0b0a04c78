#pragma once

#include "students/StudentFields.h"
#include "students/StudentPick.h"
#include "students/StudentViewKind.h"

#include <QWidget>

#include <functional>
#include <optional>

struct Workspace;
class PhotoBox;
class QComboBox;
class QFrame;
class QLabel;
class NameFlowView;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// Page 1 of the main window: the names of one class, graduation date or the leavers, and the
// record card of the selected pupil. Read-only; every display is rebuilt from the database.
class StudentViewPage : public QWidget
{
    Q_OBJECT

public:
    explicit StudentViewPage(Workspace& ws, QWidget* parent = nullptr);

    // The bodies of 查看学生资料, 毕业学生资料 and 转退学生资料, after the rights check.
    void showEnrolled();
    void showGraduates();
    void showLeavers();

    // The record-navigation toolbar while page 1 is shown.
    void firstRecord();
    void previousRecord();
    void nextRecord();
    void lastRecord();

    // The rosters open the page on a pupil by number: an enrolled one in its class, a graduate of
    // its graduation date or a leaver.
    void openOnEnrolled(const QString& className, qint64 number);
    void openOnArchived(StudentViewKind kind, qint64 number, const QString& graduationDate = {});

    // The photo zoom and the leave note; Features opens their windows, tests record the calls.
    std::function<void(const QByteArray& photo)> zoomPhoto;
    std::function<void(const QString& note)> showLeaveNote;

    // Fills 查看班级名组合框 and the shared head-teacher list; false when there is no class.
    bool loadClassSelector();
    void loadSubjectCaptions();
    void setGenericCaptions();
    void loadNames();
    void showSelected();
    void clearRecord();

    // The enrolled pupil on show, for the editor; nothing in the archive views or when empty.
    std::optional<StudentPick> currentPick() const;
    // The kind of pupils the names list holds, whatever view kind another page set since.
    StudentViewKind listedKind() const { return m_listedKind; }
    // The selected pupil of any kind (the class of an archived pupil from the card).
    std::optional<StudentPick> selectedPupil() const;
    // After the pupil left the list's table: the first name is selected and shown, or none.
    void removeSelectedPupil();
    // The class on show in the enrolled view (the selector's text).
    QString selectorText() const;
    // 评语与简历 and 首页底色标签 of the old main window: the term comment and the leave note.
    QString termComment() const { return m_termComment; }
    QString leaveNote() const { return m_leaveNote; }
    QByteArray photo() const;

    QFrame* 查看页外形框;
    QLabel* 查看页标题标签;
    QLabel* 班主任标签;
    QLabel* 班主任;
    QComboBox* 查看班级名组合框;
    NameFlowView* 查看学生列表框;
    QLabel* 查看学生统计标签;
    QLabel* 学生学号;
    QLabel* 学生姓名;
    QLabel* 学生性别;
    QLabel* 学生民族;
    QLabel* 学生出生日期;
    QLabel* 学生入学日期;
    QLabel* 学生所在班级;
    QLabel* 学生班内职务;
    QLabel* 学生家庭住址;
    QLabel* 学生住宅电话;
    QLabel* 学生籍贯;
    QLabel* 学生户籍;
    QLabel* 家长1标签;
    QLabel* 父亲姓名;
    QLabel* 父亲单位;
    QLabel* 父亲电话;
    QLabel* 家长2标签;
    QLabel* 母亲姓名;
    QLabel* 母亲单位;
    QLabel* 母亲电话;
    PhotoBox* 学生照片框;
    QLabel* 考试成绩表标签;
    QLabel* 科目标签[11];
    QLabel* 期中标签[11];
    QLabel* 期末标签[11];
    QPlainTextEdit* 综合评价编辑框;
    QPushButton* 变动标签;
    QMenu* 离校学生菜单;

private:
    void buildControls();
    QWidget* buildCard();
    QWidget* buildMarks();
    StudentViewKind kind() const;
    void selectorChanged(int index);
    void selectRow(int row);
    void popUpMenu(const QPoint& at);
    void enterPage(const QString& hint);
    std::array<QLabel*, StudentFields.size()> fieldLabels() const;

    Workspace& m_ws;
    StudentViewKind m_listedKind = StudentViewKind::Enrolled;
    QString m_termComment;
    QString m_leaveNote;
    QString m_damage; // what the quick check found after the list could not be read
    int m_male = 0;
    int m_female = 0;
};
