#include "students/StudentEditorWindow.h"

#include "app/ProgramState.h"
#include "app/Shell.h"
#include "app/Workspace.h"
#include "classes/ClassSelector.h"
#include "classes/HeadTeacherList.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "records/FieldControls.h"
#include "records/FocusChain.h"
#include "records/GrowthLineLimit.h"
#include "records/LongTextLimit.h"
#include "records/RecordPhoto.h"
#include "records/SexCount.h"
#include "records/StoredListText.h"
#include "students/StudentCardTexts.h"
#include "students/StudentEntryLists.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"
#include "text/DateText.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

using Controls::linkButton;
using Controls::named;

namespace {

constexpr int PupilNumberRole = Qt::UserRole;

QComboBox* comboWith(const QString& name, const QStringList& entries)
{
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(entries);
    box->setMaxVisibleItems(16);
    return box;
}

} // namespace

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

void StudentEditorWindow::limitLengths()
{
    // The widths of the 学籍表 columns, so that a long entry is stopped while typing instead of
    // failing the save.
    const QList<std::pair<QLineEdit*, int>> widths {{学号编辑框, 10}, {姓名编辑框, 20}, {住址编辑框, 50},
        {住宅电话编辑框, 20}, {籍贯编辑框, 50}, {户籍编辑框, 50}, {父亲编辑框, 10}, {父亲单位编辑框, 50},
        {父电话编辑框, 50}, {母亲编辑框, 10}, {母亲单位编辑框, 50}, {母电话编辑框, 50}, {性别组合框->lineEdit(), 10},
        {民族组合框->lineEdit(), 10}, {班内职务组合框->lineEdit(), 20}, {家长组合框1->lineEdit(), 10},
        {家长组合框2->lineEdit(), 10}};
    for (const auto& [edit, width] : widths)
        edit->setMaxLength(width);
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

void StudentEditorWindow::buildControls()
{
    窗口标题标签 = named(new QLabel, u"窗口标题标签"_s);
    窗口标题标签->setAlignment(Qt::AlignCenter);
    QFont titleFont = 窗口标题标签->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    窗口标题标签->setFont(titleFont);
    窗口标题标签->setStyleSheet(u"QLabel { color: #1c3d6e; padding: 2px; border-bottom: 2px solid #9bb3d1; }"_s);

    学生班级组合框 = named(new QComboBox, u"学生班级组合框"_s);
    学生班级组合框->setMinimumWidth(180);
    操作提示标签 = named(new QLabel, u"操作提示标签"_s);
    操作提示标签->setStyleSheet(u"QLabel { color: #a03c00; }"_s);
    学生姓名列表框 = named(new QListWidget, u"学生姓名列表框"_s);

    学号编辑框 = named(new QLineEdit, u"学号编辑框"_s);
    学号编辑框->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]{0,10}"_s), 学号编辑框));
    学号编辑框->installEventFilter(this);
    姓名编辑框 = named(new QLineEdit, u"姓名编辑框"_s);
    性别组合框 = comboWith(u"性别组合框"_s, {u"男"_s, u"女"_s});
    民族组合框 = comboWith(u"民族组合框"_s, StudentEntryLists::nationalities());
    民族组合框->setEditText(u"汉族"_s);
    出生日期框 = named(new DateBox(m_ws.services.clock.today()), u"出生日期框"_s);
    入学日期框 = named(new DateBox(m_ws.services.clock.today()), u"入学日期框"_s);
    所在班级 = named(new QLabel, u"所在班级"_s);
    所在班级->setFrameShape(QFrame::StyledPanel);
    所在班级->setStyleSheet(u"QLabel { background: #f4f6f9; padding: 3px 6px; }"_s);
    班内职务组合框 = comboWith(u"班内职务组合框"_s, StudentEntryLists::classDuties());
    住址编辑框 = named(new QLineEdit, u"住址编辑框"_s);
    住宅电话编辑框 = named(new QLineEdit, u"住宅电话编辑框"_s);
    籍贯编辑框 = named(new QLineEdit, u"籍贯编辑框"_s);
    户籍编辑框 = named(new QLineEdit, u"户籍编辑框"_s);
    家长组合框1 = comboWith(u"家长组合框1"_s, StudentEntryLists::guardianRelations());
    家长组合框1->setEditText(u"父亲"_s);
    父亲编辑框 = named(new QLineEdit, u"父亲编辑框"_s);
    父亲单位编辑框 = named(new QLineEdit, u"父亲单位编辑框"_s);
    父电话编辑框 = named(new QLineEdit, u"父电话编辑框"_s);
    家长组合框2 = comboWith(u"家长组合框2"_s, StudentEntryLists::guardianRelations());
    家长组合框2->setCurrentIndex(1);
    母亲编辑框 = named(new QLineEdit, u"母亲编辑框"_s);
    母亲单位编辑框 = named(new QLineEdit, u"母亲单位编辑框"_s);
    母电话编辑框 = named(new QLineEdit, u"母电话编辑框"_s);

    学生照片 = named(new QLabel, u"学生照片"_s);
    学生照片->setAlignment(Qt::AlignCenter);
    学生照片->setFrameShape(QFrame::Box);
    学生照片->setStyleSheet(u"QLabel { background: white; border: 1px solid #9aa7b5; }"_s);
    选择照片钮 = linkButton(u"选择照片钮"_s, u"选择照片"_s);
    删除照片钮 = linkButton(u"删除照片钮"_s, u"删除照片"_s);

    本学期评语钮 = linkButton(u"本学期评语钮"_s, u"● 本学期评语"_s);
    综合评价钮 = linkButton(u"综合评价钮"_s, u"综合评价"_s);
    清除评语钮 = linkButton(u"清除评语钮"_s, u"清除评语"_s);
    评语标题标签 = named(new QLabel(u" 本学期评语："_s), u"评语标题标签"_s);
    输入提示标签 = named(new QLabel(u"(最多可输入14行内容)"_s), u"输入提示标签"_s);
    输入提示标签->setStyleSheet(u"QLabel { color: #707070; }"_s);
    本学期评语编辑框 = named(new QPlainTextEdit, u"本学期评语编辑框"_s);
    综合评价编辑框 = named(new QPlainTextEdit, u"综合评价编辑框"_s);
    m_comments = new QStackedWidget;
    m_comments->addWidget(本学期评语编辑框);
    m_comments->addWidget(综合评价编辑框);

    学生统计标签 = named(new QLabel, u"学生统计标签"_s);
    保存数据钮 = named(new QPushButton(m_mode == Mode::Add ? u"保存数据"_s : u"保存修改"_s), u"保存数据钮"_s);
    退出钮 = named(new QPushButton(u"退出"_s), u"退出钮"_s);
    for (QPushButton* b : {保存数据钮, 退出钮}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
    }

    auto* status = named(new QStatusBar, u"状态条1"_s);
    status->setSizeGripEnabled(false);
    for (int i = 1; i <= 3; ++i) {
        m_status[i] = named(new QLabel, u"状态条1面板%1"_s.arg(i));
        status->addWidget(m_status[i], i == 3 ? 1 : 0);
    }

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(new QLabel(u"班级："_s));
    classRow->addWidget(学生班级组合框);
    classRow->addWidget(操作提示标签, 1);

    auto* names = new QVBoxLayout;
    names->addWidget(new QLabel(u"本班学生："_s));
    names->addWidget(学生姓名列表框, 1);

    auto* photo = new QVBoxLayout;
    photo->addWidget(new QLabel(u"学生照片："_s));
    photo->addWidget(学生照片);
    auto* photoLinks = new QHBoxLayout;
    photoLinks->addWidget(选择照片钮);
    photoLinks->addWidget(删除照片钮);
    photo->addLayout(photoLinks);
    photo->addStretch(1);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    body->addLayout(names, 0);
    body->addWidget(buildForm(), 1);
    body->addLayout(photo, 0);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(学生统计标签, 1);
    bottom->addWidget(保存数据钮);
    bottom->addWidget(退出钮);

    auto* root = new QVBoxLayout(this);
    // Everything but the comment box keeps its height, so the box takes what a taller window gives.
    root->setContentsMargins(8, 4, 8, 0);
    root->setSpacing(4);
    root->addWidget(窗口标题标签);
    root->addLayout(classRow);
    root->addLayout(body, 1);
    root->addLayout(bottom);
    root->addWidget(status);
}

