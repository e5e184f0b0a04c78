#include "teachers/TeacherEditorWindow.h"

#include "app/ProgramState.h"
#include "app/Shell.h"
#include "app/Workspace.h"
#include "classes/GbByteValidator.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "records/FieldControls.h"
#include "records/FocusChain.h"
#include "records/LongTextLimit.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "records/SexCount.h"
#include "students/StudentEntryLists.h"
#include "teachers/TeacherFields.h"
#include "teachers/TeacherRecords.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
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

using namespace Qt::StringLiterals;

using Controls::named;

namespace {

constexpr int TeacherNumberRole = Qt::UserRole;
constexpr qsizetype LongTextBytes = 1150;

QLineEdit* edit(const QString& name, qsizetype maxBytes)
{
    auto* e = named(new QLineEdit, name);
    e->setValidator(new GbByteValidator(maxBytes, e));
    return e;
}

QComboBox* list(const QString& name, const QStringList& items, bool editable, qsizetype maxBytes = 0)
{
    auto* box = named(new QComboBox, name);
    box->setEditable(editable);
    box->addItems(items);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->lineEdit()->setValidator(new GbByteValidator(maxBytes, box));
    }
    box->setMaxVisibleItems(16);
    return box;
}

} // namespace

TeacherEditorWindow::TeacherEditorWindow(Workspace& ws, Mode mode, PickedTeacher picked, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_mode(mode)
    , m_picked(std::move(picked))
{
    buildControls();
    buildFocusChain();
}

void TeacherEditorWindow::open(Workspace& ws, Mode mode, const PickedTeacher& picked)
{
    TeacherEditorWindow editor(ws, mode, picked, ws.shell.ownerWindow());
    if (editor.start())
        editor.exec();
}

void TeacherEditorWindow::buildControls()
{
    const QDate today = m_ws.services.clock.today();
    窗口标题标签 = named(new QLabel, u"窗口标题标签"_s);
    QFont heading = 窗口标题标签->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    heading.setBold(true);
    窗口标题标签->setFont(heading);
    窗口标题标签->setAlignment(Qt::AlignCenter);
    窗口标题标签->setStyleSheet(u"QLabel { color: white; background: #2f5d8a; border-radius: 4px; padding: 6px; }"_s);

    教员姓名编辑框 = edit(u"教员姓名编辑框"_s, 8);
    教员性别组合框 = list(u"教员性别组合框"_s, {u"男"_s, u"女"_s}, false);
    教员性别组合框->setCurrentIndex(-1);
    教员民族组合框 = list(u"教员民族组合框"_s, StudentEntryLists::nationalities(), false);
    教员出生日期框 = named(new DateBox(today), u"教员出生日期框"_s);
    教员学历组合框 = list(u"教员学历组合框"_s,
        {u"小学"_s, u"初中"_s, u"高中"_s, u"中专"_s, u"大专"_s, u"大学"_s, u"大本"_s, u"研究生"_s, u"硕士"_s, u"博士"_s,
            u"博士后"_s},
        false);
    教员学历组合框->setCurrentText(u"大学"_s);
    教员政治组合框 = list(u"教员政治组合框"_s, {u"群众"_s, u"共产党员"_s, u"共青团员"_s, u"其它党派团体"_s}, true, 12);
    教员参加工作日期框 = named(new DateBox(today), u"教员参加工作日期框"_s);
    教员调入日期框 = named(new DateBox(today), u"教员调入日期框"_s);
    教员职称组合框 = list(u"教员职称组合框"_s, {u"讲师"_s, u"副教授"_s, u"教授"_s, u"其它"_s}, true, 10);
    教员职务组合框 = list(u"教员职务组合框"_s,
        u"语文老师 数学老师 英语老师 自然老师 音乐老师 美术老师 体育老师 代数老师 几何老师 物理老师 化学老师 计算机老师 "_s
        u"生物老师 地理老师 政治老师 校长 副校长 主任 副主任 班主任 办公室职员 后勤职员 临时职员"_s.split(u' '),
        true, 10);
    教员身份证编辑框 = edit(u"教员身份证编辑框"_s, 20);
    教员手机编辑框 = edit(u"教员手机编辑框"_s, 14);
    教员家庭住址编辑框 = edit(u"教员家庭住址编辑框"_s, 40);
    教员住宅电话编辑框 = edit(u"教员住宅电话编辑框"_s, 14);
    教员籍贯编辑框 = edit(u"教员籍贯编辑框"_s, 40);
    教员户籍编辑框 = edit(u"教员户籍编辑框"_s, 40);

    static const char16_t* const captions[] = {u"姓    名", u"性    别", u"民    族", u"出生日期", u"学    历",
        u"政治面貌", u"参加工作时间", u"调入本校时间", u"职    称", u"职务或岗位", u"身份证号", u"手机号码",
        u"家庭住址", u"住宅电话", u"籍    贯", u"户籍所在地"};
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(5);
    const auto controls = fieldControls();
    for (int i = 0; i < 16; ++i) {
        auto* caption = new QLabel(QString::fromUtf16(captions[i]));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fields->addWidget(caption, i / 2, (i % 2) * 2);
        controls[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        fields->addWidget(controls[i], i / 2, (i % 2) * 2 + 1);
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    教员照片 = new PhotoBox(u"教员照片"_s);
    选择照片钮 = Controls::linkButton(u"选择照片钮"_s, u"选择照片"_s);
    删除照片钮 = Controls::linkButton(u"删除照片钮"_s, u"删除照片"_s);
    auto* photo = new QVBoxLayout;
    photo->addWidget(教员照片, 0, Qt::AlignHCenter);
    auto* photoLinks = new QHBoxLayout;
    photoLinks->addWidget(选择照片钮);
    photoLinks->addWidget(删除照片钮);
    photo->addLayout(photoLinks);
    photo->addStretch(1);

    请选择录入 = named(new QLabel(u"请选择录入"_s), u"请选择录入"_s);
    个人简历钮 = Controls::linkButton(u"个人简历钮"_s, u"● 个人简历"_s);
    其它资料钮 = Controls::linkButton(u"其它资料钮"_s, u"其它资料"_s);
    清除内容钮 = Controls::linkButton(u"清除内容钮"_s, u"清除内容"_s);
    简历标题标签 = named(new QLabel(u" 个人简历："_s), u"简历标题标签"_s);
    输入提示标签 = named(new QLabel(u"(最多录入19行内容)"_s), u"输入提示标签"_s);
    简历编辑框 = named(new QPlainTextEdit, u"简历编辑框"_s);
    其它资料编辑框 = named(new QPlainTextEdit, u"其它资料编辑框"_s);
    m_longTexts = new QStackedWidget;
    m_longTexts->addWidget(简历编辑框);
    m_longTexts->addWidget(其它资料编辑框);
    auto* textLinks = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*> {请选择录入, 个人简历钮, 其它资料钮, 清除内容钮})
        textLinks->addWidget(w);
    textLinks->addStretch(1);
    auto* textHead = new QHBoxLayout;
    textHead->addWidget(简历标题标签);
    textHead->addWidget(输入提示标签);
    textHead->addStretch(1);
    auto* longText = new QVBoxLayout;
    longText->addLayout(textLinks);
    longText->addLayout(textHead);
    longText->addWidget(m_longTexts, 1);

    操作提示标签 = named(new QLabel(u"教员姓名列表"_s), u"操作提示标签"_s);
    教员姓名列表框 = named(new QListWidget, u"教员姓名列表框"_s);
    auto* names = new QVBoxLayout;
    names->addWidget(操作提示标签);
    names->addWidget(教员姓名列表框, 1);

    教员统计标签 = named(new QLabel, u"教员统计标签"_s);
    保存数据钮 = named(new QPushButton(u"保存数据"_s), u"保存数据钮"_s);
    退出钮 = named(new QPushButton(u"退出"_s), u"退出钮"_s);
    for (QPushButton* b : {保存数据钮, 退出钮})
        b->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(教员统计标签, 1);
    bottom->addWidget(保存数据钮);
    bottom->addWidget(退出钮);

    auto* status = named(new QStatusBar, u"状态条1"_s);
    status->setSizeGripEnabled(false);
    for (int i = 1; i <= 3; ++i) {
        m_status[i] = named(new QLabel, u"状态条1面板%1"_s.arg(i));
        status->addWidget(m_status[i], i == 3 ? 1 : 0);
    }

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(photo);
    auto* lower = new QHBoxLayout;
    lower->addLayout(longText, 3);
    lower->addLayout(names, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(窗口标题标签);
    layout->addLayout(top);
    layout->addLayout(lower, 1);
    layout->addLayout(bottom);
    layout->addWidget(status);

    connect(个人简历钮, &QPushButton::clicked, this, [this] { showResume(true); });
    connect(其它资料钮, &QPushButton::clicked, this, [this] { showResume(false); });
    connect(清除内容钮, &QPushButton::clicked, this, &TeacherEditorWindow::clearLongText);
    connect(简历编辑框, &QPlainTextEdit::textChanged, this, [this] { limitLongTexts(简历编辑框); });
    connect(其它资料编辑框, &QPlainTextEdit::textChanged, this, [this] { limitLongTexts(其它资料编辑框); });
    connect(选择照片钮, &QPushButton::clicked, this, [this] {
        if (const auto photo = RecordPhoto::choose(
                m_ws.services, u"选择教员照片"_s, u"所选的文件不是JPG、BMP或GIF图片，不能作为教员照片！"_s))
            教员照片->setPhoto(*photo);
    });
    connect(删除照片钮, &QPushButton::clicked, this, &TeacherEditorWindow::deletePhoto);
    connect(教员姓名列表框, &QListWidget::currentRowChanged, this, [this] {
        if (m_mode == Mode::Modify)
            loadSelected();
    });
    connect(保存数据钮, &QPushButton::clicked, this, &TeacherEditorWindow::save);
    connect(退出钮, &QPushButton::clicked, this, &QDialog::reject);
}

void TeacherEditorWindow::buildFocusChain()
{
    m_focus = new FocusChain(this);
    const QList<QWidget*> chain {教员姓名编辑框, 教员性别组合框, 教员民族组合框, 教员出生日期框, 教员学历组合框,
        教员政治组合框, 教员参加工作日期框, 教员调入日期框, 教员职称组合框, 教员职务组合框, 教员身份证编辑框,
        教员手机编辑框, 教员家庭住址编辑框, 教员住宅电话编辑框, 教员籍贯编辑框, 教员户籍编辑框};
    for (int i = 0; i + 1 < chain.size(); ++i)
        m_focus->link(chain[i], [next = chain[i + 1]] { return next; });
    m_focus->link(教员户籍编辑框, [this] { return m_longTexts->currentWidget(); });
    m_focus->link(保存数据钮, [this] { return 退出钮; });
    m_focus->link(退出钮, [this] { return 教员姓名列表框; });
    m_focus->link(教员姓名列表框, [this] { return 教员姓名编辑框; });
}

std::array<QWidget*, 16> TeacherEditorWindow::fieldControls() const
{
    return {教员姓名编辑框, 教员性别组合框, 教员民族组合框, 教员出生日期框, 教员学历组合框, 教员政治组合框,
        教员参加工作日期框, 教员调入日期框, 教员职称组合框, 教员职务组合框, 教员身份证编辑框, 教员手机编辑框,
        教员家庭住址编辑框, 教员住宅电话编辑框, 教员籍贯编辑框, 教员户籍编辑框};
}

QString TeacherEditorWindow::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_status[panel]->text() : QString();
}

bool TeacherEditorWindow::start()
{
    m_status[1]->setText(m_ws.state.session().userName);
    m_saved = false;
    loadNames();
    const QString school = m_ws.state.schoolName();
    if (m_mode == Mode::Add) {
        emptyFields();
        m_status[2]->setText(u"    当前状态：添加教员资料"_s);
        m_status[3]->setText(u"  提示：请输入资料后按[保存数据]按钮。"_s);
        setWindowTitle(u"添加教员资料"_s);
        窗口标题标签->setText(u"添加"_s + school + u"的教员资料"_s);
        保存数据钮->setText(u"保存数据"_s);
        教员姓名列表框->setEnabled(false);
        操作提示标签->setText(u"教员姓名列表"_s);
        if (!TeacherRecords(m_ws.teacherDb).nextNumber()) {
            m_ws.services.prompt.show(u"  错误：找不到系统数据序列号！  "_s, u"错误"_s, Prompt::Icon::Error);
            return false;
        }
        教员姓名编辑框->setFocus();
        return true;
    }
    教员姓名列表框->setEnabled(true);
    if (教员姓名列表框->count() == 0) {
        m_ws.services.prompt.show(u"目前本校没有在职教员数据！请先添加教员数据！"_s);
        return false;
    }
    // By number: of two teachers with one name each can be reached.
    int row = 0;
    const Page page = m_ws.shell.currentPage();
    if (m_picked && (page == Page::TeacherView || page == Page::TeacherRoster)) {
        if (const auto number = m_picked()) {
            for (int i = 0; i < 教员姓名列表框->count(); ++i) {
                if (教员姓名列表框->item(i)->data(TeacherNumberRole).toLongLong() == *number)
                    row = i;
            }
        }
    }
    {
        const QSignalBlocker blocker(教员姓名列表框);
        教员姓名列表框->setCurrentRow(row);
    }
    教员姓名列表框->scrollToItem(教员姓名列表框->currentItem());
    loadSelected();
    m_status[2]->setText(u"    当前状态：修改教员资料"_s);
    m_status[3]->setText(u"  提示：请先选择要修改资料的教员姓名，修改完成后按[保存修改]。"_s);
    setWindowTitle(u"修改教员资料"_s);
    保存数据钮->setText(u"保存修改"_s);
    操作提示标签->setText(u"请选择要修改资料的教员姓名"_s);
    FocusChain::focusAndSelect(教员姓名编辑框);
    return true;
}

void TeacherEditorWindow::loadNames()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto list = TeacherRecords(m_ws.teacherDb).names(TeacherViewKind::InService);
    {
        const QSignalBlocker blocker(教员姓名列表框);
        教员姓名列表框->clear();
        const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
        for (const auto& teacher : list ? list->names : QList<TeacherRecords::NameEntry> {}) {
            auto* item = new QListWidgetItem(icon, teacher.姓名, 教员姓名列表框);
            item->setData(TeacherNumberRole, teacher.编号);
        }
    }
    m_male = list ? list->male : 0;
    m_female = list ? list->female : 0;
    m_status[2]->setText(u"    当前状态：录入修改教员资料"_s);
    教员统计标签->setText(
        TeacherRecords::countsLine(u"目前本校在职教员有"_s, 教员姓名列表框->count(), m_male, m_female));
    QApplication::restoreOverrideCursor();
    if (!list)
        m_ws.services.prompt.show(u"载入教员姓名数据失败！"_s);
}

void TeacherEditorWindow::loadSelected()
{
    const QListWidgetItem* item = 教员姓名列表框->currentItem();
    const auto teacher = item
        ? TeacherRecords(m_ws.teacherDb).record(TeacherViewKind::InService, item->data(TeacherNumberRole).toLongLong())
        : std::nullopt;
    if (!teacher) {
        // The fields must never keep another teacher's record under this teacher's number.
        m_loadedNumber.reset();
        emptyFields();
        m_ws.services.prompt.show(u"载入教员数据失败！"_s);
        return;
    }
    m_loadedNumber = teacher->编号;
    m_loadedSex = teacher->性别;
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i) {
        // Free texts keep what is stored; only the fixed lists choose an entry.
        const bool freeText
            = controls[i] == 教员政治组合框 || controls[i] == 教员职称组合框 || controls[i] == 教员职务组合框;
        FieldControls::show(controls[i], teacher.value().*TeacherFields[i].member,
            freeText ? FieldControls::List::FreeText : FieldControls::List::ChooseEntry);
    }
    教员照片->setPhoto(teacher->照片);
    {
        const QSignalBlocker a(简历编辑框);
        const QSignalBlocker b(其它资料编辑框);
        简历编辑框->setPlainText(LineBreaks::forDisplay(teacher->个人简历));
        其它资料编辑框->setPlainText(LineBreaks::forDisplay(teacher->其他资料));
    }
    窗口标题标签->setText(u"您现在修改的是"_s + m_ws.state.schoolName() + item->text() + u"同志的资料"_s);
}

