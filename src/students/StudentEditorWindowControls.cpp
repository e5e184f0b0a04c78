// The controls of the student editor: the names list, the form with the photo and the comment
// boxes, their limits and signals, and the focus chain through them.
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
#include "workspace/HeadingFont.h"
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

namespace {

QComboBox* comboWith(const QString& name, const QStringList& entries)
{
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(entries);
    box->setMaxVisibleItems(16);
    ClickOpensList::install(box);
    return box;
}

} // namespace

void StudentEditorWindow::limitLengths()
{
    // The 学籍表 widths, counted as the import counts them, so that a long entry is stopped while
    // typing instead of failing the save, and what one way lets in the other lets in too.
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i) {
        // A date box shows what its calendar gives and takes no byte limit.
        QLineEdit* edit = qobject_cast<DateBox*>(controls[i]) ? nullptr : qobject_cast<QLineEdit*>(controls[i]);
        if (auto* combo = qobject_cast<QComboBox*>(controls[i]))
            edit = combo->lineEdit();
        const int width = Schema::textWidth(DatabaseKind::Student, u"学籍表", StudentFields[i].column);
        if (edit && width > 0)
            edit->setValidator(new GbByteValidator(width, edit));
    }
}

void StudentEditorWindow::buildControls()
{
    窗口标题标签 = named(new QLabel, u"窗口标题标签"_s);
    窗口标题标签->setAlignment(Qt::AlignCenter);
    setHeadingFont(窗口标题标签, 1.3);
    窗口标题标签->setStyleSheet(u"QLabel { color: #1c3d6e; padding: 2px; border-bottom: 2px solid #9bb3d1; }"_s);

    学生班级组合框 = named(new QComboBox, u"学生班级组合框"_s);
    学生班级组合框->setMinimumWidth(180);
    操作提示标签 = named(new QLabel, u"操作提示标签"_s);
    操作提示标签->setStyleSheet(u"QLabel { color: #a03c00; }"_s);
    学生姓名列表框 = named(new QListWidget, u"学生姓名列表框"_s);

    学号编辑框 = named(new QLineEdit, u"学号编辑框"_s);
    m_numberValidator = new NumberBoxValidator(std::numeric_limits<qint32>::max(), 学号编辑框);
    学号编辑框->setValidator(m_numberValidator);
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
    connect(学号编辑框, &QLineEdit::inputRejected, this, [this] {
        // A letter needs no word; a number too large for the column is refused with the reason.
        if (!m_numberValidator->refusal().isEmpty())
            m_ws.services.prompt.show(m_numberValidator->refusal(), u"提示"_s);
    });
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
