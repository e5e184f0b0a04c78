#pragma once

#include "teachers/TeacherRecord.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class DateBox;
class FocusChain;
class PhotoBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
struct Workspace;

// Adds teachers to the staff in service (add mode) and corrects their records (modify mode).
// Writes only 教员表 and the teacher-number counter.
class TeacherEditorWindow : public QDialog
{
    Q_OBJECT

public:
    // Esc, 退出 and the close box come here: unsaved typing is asked about first.
    void reject() override;
    void done(int result) override;
    enum class Mode { Add, Modify };
    // The teacher modify mode opens on: the teacher view's or the staff roster's selection.
    using PickedTeacher = std::function<std::optional<qint64>()>;

    TeacherEditorWindow(Workspace& ws, Mode mode, PickedTeacher picked = {}, QWidget* parent = nullptr);

    // The commands' bodies after the rights check: the editor modally over the main window.
    static void open(Workspace& ws, Mode mode, const PickedTeacher& picked);

    // Fills the window for its mode. False (after the message) when it must not be shown.
    bool start();
    bool savedOnce() const { return m_saved; }
    QString statusPanel(int panel) const;

    QLabel* 窗口标题标签;
    QListWidget* 教员姓名列表框;
    QLabel* 操作提示标签;
    QLineEdit* 教员姓名编辑框;
    QComboBox* 教员性别组合框;
    QComboBox* 教员民族组合框;
    DateBox* 教员出生日期框;
    QComboBox* 教员学历组合框;
    QComboBox* 教员政治组合框;
    DateBox* 教员参加工作日期框;
    DateBox* 教员调入日期框;
    QComboBox* 教员职称组合框;
    QComboBox* 教员职务组合框;
    QLineEdit* 教员身份证编辑框;
    QLineEdit* 教员手机编辑框;
    QLineEdit* 教员家庭住址编辑框;
    QLineEdit* 教员住宅电话编辑框;
    QLineEdit* 教员籍贯编辑框;
    QLineEdit* 教员户籍编辑框;
    PhotoBox* 教员照片;
    QPushButton* 选择照片钮;
    QPushButton* 删除照片钮;
    QLabel* 请选择录入;
    QPushButton* 个人简历钮;
    QPushButton* 其它资料钮;
    QPushButton* 清除内容钮;
    QLabel* 简历标题标签;
    QLabel* 输入提示标签;
    QPlainTextEdit* 简历编辑框;
    QPlainTextEdit* 其它资料编辑框;
    QLabel* 教员统计标签;
    QPushButton* 保存数据钮;
    QPushButton* 退出钮;

protected:
private:
    void buildControls();
    void buildFocusChain();
    void loadNames();
    void loadSelected();
    void emptyFields();
    void showResume(bool resume);
    void clearLongText();
    void limitLongTexts(QPlainTextEdit* box);
    void deletePhoto();
    // True when the teacher was written.
    bool save();
    bool saveNew();
    bool saveChanges();
    // Everything the user can type or choose; a change against m_typed is unsaved input.
    QStringList typedState() const;
    void showCounts();
    // The controls of the teacher's sixteen texts, in the order of TeacherFields.
    std::array<QWidget*, 16> fieldControls() const;
    TeacherRecord fromControls() const;

    Workspace& m_ws;
    Mode m_mode;
    PickedTeacher m_picked;
    FocusChain* m_focus = nullptr;
    QStackedWidget* m_longTexts = nullptr;
    QLabel* m_status[4] = {};
    std::optional<qint64> m_loadedNumber;
    // The record as loaded: a save is refused when another seat changed it since.
    std::optional<TeacherRecord> m_loaded;
    QString m_loadedSex;
    int m_male = 0;
    int m_female = 0;
    bool m_saved = false;
    bool m_closed = false;
    bool m_limiting = false;
    QStringList m_typed;
};