void TeacherEditorWindow::emptyFields()
{
    for (QWidget* control : fieldControls())
        FieldControls::clear(control);
    for (QComboBox* box : {教员学历组合框, 教员职称组合框, 教员职务组合框}) {
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->setEditText({});
    }
    const QSignalBlocker a(简历编辑框);
    const QSignalBlocker b(其它资料编辑框);
    简历编辑框->clear();
    其它资料编辑框->clear();
    教员照片->setPhoto({});
}

void TeacherEditorWindow::showResume(bool resume)
{
    个人简历钮->setText(resume ? u"● 个人简历"_s : u"个人简历"_s);
    其它资料钮->setText(resume ? u"其他资料"_s : u"● 其他资料"_s);
    简历标题标签->setText(resume ? u" 个人简历："_s : u" 其它资料："_s);
    输入提示标签->setVisible(resume);
    m_longTexts->setCurrentWidget(resume ? 简历编辑框 : 其它资料编辑框);
    QPlainTextEdit* box = resume ? 简历编辑框 : 其它资料编辑框;
    box->setFocus();
    if (!resume)
        box->moveCursor(QTextCursor::End);
}

void TeacherEditorWindow::clearLongText()
{
    const bool resume = m_longTexts->currentWidget() == 简历编辑框;
    QPlainTextEdit* box = resume ? 简历编辑框 : 其它资料编辑框;
    if (box->toPlainText().isEmpty())
        return;
    const QString question = resume ? u"您确定要清除个人简历的内容吗？"_s : u"您确定要清除其他资料的内容吗？"_s;
    if (m_ws.services.prompt.show(question, u"询问"_s, Prompt::Icon::None, Prompt::Buttons::OkCancel)
        == Prompt::Answer::Ok)
        box->clear();
}