QWidget* StudentEditorWindow::buildForm()
{
    const int width = parentWidget() ? parentWidget()->width() : 1024;
    const int captionWidth = width / 14;
    学生姓名列表框->setFixedWidth(qMax(130, width / 7));
    const int photoWidth = qMax(140, static_cast<int>(width / 5.71));
    学生照片->setFixedSize(photoWidth, photoWidth * 188 / 140);

    auto caption = [captionWidth](const QString& text) {
        auto* l = new QLabel(text);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setMinimumWidth(captionWidth);
        return l;
    };

    // Plain panels rather than titled group boxes: the window has to fit the smallest main window
    // with room left for the comment box.
    auto section = [] {
        auto* frame = new QFrame;
        frame->setFrameShape(QFrame::StyledPanel);
        return frame;
    };
    auto* personal = section();
    auto* grid = new QGridLayout(personal);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const QList<std::pair<QString, QWidget*>> fields {{u"学    号"_s, 学号编辑框}, {u"姓    名"_s, 姓名编辑框},
        {u"性    别"_s, 性别组合框}, {u"民    族"_s, 民族组合框}, {u"出生日期"_s, 出生日期框},
        {u"入学日期"_s, 入学日期框}, {u"所在班级"_s, 所在班级}, {u"班内职务"_s, 班内职务组合框},
        {u"家庭住址"_s, 住址编辑框}, {u"住宅电话"_s, 住宅电话编辑框}, {u"籍    贯"_s, 籍贯编辑框},
        {u"户籍所在地"_s, 户籍编辑框}};
    for (int i = 0; i < fields.size(); ++i) {
        grid->addWidget(caption(fields[i].first), i / 2, (i % 2) * 2);
        grid->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* guardians = section();
    auto* g = new QGridLayout(guardians);
    g->setContentsMargins(6, 4, 6, 4);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(4);
    int row = 0;
    for (const auto& [relation, name, unit, phone] :
        {std::tuple {家长组合框1, 父亲编辑框, 父亲单位编辑框, 父电话编辑框},
            std::tuple {家长组合框2, 母亲编辑框, 母亲单位编辑框, 母电话编辑框}}) {
        relation->setFixedWidth(qMax(80, width / 12));
        g->addWidget(relation, row, 0);
        g->addWidget(name, row, 1);
        g->addWidget(new QLabel(u"工作单位"_s), row, 2);
        g->addWidget(unit, row, 3);
        g->addWidget(new QLabel(u"电  话"_s), row, 4);
        g->addWidget(phone, row, 5);
        ++row;
    }
    // Shares of the row whatever the texts, so a telephone number keeps room on a narrow window.
    for (QLineEdit* edit : {父亲编辑框, 父亲单位编辑框, 父电话编辑框, 母亲编辑框, 母亲单位编辑框, 母电话编辑框})
        edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 3);
    g->setColumnStretch(5, 3);

    auto* comments = section();
    auto* c = new QVBoxLayout(comments);
    c->setContentsMargins(6, 2, 6, 6);
    c->setSpacing(2);
    auto* links = new QHBoxLayout;
    links->addWidget(本学期评语钮);
    links->addWidget(综合评价钮);
    links->addSpacing(8);
    links->addWidget(评语标题标签);
    links->addWidget(输入提示标签);
    links->addStretch(1);
    links->addWidget(清除评语钮);
    c->addLayout(links);
    c->addWidget(m_comments, 1);

    auto* form = new QWidget;
    auto* v = new QVBoxLayout(form);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    v->addWidget(personal);
    v->addWidget(guardians);
    v->addWidget(comments, 1);
    return form;
}

