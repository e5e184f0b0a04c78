#pragma once

#include "comments/CommentLibrary.h"
#include "comments/CommentStore.h"
#include "comments/RandomSource.h"

#include <QDialog>

#include <array>
#include <memory>

struct Workspace;

class CommentLibraryMenus;
class EntryEditDelegate;
class GrowthLineLimit;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class NameListView;
class QTreeWidget;
class QTreeWidgetItem;

// 评语录入: the term comment and the overall evaluation of enrolled pupils, class by class,
// composed from the comment library; its pop-up menus edit the library in place.
class CommentEntryWindow : public QDialog
{
    Q_OBJECT

public:
    // Esc, 退出 and the close box come here: an unsaved comment is asked about first.
    void reject() override;
    // The random source is the program's clock-seeded one unless a test brings its own.
    explicit CommentEntryWindow(Workspace& ws, std::unique_ptr<RandomSource> random = {}, QWidget* parent = nullptr);
    ~CommentEntryWindow() override;

    // 智能评语录入 after the rights check: modal over the main window.
    static void open(Workspace& ws);
    // Loads the classes, the first class's pupils and both library pages. False (after the message,
    // with the school settings opened) when there is no class: the window must not be shown.
    bool start();

    int currentCategory() const { return m_category; }
    bool automaticMode() const;
    QString entryLibrary() const;
    QString modelLibrary() const;
    QString currentModelKind() const;

    // Reloads the entry list of the current category, or the model list of a kind.
    void loadEntries();
    void loadModels(int kind);
    // 详细评语编辑框 for the selected model: four blanks and the model.
    void showPreview();
    // Starts editing an entry in place; refused is the text to mend, null for the stored one.
    void editEntry(QTreeWidgetItem* item, const QString& refused = QString());

    QLabel* 标签2;
    QComboBox* 评语班级名组合框;
    NameListView* 评语姓名列表框;
    QTabWidget* 选择夹1;
    QComboBox* 选择词条库组合框;
    QPushButton* 分类操作转换钮;
    QLabel* 标题1;
    QLabel* 标题2;
    QLabel* 标题3;
    QLabel* 标题4;
    QLabel* 标题5;
    QLabel* 标题6;
    QLabel* 标题7;
    QTreeWidget* 评语词条列表框;
    QComboBox* 选择范例库组合框;
    QLabel* 优等生评语范例钮;
    QLabel* 中等生评语范例钮;
    QLabel* 后进生评语范例钮;
    QTreeWidget* 范例评语列表框;
    QPlainTextEdit* 详细评语编辑框;
    QPushButton* 综合评价钮;
    QPushButton* 词条范例转换钮;
    QPushButton* 随机录入按钮;
    QPushButton* 清空按钮;
    QPlainTextEdit* 综合评语编辑框;
    QPlainTextEdit* 本学期评语编辑框;
    QComboBox* 方案组合框;
    QComboBox* 字体组合框;
    QPushButton* 保存评语按钮;
    QPushButton* 退出按钮;
    QStatusBar* 状态条1;
    QMenu* 评语菜单;
    QMenu* 范例菜单;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class CommentLibraryMenus;

    void buildControls();
    QWidget* buildEntriesPage();
    QWidget* buildModelsPage();
    void connectControls();

    std::array<QLabel*, 7> categoryLinks() const;
    std::array<QLabel*, 3> modelLinks() const;
    static void highlight(QLabel* link, bool on);

    void loadPupils();
    void classChanged();
    void pupilChanged();
    void loadSelectedPupil();
    qint64 selectedNumber() const;
    void selectCategory(int category);
    void entryLibraryChanged();
    void modelLibraryChanged();

    bool pupilChosen();
    void insertEntry(QTreeWidgetItem* item);
    void insertModel(QTreeWidgetItem* item);
    void randomComment();
    void addToOverall();
    // True when the pupil's comments were written.
    bool save();
    // The two comments as typed; a change against m_typed is unsaved input.
    QStringList typedState() const;
    void switchPage();
    void pageShown(int page);
    void switchMode();
    void applyScheme(int scheme);
    void applyFontSize(int size);

    Workspace& m_ws;
    CommentStore m_store;
    CommentLibrary m_library;
    std::unique_ptr<RandomSource> m_random;
    GrowthLineLimit* m_termLimit = nullptr;
    EntryEditDelegate* m_entryDelegate = nullptr;
    CommentLibraryMenus* m_menus = nullptr;
    std::array<QFrame*, 2> m_commentFrames {};
    QWidget* m_titleHolder = nullptr;
    int m_category = 1;
    int m_modelKind = 0;
    QStringList m_typed;
};
