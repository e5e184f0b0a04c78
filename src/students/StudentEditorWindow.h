#pragma once

#include <optional>

#include "students/StudentFields.h"
#include "students/StudentPages.h"
#include "students/StudentRecord.h"

#include <QDialog>

struct Workspace;

class QComboBox;
class DateBox;
class GrowthLineLimit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class FocusChain;
class NumberBoxValidator;

// Enters new pupils into a class (add mode, modal) and corrects enrolled pupils (modify mode,
// modeless). Writes only 学籍表 and the student-number counter.
class StudentEditorWindow : public QDialog
{
    Q_OBJECT

public:
    // Esc, 退出 and the close box come here: unsaved typing is asked about first.
    void reject() override;
    void done(int result) override;
    enum class Mode { Add, Modify };

    StudentEditorWindow(Workspace& ws, StudentPages pages, Mode mode, QWidget* parent = nullptr);

    // The two commands' bodies after the rights check. Add runs modally and returns when the
    // editor is closed; modify shows the window and returns it (it deletes itself on close).
    static void openAdd(Workspace& ws, const StudentPages& pages);
    static StudentEditorWindow* openModify(Workspace& ws, const StudentPages& pages);

    // Loads the classes and fills the window for its mode. False (after the message, with the
    // school settings opened) when there is no class yet: the editor must not be shown.
    bool start();

    Mode mode() const { return m_mode; }
    bool savedOnce() const { return m_saved; }
    QString statusPanel(int panel) const;
    // The picture 学生照片 holds: empty for none.
    QByteArray photo() const { return m_photo; }

    QLabel* 窗口标题标签;
    QComboBox* 学生班级组合框;
    QLabel* 操作提示标签;
    QListWidget* 学生姓名列表框;
    QLineEdit* 学号编辑框;
    QLineEdit* 姓名编辑框;
    QComboBox* 性别组合框;
    QComboBox* 民族组合框;
    DateBox* 出生日期框;
    DateBox* 入学日期框;
    QLabel* 所在班级;
    QComboBox* 班内职务组合框;
    QLineEdit* 住址编辑框;
    QLineEdit* 住宅电话编辑框;
    QLineEdit* 籍贯编辑框;
    QLineEdit* 户籍编辑框;
    QComboBox* 家长组合框1;
    QLineEdit* 父亲编辑框;
    QLineEdit* 父亲单位编辑框;
    QLineEdit* 父电话编辑框;
    QComboBox* 家长组合框2;
    QLineEdit* 母亲编辑框;
    QLineEdit* 母亲单位编辑框;
    QLineEdit* 母电话编辑框;
    QLabel* 学生照片;
    QPushButton* 选择照片钮;
    QPushButton* 删除照片钮;
    QPushButton* 本学期评语钮;
    QPushButton* 综合评价钮;
    QPushButton* 清除评语钮;
    QLabel* 评语标题标签;
    QLabel* 输入提示标签;
    QPlainTextEdit* 本学期评语编辑框;
    QPlainTextEdit* 综合评价编辑框;
    QLabel* 学生统计标签;
    QPushButton* 保存数据钮;
    QPushButton* 退出钮;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pupil's number on each item of 学生姓名列表框.
    static constexpr int PupilNumberRole = Qt::UserRole;

    void buildControls();
    QWidget* buildForm();
    void linkFocusChain();
    void limitLengths();
    void connectControls();

    void loadNames();
    void loadSelectedPupil();
    void classChanged();
    void emptyFields();
    void clearAfterAdd();
    void setNumberLocked(bool locked);
    void updateCounts();

    // True when the pupil was written.
    bool save();
    bool saveNew();
    bool saveChanges();
    // Everything the user can type or choose; a change against m_typed is unsaved input.
    QStringList typedState() const;
    // The controls of the pupil's texts, in the order of StudentFields.
    std::array<QWidget*, StudentFields.size()> fieldControls() const;
    StudentRecord fromControls() const;

    void numberEdited(const QString& text);
    void showTermComment();
    void showOverallComment();
    void clearComment();
    void choosePhoto();
    void deletePhoto();
    void setPhoto(const QByteArray& bytes);
    void closeAfterSaves();

    Workspace& m_ws;
    StudentPages m_pages;
    Mode m_mode;
    FocusChain* m_focus = nullptr;
    GrowthLineLimit* m_termLimit = nullptr;
    QStackedWidget* m_comments = nullptr;
    QLabel* m_status[4] = {};
    QByteArray m_photo;
    int m_male = 0;
    int m_female = 0;
    QString m_loadedSex;
    // The pupil whose record the fields hold: saving writes to this one and no other.
    std::optional<qint64> m_loadedNumber;
    // The pupil as loaded: a save is refused when another seat changed the row since.
    std::optional<StudentRecord> m_loaded;
    bool m_saved = false;
    bool m_closed = false;
    QStringList m_typed;
    NumberBoxValidator* m_numberValidator = nullptr;
};