void StudentEditorWindow::linkFocusChain()
{
    m_focus = new FocusChain(this);
    const QList<QWidget*> chain {学号编辑框, 姓名编辑框, 性别组合框, 民族组合框, 出生日期框, 入学日期框, 班内职务组合框,
        住址编辑框, 住宅电话编辑框, 籍贯编辑框, 户籍编辑框, 家长组合框1, 父亲编辑框, 父亲单位编辑框, 父电话编辑框,
        家长组合框2, 母亲编辑框, 母亲单位编辑框, 母电话编辑框};
    for (int i = 0; i + 1 < chain.size(); ++i)
        m_focus->link(chain[i], [next = chain[i + 1]] { return next; });
    m_focus->link(母电话编辑框, [this] { return m_comments->currentWidget(); });
    for (QWidget* comment : {static_cast<QWidget*>(本学期评语编辑框), static_cast<QWidget*>(综合评价编辑框)})
        m_focus->link(
            comment, [this] { return 保存数据钮; }, false);
    m_focus->link(保存数据钮, [this] { return 退出钮; });
    m_focus->link(退出钮, [this] { return 学生班级组合框; });
    m_focus->link(学生班级组合框,
        [this] { return 学生姓名列表框->isEnabled() ? static_cast<QWidget*>(学生姓名列表框) : 学号编辑框; });
    m_focus->link(学生姓名列表框, [this] { return 学号编辑框; });
}