void TeacherEditorWindow::limitLongTexts(QPlainTextEdit* box)
{
    if (m_limiting)
        return;
    const QString text = box->toPlainText();
    const bool resume = box == 简历编辑框;
    const bool tooManyLines = resume && LongTextLimit::shownLines(*box, text) > LongTextLimit::ResumeLines;
    // Stored "\r\n" breaks count two bytes each, as the old boxes counted them.
    const bool tooManyBytes = GbText::byteLength(LineBreaks::forStorage(text)) > LongTextBytes;
    if (!tooManyLines && !tooManyBytes)
        return;
    m_limiting = true;
    box->setReadOnly(true);
    QString cut = tooManyLines ? LongTextLimit::cut(*box, text, LongTextLimit::ResumeLines) : text;
    while (GbText::byteLength(LineBreaks::forStorage(cut)) > LongTextBytes)
        cut = GbText::chopBytes(cut, 1);
    box->setPlainText(cut);
    if (tooManyLines)
        m_ws.services.prompt.show(u"个人简历最多输入19行内容！"_s);
    box->moveCursor(QTextCursor::End);
    box->setReadOnly(false);
    m_limiting = false;
}

void TeacherEditorWindow::deletePhoto()
{
    if (教员照片->photo().isEmpty())
        return;
    if (m_ws.services.prompt.show(u"您确定要删除"_s + 教员姓名编辑框->text() + u"的照片吗？"_s, u"询问"_s,
            Prompt::Icon::Question, Prompt::Buttons::OkCancel)
        == Prompt::Answer::Ok)
        教员照片->setPhoto({});
}

