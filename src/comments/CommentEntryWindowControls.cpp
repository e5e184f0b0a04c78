// The controls of the comment window: its two pages, their lists and links, the colour schemes
// and the font size of the comment boxes.
#include "comments/CommentEntryWindow.h"

#include "classes/ClassSelector.h"
#include "comments/CommentComposer.h"
#include "comments/CommentKinds.h"
#include "comments/CommentLibraryMenus.h"
#include "comments/EntryEditDelegate.h"
#include "comments/SteadyRandomSource.h"
#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/GrowthLineLimit.h"
#include "records/LongTextLimit.h"
#include "records/NameListView.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template<typename W>
W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* link(const QString& name, const QString& caption)
{
    auto* l = named(new QLabel(caption), name);
    l->setCursor(Qt::PointingHandCursor);
    l->setAlignment(Qt::AlignCenter);
    l->setMargin(3);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(0x1a, 0x5f, 0xb4));
    l->setPalette(p);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    return l;
}

QTreeWidget* list(const QString& name, const QStringList& headers)
{
    auto* t = named(new QTreeWidget, name);
    t->setColumnCount(static_cast<int>(headers.size()));
    t->setHeaderLabels(headers);
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    return t;
}

struct Scheme
{
    QString name;
    QColor background;
    QColor text;
};

const QList<Scheme>& schemes()
{
    static const QList<Scheme> all {
        {u"默认方案"_s, QColor(255, 255, 255), QColor(0, 0, 0)},
        {u"银装素裹"_s, QColor(255, 255, 255), QColor(128, 128, 0)},
        {u"蓝天白云"_s, QColor(0, 96, 192), QColor(255, 255, 255)},
        {u"浪漫情怀"_s, QColor(128, 128, 192), QColor(255, 255, 0)},
        {u"草原之夜"_s, QColor(0, 52, 0), QColor(255, 255, 255)},
        {u"夜色深沉"_s, QColor(0, 0, 0), QColor(236, 236, 236)},
    };
    return all;
}

QWidget* row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true)
{
    auto* w = new QWidget;
    auto* layout = new QHBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    if (stretchAtEnd)
        layout->addStretch();
    return w;
}

} // namespace

void CommentEntryWindow::buildControls()
{
    // The title sits in a holder outside the layouts, sized to it on every resize: a label in a
    // layout asks the whole window to be laid out again whenever its text changes, that is for
    // every pupil.
    m_titleHolder = new QWidget;
    标签2 = named(new QLabel(m_titleHolder), u"标签2"_s);
    标签2->setAlignment(Qt::AlignCenter);
    QFont titleFont = 标签2->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    标签2->setFont(titleFont);
    标签2->setText(u"您正在录入同学的评语"_s);
    m_titleHolder->setFixedHeight(标签2->sizeHint().height() + 2);
    m_titleHolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_titleHolder->installEventFilter(this);
    标签2->clear();

    评语班级名组合框 = named(new QComboBox, u"评语班级名组合框"_s);
    评语姓名列表框 = new NameListView(u"评语姓名列表框"_s, {u"学号"_s, u"姓名"_s});
    评语姓名列表框->setColumnWidth(0, 70);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(row({new QLabel(u"选择"_s), 评语班级名组合框}, false));
    leftLayout->addWidget(评语姓名列表框, 1);
    left->setMaximumWidth(230);
    // Room for a number and a four-character name beside the scroll bar.
    left->setMinimumWidth(70 + 评语姓名列表框->fontMetrics().horizontalAdvance(u"欧阳思琪"_s) + 40);

    选择夹1 = named(new QTabWidget, u"选择夹1"_s);
    选择夹1->addTab(buildEntriesPage(), u"单句评语"_s);
    选择夹1->addTab(buildModelsPage(), u"范例评语"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(left);
    top->addWidget(选择夹1, 1);

    综合评价钮 = named(new QPushButton(u"将当前的本学期评语加入到综合资料中"_s), u"综合评价钮"_s);
    词条范例转换钮 = named(new QPushButton(u"到范例评语录入↑"_s), u"词条范例转换钮"_s);
    随机录入按钮 = named(new QPushButton(u"随机录入"_s), u"随机录入按钮"_s);
    清空按钮 = named(new QPushButton(u"清空"_s), u"清空按钮"_s);

    综合评语编辑框 = named(new QPlainTextEdit, u"综合评语编辑框"_s);
    本学期评语编辑框 = named(new QPlainTextEdit, u"本学期评语编辑框"_s);
    auto* boxes = new QGridLayout;
    boxes->addWidget(new QLabel(u"综合资料录入："_s), 0, 0);
    boxes->addWidget(row({综合评价钮}), 0, 1);
    boxes->addWidget(new QLabel(u"本学期评语录入："_s), 0, 2);
    boxes->addWidget(row({词条范例转换钮, 随机录入按钮, 清空按钮}), 0, 3);
    int column = 0;
    for (QPlainTextEdit* box : {综合评语编辑框, 本学期评语编辑框}) {
        auto* frame = new QFrame;
        frame->setFrameShape(QFrame::StyledPanel);
        auto* inner = new QVBoxLayout(frame);
        inner->setContentsMargins(4, 4, 4, 4);
        inner->addWidget(box);
        m_commentFrames[column / 2] = frame;
        boxes->addWidget(frame, 1, column, 1, 2);
        column += 2;
    }
    boxes->setRowStretch(1, 1);

    方案组合框 = named(new QComboBox, u"方案组合框"_s);
    for (const Scheme& s : schemes())
        方案组合框->addItem(s.name);
    字体组合框 = named(new QComboBox, u"字体组合框"_s);
    字体组合框->addItems({u"小"_s, u"中"_s, u"大"_s, u"最大"_s});
    保存评语按钮 = named(new QPushButton(u"保存评语"_s), u"保存评语按钮"_s);
    退出按钮 = named(new QPushButton(u"退出"_s), u"退出按钮"_s);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(u"配色方案："_s));
    bottom->addWidget(方案组合框);
    bottom->addSpacing(16);
    bottom->addWidget(new QLabel(u"字体大小："_s));
    bottom->addWidget(字体组合框);
    bottom->addStretch();
    bottom->addWidget(保存评语按钮);
    bottom->addWidget(退出按钮);
    for (QPushButton* b : {综合评价钮, 词条范例转换钮, 随机录入按钮, 清空按钮, 保存评语按钮, 退出按钮})
        b->setAutoDefault(false);

    状态条1 = named(new QStatusBar, u"状态条1"_s);
    状态条1->setSizeGripEnabled(false);
    状态条1->showMessage(u"           提示：双击评语词条可录入该条评语 单击右键可修改、添加、删除评语 "
                         u"单击表上方的分类按钮可选择该类型的评语"_s);

    评语菜单 = named(new QMenu(u"评语菜单"_s, this), u"评语菜单"_s);
    范例菜单 = named(new QMenu(u"范例菜单"_s, this), u"范例菜单"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_titleHolder);
    layout->addLayout(top, 3);
    layout->addLayout(boxes, 2);
    layout->addLayout(bottom);
    layout->addWidget(状态条1);

    字体组合框->setCurrentIndex(1);
    applyFontSize(1);
}

