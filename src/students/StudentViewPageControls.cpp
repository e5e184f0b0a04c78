// The controls of the student view: its bar, the pupil's card with the photo and the marks table.
#include "students/StudentViewPage.h"

#include "classes/ClassBook.h"
#include "classes/ClassSelector.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/ElidedLabel.h"
#include "records/NameFlowView.h"
#include "records/PhotoBox.h"
#include "records/RecordPhoto.h"
#include "students/SteadyLabel.h"
#include "students/StudentCardTexts.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"
#include "text/LineBreaks.h"
#include "workspace/HeadTeacherList.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include <iterator>

using namespace Qt::StringLiterals;

namespace {

// Shares of the card's width, in thousandths of the window width: a caption a tenth, a value box
// 1/3.333 (two halves, so that a guardian row can split it), the photo 1/5.71.
constexpr int ColumnShares[] = {100, 150, 150, 100, 150, 150, 175};
// The photo keeps the proportions of a passport picture.
constexpr QSize PhotoShape(140, 188);

QLabel* label(const QString& name, const char* role, const QString& text = {})
{
    auto* l = new QLabel(text);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setProperty("role", role);
    return l;
}

QLabel* elided(const QString& name, const char* role)
{
    auto* l = new SteadyLabel<ElidedLabel>;
    l->setObjectName(name);
    l->setProperty("role", role);
    return l;
}

QLabel* markCell(const QString& name)
{
    auto* l = new SteadyLabel<QLabel>;
    l->setObjectName(name);
    l->setProperty("role", "mark");
    return l;
}

// Captions take their column's share like the values, but never cut their own text.
QLabel* caption(const QString& text)
{
    auto* l = label({}, "caption", text);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setMinimumWidth(l->sizeHint().width());
    return l;
}

QLabel* value(const QString& name, int height)
{
    auto* l = new SteadyLabel<ElidedLabel>;
    l->setObjectName(name);
    l->setProperty("role", "value");
    l->selectableUnderPointer();
    l->setFixedHeight(height);
    return l;
}

const char* PageStyle = R"(
QLabel[role="caption"] { color: #2e4057; padding-right: 4px; }
QLabel[role="value"] { background: white; border: 1px solid #c3ccd7; border-radius: 2px; padding: 0 6px; }
QFrame#查看卡片框 { background: #f6f8fb; border: 1px solid #b7c3d1; border-radius: 4px; }
QLabel[role="markHead"] { background: #e4ebf3; border: 1px solid #b7c3d1; padding: 1px; font-weight: bold; }
QLabel[role="mark"] { background: white; border: 1px solid #c3ccd7; padding: 1px; }
QPushButton#变动标签 { color: #c0392b; border: none; text-decoration: underline; text-align: left; padding: 0 6px; }
)";

} // namespace

void StudentViewPage::buildControls()
{
    setStyleSheet(QString::fromUtf8(PageStyle));

    查看页外形框 = new QFrame;
    查看页外形框->setObjectName(u"查看页外形框"_s);
    查看页外形框->setFrameShape(QFrame::StyledPanel);
    查看页外形框->setStyleSheet(
        u"QFrame#查看页外形框 { background: #2f5d8a; border-radius: 4px; } QLabel { color: white; }"_s);
    查看页标题标签 = new SteadyLabel<ElidedLabel>;
    查看页标题标签->setObjectName(u"查看页标题标签"_s);
    查看页标题标签->setAlignment(Qt::AlignCenter);
    QFont titleFont = 查看页标题标签->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    查看页标题标签->setFont(titleFont);
    查看页标题标签->setFixedHeight(QFontMetrics(titleFont).height() + 8);

    // The head teacher stands at the left end of the title bar, which saves the page a line; the
    // title stays centred and keeps clear of it.
    班主任标签 = label(u"班主任标签"_s, "head");
    班主任 = label(u"班主任"_s, "head");
    QFont headFont = 班主任->font();
    headFont.setBold(true);
    班主任->setFont(headFont);
    const int headRoom = QFontMetrics(headFont).horizontalAdvance(u"本班班主任：某某某某某"_s) + 8;
    查看页标题标签->setContentsMargins(headRoom, 0, headRoom, 0);
    auto* headRow = new QHBoxLayout;
    headRow->setContentsMargins(6, 0, 0, 0);
    headRow->addWidget(班主任标签);
    headRow->addWidget(班主任);
    auto* titleLayout = new QGridLayout(查看页外形框);
    titleLayout->setContentsMargins(4, 1, 4, 1);
    titleLayout->addWidget(查看页标题标签, 0, 0);
    titleLayout->addLayout(headRow, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);

    查看班级名组合框 = new QComboBox;
    查看班级名组合框->setObjectName(u"查看班级名组合框"_s);
    查看学生统计标签 = new QLabel;
    查看学生统计标签->setObjectName(u"查看学生统计标签"_s);
    查看学生统计标签->setProperty("role", "counts");
    // The names run down in columns side by side: below the card of an 800 × 600 window there is
    // height for only three names one under another.
    查看学生列表框 = new NameFlowView(u"查看学生列表框"_s, style()->standardIcon(QStyle::SP_FileIcon));
    查看学生列表框->setContextMenuPolicy(Qt::CustomContextMenu);

    综合评价编辑框 = new QPlainTextEdit;
    综合评价编辑框->setObjectName(u"综合评价编辑框"_s);
    综合评价编辑框->setReadOnly(true);
    // The box grows with the window; on the smallest one it shows a few lines and scrolls.
    综合评价编辑框->setMinimumHeight(综合评价编辑框->fontMetrics().lineSpacing() * 3 + 12);
    查看学生列表框->setMinimumHeight(60);
    变动标签 = new QPushButton;
    变动标签->setObjectName(u"变动标签"_s);
    变动标签->setFlat(true);
    变动标签->setCursor(Qt::PointingHandCursor);

    离校学生菜单 = new QMenu(this);
    离校学生菜单->setObjectName(u"离校学生菜单"_s);
    for (const QString& command : {u"删除学生"_s, u"离校学生复学"_s}) {
        离校学生菜单->addAction(command, this, [this, command] { m_ws.shell.runCommand(command); });
    }

    // Below the card one line holds the comment's caption, the counts and the selector, and under
    // it the comment (left) sits beside the names (right): below the card of an 800 × 600 window
    // there is no height for a selector and a counts line above the names.
    auto* commentHead = new QHBoxLayout;
    commentHead->addWidget(label({}, "caption", u"评    语"_s));
    commentHead->addWidget(变动标签);
    commentHead->addStretch(1);
    commentHead->addWidget(查看学生统计标签);
    commentHead->addSpacing(6);
    commentHead->addWidget(查看班级名组合框);
    查看班级名组合框->setMinimumWidth(
        查看班级名组合框->fontMetrics().horizontalAdvance(u"6年级12班毕业学生资料"_s) + 40);
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(6);
    boxes->addWidget(综合评价编辑框, 1);
    boxes->addWidget(查看学生列表框, 1);
    auto* lower = new QVBoxLayout;
    lower->setSpacing(4);
    lower->addLayout(commentHead);
    lower->addLayout(boxes, 1);

    // The card keeps its height at every window size; the comment and the names take the rest.
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 4, 8, 4);
    root->setSpacing(4);
    root->addWidget(查看页外形框);
    root->addWidget(buildCard());
    root->addLayout(lower, 1);

    connect(查看班级名组合框, &QComboBox::currentIndexChanged, this, &StudentViewPage::selectorChanged);
    connect(查看学生列表框, &NameFlowView::currentRowChanged, this, [this] { showSelected(); });
    connect(查看学生列表框, &QWidget::customContextMenuRequested, this, &StudentViewPage::popUpMenu);
    connect(变动标签, &QPushButton::clicked, this, [this] {
        if (showLeaveNote)
            showLeaveNote(m_leaveNote);
    });
}

QWidget* StudentViewPage::buildCard()
{
    auto* card = new QFrame;
    card->setObjectName(u"查看卡片框"_s);
    card->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* grid = new QGridLayout(card);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    // Every column takes its share of the width whatever its texts, so a long value never moves
    // the grid.
    for (int c = 0; c < static_cast<int>(std::size(ColumnShares)); ++c)
        grid->setColumnStretch(c, ColumnShares[c]);
    const int rowHeight = fontMetrics().height() + 6;

    学生学号 = value(u"学生学号"_s, rowHeight);
    学生姓名 = value(u"学生姓名"_s, rowHeight);
    学生性别 = value(u"学生性别"_s, rowHeight);
    学生民族 = value(u"学生民族"_s, rowHeight);
    学生出生日期 = value(u"学生出生日期"_s, rowHeight);
    学生入学日期 = value(u"学生入学日期"_s, rowHeight);
    学生所在班级 = value(u"学生所在班级"_s, rowHeight);
    学生班内职务 = value(u"学生班内职务"_s, rowHeight);
    学生家庭住址 = value(u"学生家庭住址"_s, rowHeight);
    学生住宅电话 = value(u"学生住宅电话"_s, rowHeight);
    学生籍贯 = value(u"学生籍贯"_s, rowHeight);
    学生户籍 = value(u"学生户籍"_s, rowHeight);
    const QList<std::pair<QString, QLabel*>> fields {{u"学    号"_s, 学生学号}, {u"姓    名"_s, 学生姓名},
        {u"性    别"_s, 学生性别}, {u"民    族"_s, 学生民族}, {u"出生日期"_s, 学生出生日期},
        {u"入学日期"_s, 学生入学日期}, {u"所在班级"_s, 学生所在班级}, {u"班内职务"_s, 学生班内职务},
        {u"家庭住址"_s, 学生家庭住址}, {u"住宅电话"_s, 学生住宅电话}, {u"籍    贯"_s, 学生籍贯},
        {u"户籍所在地"_s, 学生户籍}};
    // Two field pairs per row: caption, value over two columns, caption, value over two columns.
    for (int i = 0; i < fields.size(); ++i) {
        const int row = i / 2;
        const int col = (i % 2) * 3;
        grid->addWidget(caption(fields[i].first), row, col);
        grid->addWidget(fields[i].second, row, col + 1, 1, 2);
    }

    // The photo stands beside the six rows of the pupil's own fields.
    const int photoHeight = 6 * rowHeight + 5 * grid->verticalSpacing();
    学生照片框 = new PhotoBox(u"学生照片框"_s);
    学生照片框->setProperty("role", "photo");
    学生照片框->setFixedSize(photoHeight * PhotoShape.width() / PhotoShape.height(), photoHeight);
    学生照片框->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    connect(学生照片框, &PhotoBox::zoomRequested, this, [this](const QByteArray& photo) {
        if (zoomPhoto)
            zoomPhoto(photo);
    });
    grid->addWidget(学生照片框, 0, 6, 6, 1, Qt::AlignHCenter | Qt::AlignTop);

    // The guardian rows reach under the photo: name, work unit and telephone each get room.
    家长1标签 = label(u"家长1标签"_s, "caption");
    家长2标签 = label(u"家长2标签"_s, "caption");
    父亲姓名 = value(u"父亲姓名"_s, rowHeight);
    父亲单位 = value(u"父亲单位"_s, rowHeight);
    父亲电话 = value(u"父亲电话"_s, rowHeight);
    母亲姓名 = value(u"母亲姓名"_s, rowHeight);
    母亲单位 = value(u"母亲单位"_s, rowHeight);
    母亲电话 = value(u"母亲电话"_s, rowHeight);
    int row = 6;
    for (const auto& [head, name, unit, phone] :
        {std::tuple {家长1标签, 父亲姓名, 父亲单位, 父亲电话}, std::tuple {家长2标签, 母亲姓名, 母亲单位, 母亲电话}}) {
        head->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The caption changes with the relation; it is as wide as the longest one can be.
        head->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        head->setMinimumWidth(head->fontMetrics().horizontalAdvance(u"家长姓名"_s) + 4);
        grid->addWidget(head, row, 0);
        grid->addWidget(name, row, 1);
        grid->addWidget(caption(u"工作单位"_s), row, 2);
        grid->addWidget(unit, row, 3, 1, 2);
        grid->addWidget(caption(u"电  话"_s), row, 5);
        grid->addWidget(phone, row, 6);
        ++row;
    }

    考试成绩表标签 = label(u"考试成绩表标签"_s, "caption", u"考试成绩"_s);
    考试成绩表标签->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    考试成绩表标签->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(考试成绩表标签, row, 0);
    grid->addWidget(buildMarks(), row, 1, 1, static_cast<int>(std::size(ColumnShares)) - 1);
    return card;
}

QWidget* StudentViewPage::buildMarks()
{
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    const int cellHeight = fontMetrics().height() + 4;
    for (int i = 0; i <= 10; ++i) {
        // A school's subject may be longer than an 800-pixel card's column: "…" and the tooltip.
        科目标签[i] = i == 0 ? label(u"科目标签0"_s, "markHead") : elided(u"科目标签%1"_s.arg(i), "markHead");
        期中标签[i] = i == 0 ? label(u"期中标签0"_s, "markHead") : markCell(u"期中标签%1"_s.arg(i));
        期末标签[i] = i == 0 ? label(u"期末标签0"_s, "markHead") : markCell(u"期末标签%1"_s.arg(i));
        for (QLabel* cell : {科目标签[i], 期中标签[i], 期末标签[i]}) {
            cell->setAlignment(Qt::AlignCenter);
            cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            cell->setFixedHeight(cellHeight);
        }
        grid->addWidget(科目标签[i], 0, i);
        grid->addWidget(期中标签[i], 1, i);
        grid->addWidget(期末标签[i], 2, i);
        grid->setColumnStretch(i, i == 0 ? 14 : 10);
    }
    科目标签[0]->setText(u"考试科目"_s);
    期中标签[0]->setText(u"期中考试"_s);
    期末标签[0]->setText(u"期末考试"_s);
    for (QLabel* head : {科目标签[0], 期中标签[0], 期末标签[0]})
        head->setMinimumWidth(head->fontMetrics().horizontalAdvance(head->text()) + 8);
    return box;
}