TeacherRecord TeacherEditorWindow::fromControls() const
{
    TeacherRecord t;
    const auto controls = fieldControls();
    for (size_t i = 0; i < controls.size(); ++i)
        t.*TeacherFields[i].member = FieldControls::read(controls[i]);
    // No photo is stored as the placeholder picture, as every older record holds it.
    t.照片 = 教员照片->photo().isEmpty() ? RecordPhoto::placeholder() : 教员照片->photo();
    t.个人简历 = LineBreaks::forStorage(简历编辑框->toPlainText());
    t.其他资料 = LineBreaks::forStorage(其它资料编辑框->toPlainText());
    return TeacherRecords::withDashes(t);
}

void TeacherEditorWindow::save()
{
    if (m_mode == Mode::Add)
        saveNew();
    else
        saveChanges();
}

void TeacherEditorWindow::showCounts()
{
    教员统计标签->setText(TeacherRecords::countsLine(u"目前本校共有教员"_s, 教员姓名列表框->count(), m_male, m_female));
}

void TeacherEditorWindow::saveNew()
{
    Prompt& prompt = m_ws.services.prompt;
    if (GbText::isBlank(教员姓名编辑框->text())) {
        prompt.show(u"请输入教员姓名！"_s, u"错误"_s, Prompt::Icon::Error);
        教员姓名编辑框->setFocus();
        return;
    }
    TeacherRecords records(m_ws.teacherDb);
    TeacherRecord teacher = fromControls();
    // The number is taken as the row is written: another seat may have taken the one before.
    if (!records.insertNext(teacher)) {
        prompt.show(u"保存数据失败！"_s);
        return;
    }
    auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileIcon), teacher.姓名, 教员姓名列表框);
    item->setData(TeacherNumberRole, teacher.编号);
    {
        const QSignalBlocker blocker(教员姓名列表框);
        教员姓名列表框->setCurrentItem(item);
    }
    教员姓名列表框->scrollToItem(item);
    ++(SexCount::isMale(教员性别组合框->currentText()) ? m_male : m_female);
    showCounts();
    // Gender, ethnic group, political status and the dates stay for the next teacher.
    const QString political = 教员政治组合框->currentText();
    emptyFields();
    教员政治组合框->setEditText(political);
    教员姓名编辑框->setFocus();
    m_saved = true;
}

