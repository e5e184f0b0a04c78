// The controls of the teacher editor: the fields, the photo, the two long texts and the focus chain.
#include "teachers/TeacherEditorWindow.h"

#include "classes/GbByteValidator.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ClickOpensList.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "records/FieldControls.h"
#include "records/FocusChain.h"
#include "records/LongTextLimit.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "records/SexCount.h"
#include "records/UnsavedInput.h"
#include "students/StudentEntryLists.h"
#include "teachers/TeacherFields.h"
#include "teachers/TeacherRecords.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"
#include "workspace/HeadingFont.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

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
        ClickOpensList::install(box);
    }
    box->setMaxVisibleItems(16);
    return box;
}

} // namespace

void TeacherEditorWindow::buildControls()
{
    const QDate today = m_ws.services.clock.today();
    窗口标题标签 = named(new QLabel, u"窗口标题标签"_s);
    setHeadingFont(窗口标题标签, 1.25);
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
        // A date box keeps room for the whole date, year included.
        const bool date = qobject_cast<DateBox*>(controls[i]) != nullptr;
        controls[i]->setSizePolicy(date ? QSizePolicy::Minimum : QSizePolicy::Ignored, QSizePolicy::Fixed);
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