QWidget* CommentEntryWindow::buildEntriesPage()
{
    选择词条库组合框 = named(new QComboBox, u"选择词条库组合框"_s);
    选择词条库组合框->addItems(CommentKinds::libraries());
    分类操作转换钮 = named(new QPushButton(u"自动转分类"_s), u"分类操作转换钮"_s);
    分类操作转换钮->setAutoDefault(false);
    const QStringList captions = CommentKinds::categoryCaptions();
    标题1 = link(u"标题1"_s, captions[0]);
    标题2 = link(u"标题2"_s, captions[1]);
    标题3 = link(u"标题3"_s, captions[2]);
    标题4 = link(u"标题4"_s, captions[3]);
    标题5 = link(u"标题5"_s, captions[4]);
    标题6 = link(u"标题6"_s, captions[5]);
    标题7 = link(u"标题7"_s, captions[6]);
    // The links get a row of their own: beside the library box they made the window wider than an
    // 800-pixel screen.
    auto* bar = new QVBoxLayout;
    auto* library = new QHBoxLayout;
    library->addWidget(选择词条库组合框);
    library->addWidget(分类操作转换钮);
    library->addStretch();
    auto* links = new QHBoxLayout;
    for (QLabel* l : categoryLinks())
        links->addWidget(l);
    links->addStretch();
    bar->addLayout(library);
    bar->addLayout(links);

    评语词条列表框 = list(u"评语词条列表框"_s, {u"  ☆★☆　双击列表中的评语词条可录入该条评语　☆★☆"_s, u"id"_s});
    // The key column is there for the program only.
    评语词条列表框->setColumnHidden(1, true);
    评语词条列表框->setContextMenuPolicy(Qt::CustomContextMenu);
    m_entryDelegate = new EntryEditDelegate(评语词条列表框);
    评语词条列表框->setItemDelegateForColumn(0, m_entryDelegate);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(bar);
    layout->addWidget(评语词条列表框, 1);
    return page;
}