void StudentEditorWindow::connectControls()
{
    connect(学生班级组合框, &QComboBox::currentIndexChanged, this, &StudentEditorWindow::classChanged);
    connect(学生姓名列表框, &QListWidget::currentRowChanged, this, [this] {
        if (m_mode == Mode::Modify)
            loadSelectedPupil();
    });
    connect(学号编辑框, &QLineEdit::textChanged, this, &StudentEditorWindow::numberEdited);
    connect(本学期评语钮, &QPushButton::pressed, this, &StudentEditorWindow::showTermComment);
    connect(综合评价钮, &QPushButton::pressed, this, &StudentEditorWindow::showOverallComment);
    connect(清除评语钮, &QPushButton::clicked, this, &StudentEditorWindow::clearComment);
    // Typing stops at 14 lines; a stored comment that takes more is shown and kept whole.
    m_termLimit = new GrowthLineLimit(*本学期评语编辑框, LongTextLimit::TermCommentLines,
        [this] { m_ws.services.prompt.show(u"本学期评价最多输入14行内容！"_s); });
    connect(选择照片钮, &QPushButton::clicked, this, &StudentEditorWindow::choosePhoto);
    connect(删除照片钮, &QPushButton::clicked, this, &StudentEditorWindow::deletePhoto);
    connect(保存数据钮, &QPushButton::clicked, this, &StudentEditorWindow::save);
    connect(退出钮, &QPushButton::clicked, this, &QDialog::reject);
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
        m_ws.services.prompt.show(u"载入学生姓名数据失败！"_s);
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

void StudentEditorWindow::save()
{
    if (m_mode == Mode::Add)
        saveNew();
    else
        saveChanges();
}

void StudentEditorWindow::saveNew()
{
    Prompt& prompt = m_ws.services.prompt;
    if (GbText::isBlank(学号编辑框->text())) {
        prompt.show(u"    请输入学生的学号！    "_s, u"提示"_s);
        学号编辑框->setFocus();
        return;
    }
    if (GbText::isBlank(姓名编辑框->text())) {
        prompt.show(u"    请输入学生的姓名！    "_s, u"提示"_s);
        姓名编辑框->setFocus();
        return;
    }
    bool isNumber = false;
    学号编辑框->text().trimmed().toLongLong(&isNumber);
    const StudentRecord pupil = fromControls();
    if (!isNumber || !StudentRecords(m_ws.studentDb).insert(pupil)) {
        prompt.show(u"保存数据失败！"_s);
        return;
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
}

void StudentEditorWindow::saveChanges()
{
    Prompt& prompt = m_ws.services.prompt;
    QListWidgetItem* item = 学生姓名列表框->currentItem();
    if (学生姓名列表框->count() == 0 || !item) {
        prompt.show(u"目前"_s + 学生班级组合框->currentText() + u"没有学生资料！请选择其他班级修改资料！"_s);
        emptyFields();
        return;
    }
    if (GbText::isBlank(姓名编辑框->text())) {
        prompt.show(u"    请输入学生的姓名！    "_s, u"提示"_s);
        姓名编辑框->setFocus();
        return;
    }
    if (!m_loadedNumber || *m_loadedNumber != item->data(PupilNumberRole).toLongLong()) {
        prompt.show(u"载入学生资料数据失败！"_s);
        return;
    }
    StudentRecord pupil = fromControls();
    pupil.学号 = *m_loadedNumber;
    StudentRecords records(m_ws.studentDb);
    if (!(m_loaded ? records.update(pupil, *m_loaded) : records.update(pupil))) {
        prompt.show(records.conflicted() ? StudentRecords::conflictMessage() : u"保存数据失败！"_s);
        return;
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
    prompt.show(u"修改数据已保存！"_s);
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

void StudentEditorWindow::showTermComment()
{
    本学期评语钮->setText(u"● 本学期评语"_s);
    综合评价钮->setText(u"综合评价"_s);
    评语标题标签->setText(u" 本学期评语："_s);
    输入提示标签->setVisible(true);
    m_comments->setCurrentWidget(本学期评语编辑框);
    本学期评语编辑框->setFocus();
}

void StudentEditorWindow::showOverallComment()
{
    综合评价钮->setText(u"● 综合评价"_s);
    本学期评语钮->setText(u"本学期评语"_s);
    评语标题标签->setText(u" 综合评价："_s);
    输入提示标签->setVisible(false);
    m_comments->setCurrentWidget(综合评价编辑框);
    综合评价编辑框->setFocus();
    综合评价编辑框->moveCursor(QTextCursor::End);
}

void StudentEditorWindow::clearComment()
{
    const bool term = m_comments->currentWidget() == 本学期评语编辑框;
    QPlainTextEdit* box = term ? 本学期评语编辑框 : 综合评价编辑框;
    if (box->toPlainText().isEmpty())
        return;
    const QString question = term ? u"您确定要清除本学期评价的内容吗？"_s : u"您确定要清除综合评价的内容吗？"_s;
    if (m_ws.services.prompt.show(question, u"询问"_s, Prompt::Icon::None, Prompt::Buttons::OkCancel)
        == Prompt::Answer::Ok)
        box->clear();
}

void StudentEditorWindow::choosePhoto()
{
    if (const auto photo = RecordPhoto::choose(
            m_ws.services, u"选择学生照片"_s, u"所选的文件不是JPG、BMP或GIF图片，不能作为学生照片！"_s))
        setPhoto(*photo);
}

void StudentEditorWindow::deletePhoto()
{
    if (RecordPhoto::isNoPhoto(m_photo))
        return;
    if (m_ws.services.prompt.show(u"您确定要删除"_s + 姓名编辑框->text() + u"同学的照片吗？"_s, u"询问"_s,
            Prompt::Icon::Question, Prompt::Buttons::OkCancel)
        == Prompt::Answer::Ok)
        setPhoto({});
}

void StudentEditorWindow::setPhoto(const QByteArray& bytes)
{
    m_photo = RecordPhoto::isNoPhoto(bytes) ? QByteArray() : bytes;
    QImage image = RecordPhoto::decode(m_photo.isEmpty() ? RecordPhoto::placeholder() : m_photo);
    if (!m_photo.isEmpty() && !image.isNull())
        image = image.scaled(学生照片->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    学生照片->setPixmap(QPixmap::fromImage(image));
}

void StudentEditorWindow::done(int result)
{
    closeAfterSaves();
    QDialog::done(result);
}

void StudentEditorWindow::closeEvent(QCloseEvent* event)
{
    closeAfterSaves();
    QDialog::closeEvent(event);
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