void TeacherEditorWindow::saveChanges()
{
    Prompt& prompt = m_ws.services.prompt;
    if (教员姓名列表框->count() == 0) {
        prompt.show(u"目前本校没有教员资料！"_s);
        emptyFields();
        return;
    }
    if (GbText::isBlank(教员姓名编辑框->text())) {
        prompt.show(u"请输入要修改资料的教员姓名！"_s, {}, Prompt::Icon::Information);
        教员姓名编辑框->setFocus();
        return;
    }
    if (!m_loadedNumber) {
        prompt.show(u"保存数据失败！"_s);
        return;
    }
    TeacherRecord teacher = fromControls();
    teacher.编号 = *m_loadedNumber;
    if (!TeacherRecords(m_ws.teacherDb).update(teacher)) {
        prompt.show(u"保存数据失败！"_s);
        return;
    }
    if (QListWidgetItem* item = 教员姓名列表框->currentItem())
        item->setText(teacher.姓名);
    if (SexCount::isMale(teacher.性别) != SexCount::isMale(m_loadedSex)) {
        const int move = SexCount::isMale(teacher.性别) ? 1 : -1;
        m_male += move;
        m_female -= move;
        m_loadedSex = teacher.性别;
    }
    showCounts();
    教员姓名编辑框->setFocus();
    m_saved = true;
    prompt.show(u"修改数据已保存！"_s);
}

void TeacherEditorWindow::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        // The teacher pages no longer show what the database holds.
        const Page page = m_ws.shell.currentPage();
        if (m_saved && (page == Page::TeacherView || page == Page::TeacherRoster))
            m_ws.shell.showHomePage();
    }
    QDialog::done(result);
}