QWidget* CommentEntryWindow::buildModelsPage()
{
    选择范例库组合框 = named(new QComboBox, u"选择范例库组合框"_s);
    选择范例库组合框->addItems(CommentKinds::libraries());
    const QStringList kinds = CommentKinds::modelKinds();
    优等生评语范例钮 = link(u"优等生评语范例钮"_s, kinds[0]);
    中等生评语范例钮 = link(u"中等生评语范例钮"_s, kinds[1]);
    后进生评语范例钮 = link(u"后进生评语范例钮"_s, kinds[2]);
    auto* bar = new QHBoxLayout;
    bar->addWidget(选择范例库组合框);
    for (QLabel* l : modelLinks())
        bar->addWidget(l);
    bar->addStretch();

    范例评语列表框 = list(u"范例评语列表框"_s, {u"  ★☆★　单击下表中的评语范例可录入该段评语　★☆★"_s});
    范例评语列表框->setContextMenuPolicy(Qt::CustomContextMenu);
    详细评语编辑框 = named(new QPlainTextEdit, u"详细评语编辑框"_s);
    详细评语编辑框->setReadOnly(true);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(bar);
    layout->addWidget(范例评语列表框, 3);
    layout->addWidget(new QLabel(u"当前评语详细内容↓"_s));
    layout->addWidget(详细评语编辑框, 2);
    return page;
}

void CommentEntryWindow::connectControls()
{
    for (QLabel* l : categoryLinks())
        l->installEventFilter(this);
    for (QLabel* l : modelLinks())
        l->installEventFilter(this);
    connect(评语班级名组合框, &QComboBox::currentIndexChanged, this, &CommentEntryWindow::classChanged);
    connect(评语姓名列表框, &NameListView::currentRowChanged, this, &CommentEntryWindow::pupilChanged);
    connect(选择词条库组合框, &QComboBox::currentIndexChanged, this, &CommentEntryWindow::entryLibraryChanged);
    connect(选择范例库组合框, &QComboBox::currentIndexChanged, this, &CommentEntryWindow::modelLibraryChanged);
    connect(评语词条列表框, &QTreeWidget::itemDoubleClicked, this, &CommentEntryWindow::insertEntry);
    connect(范例评语列表框, &QTreeWidget::currentItemChanged, this, &CommentEntryWindow::showPreview);
    connect(范例评语列表框, &QTreeWidget::itemClicked, this, &CommentEntryWindow::insertModel);
    connect(分类操作转换钮, &QPushButton::clicked, this, &CommentEntryWindow::switchMode);
    connect(词条范例转换钮, &QPushButton::clicked, this, &CommentEntryWindow::switchPage);
    connect(选择夹1, &QTabWidget::currentChanged, this, &CommentEntryWindow::pageShown);
    connect(随机录入按钮, &QPushButton::clicked, this, &CommentEntryWindow::randomComment);
    connect(清空按钮, &QPushButton::clicked, this, [this] { m_termLimit->insert({}, false); });
    connect(综合评价钮, &QPushButton::clicked, this, &CommentEntryWindow::addToOverall);
    connect(保存评语按钮, &QPushButton::clicked, this, &CommentEntryWindow::save);
    connect(退出按钮, &QPushButton::clicked, this, &QDialog::reject);
    connect(方案组合框, &QComboBox::currentIndexChanged, this, &CommentEntryWindow::applyScheme);
    connect(字体组合框, &QComboBox::currentIndexChanged, this, &CommentEntryWindow::applyFontSize);
    connect(评语词条列表框, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { 评语菜单->popup(评语词条列表框->viewport()->mapToGlobal(at)); });
    connect(范例评语列表框, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { 范例菜单->popup(范例评语列表框->viewport()->mapToGlobal(at)); });
}

std::array<QLabel*, 7> CommentEntryWindow::categoryLinks() const
{
    return {标题1, 标题2, 标题3, 标题4, 标题5, 标题6, 标题7};
}

std::array<QLabel*, 3> CommentEntryWindow::modelLinks() const
{
    return {优等生评语范例钮, 中等生评语范例钮, 后进生评语范例钮};
}

void CommentEntryWindow::applyScheme(int scheme)
{
    if (scheme < 0 || scheme >= schemes().size())
        return;
    const Scheme& s = schemes().at(scheme);
    const QList<QWidget*> texts {
        评语姓名列表框, 评语词条列表框, 范例评语列表框, 综合评语编辑框, 本学期评语编辑框, 详细评语编辑框};
    for (QWidget* w : texts) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, s.background);
        p.setColor(QPalette::Text, s.text);
        w->setPalette(p);
    }
    for (QFrame* frame : m_commentFrames) {
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, s.background);
        frame->setPalette(p);
        frame->setAutoFillBackground(true);
    }
}

void CommentEntryWindow::applyFontSize(int size)
{
    if (size < 0 || size > 3)
        return;
    const QList<QWidget*> texts {
        评语姓名列表框, 评语词条列表框, 范例评语列表框, 综合评语编辑框, 本学期评语编辑框, 详细评语编辑框};
    for (QWidget* w : texts) {
        QFont f = w->font();
        f.setPointSize(9 + size);
        w->setFont(f);
    }
}
