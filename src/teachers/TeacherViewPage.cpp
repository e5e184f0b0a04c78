#include "teachers/TeacherViewPage.h"

#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "printing/TeacherCard.h"
#include "printing/TeacherCardReport.h"
#include "records/ElidedLabel.h"
#include "records/NameListView.h"
#include "records/PhotoBox.h"
#include "teachers/TeacherCardTexts.h"
#include "teachers/TeacherFields.h"
#include "teachers/TeacherRecords.h"
#include "text/LineBreaks.h"
#include "workspace/PageFrame.h"
#include "workspace/ProgramState.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const char* PageStyle = R"(
QLabel[role="caption"] { color: #2e4057; padding-right: 4px; }
QLabel[role="value"] { background: white; border: 1px solid #c3ccd7; border-radius: 2px; padding: 2px 8px; }
QFrame#教员卡片框 { background: #f6f8fb; border: 1px solid #b7c3d1; border-radius: 4px; }
QPushButton#教员当前去向 { color: #c0392b; border: none; text-decoration: underline; text-align: left; padding: 0 6px; }
)";

QLabel* value(const QString& name)
{
    // A long value ends in "…" inside its box, whole as the tooltip.
    auto* l = new ElidedLabel;
    l->setObjectName(name);
    l->setProperty("role", "value");
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The grid keeps its proportions: a long value never widens a column.
    l->setMinimumHeight(26);
    return l;
}

QLabel* caption(const QString& text)
{
    auto* l = new QLabel(text);
    l->setProperty("role", "caption");
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

TeacherViewPage::TeacherViewPage(Workspace& ws, PageFrame& frame, QWidget* parent)
    : QWidget(parent)
    , m_ws(ws)
    , m_frame(frame)
    , m_navigation(nullptr)
{
    setObjectName(u"查看教员页"_s);
    setStyleSheet(QString::fromUtf8(PageStyle));
    教员姓名 = value(u"教员姓名"_s);
    教员性别 = value(u"教员性别"_s);
    教员民族 = value(u"教员民族"_s);
    教员出生日期 = value(u"教员出生日期"_s);
    教员学历 = value(u"教员学历"_s);
    教员政治面貌 = value(u"教员政治面貌"_s);
    教员参加工作时间 = value(u"教员参加工作时间"_s);
    教员调入本校时间 = value(u"教员调入本校时间"_s);
    教员职称 = value(u"教员职称"_s);
    教员职务 = value(u"教员职务"_s);
    教员身份证 = value(u"教员身份证"_s);
    教员手机号 = value(u"教员手机号"_s);
    教员家庭住址 = value(u"教员家庭住址"_s);
    教员住宅电话 = value(u"教员住宅电话"_s);
    教员籍贯 = value(u"教员籍贯"_s);
    教员户籍 = value(u"教员户籍"_s);
    static const char16_t* const captions[] = {u"姓    名", u"性    别", u"民    族", u"出生日期", u"学    历",
        u"政治面貌", u"参加工作时间", u"调入本校时间", u"职    称", u"职务或岗位", u"身份证号", u"手机号码",
        u"家庭住址", u"住宅电话", u"籍    贯", u"户籍所在地"};

    auto* card = new QFrame;
    card->setObjectName(u"教员卡片框"_s);
    auto* grid = new QGridLayout(card);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(7);
    const auto labels = valueLabels();
    for (int i = 0; i < 16; ++i) {
        const int row = i / 2;
        const int col = (i % 2) * 2;
        grid->addWidget(caption(QString::fromUtf16(captions[i])), row, col);
        grid->addWidget(labels[i], row, col + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    教员照片 = new PhotoBox(u"教员照片"_s);
    grid->addWidget(教员照片, 0, 4, 6, 1, Qt::AlignTop | Qt::AlignHCenter);
    connect(教员照片, &PhotoBox::zoomRequested, this, [this](const QByteArray& photo) {
        if (zoomPhoto)
            zoomPhoto(photo);
    });

    教员当前去向 = new QPushButton;
    教员当前去向->setObjectName(u"教员当前去向"_s);
    教员当前去向->setFlat(true);
    教员当前去向->setCursor(Qt::PointingHandCursor);
    教员当前去向->hide();
    connect(教员当前去向, &QPushButton::clicked, this, [this] {
        if (showLeaveNote)
            showLeaveNote(m_leaveNote);
    });
    教员简历与资料编辑框 = new QPlainTextEdit;
    教员简历与资料编辑框->setObjectName(u"教员简历与资料编辑框"_s);
    教员简历与资料编辑框->setReadOnly(true);
    查看教员统计标签 = new QLabel(u"  请选择要查看的教员姓名"_s);
    查看教员统计标签->setObjectName(u"查看教员统计标签"_s);
    查看教员统计标签->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    查看教员列表框 = new NameListView(u"查看教员列表框"_s, {u"编号"_s, u"姓名"_s});
    查看教员列表框->showNamesOnly(style()->standardIcon(QStyle::SP_FileIcon));
    查看教员列表框->setContextMenuPolicy(Qt::CustomContextMenu);
    m_navigation = ItemViewNavigation(查看教员列表框);

    auto* lower = new QGridLayout;
    lower->addWidget(教员当前去向, 0, 0);
    lower->addWidget(查看教员统计标签, 0, 1);
    lower->addWidget(教员简历与资料编辑框, 1, 0);
    lower->addWidget(查看教员列表框, 1, 1);
    lower->setColumnStretch(0, 3);
    lower->setColumnStretch(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(card);
    layout->addLayout(lower, 1);

    connect(查看教员列表框, &NameListView::currentRowChanged, this, [this] { showSelected(); });
    connect(查看教员列表框, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = m_ws.shell.menu(m_listedKind == TeacherViewKind::InService ? u"教员管理" : u"教离");
        if (menu)
            menu->popup(查看教员列表框->viewport()->mapToGlobal(at));
    });
}

std::array<QLabel*, 16> TeacherViewPage::valueLabels() const
{
    return {教员姓名, 教员性别, 教员民族, 教员出生日期, 教员学历, 教员政治面貌, 教员参加工作时间, 教员调入本校时间,
        教员职称, 教员职务, 教员身份证, 教员手机号, 教员家庭住址, 教员住宅电话, 教员籍贯, 教员户籍};
}

void TeacherViewPage::show(TeacherViewKind kind)
{
    m_ws.state.setCurrentViewKind(TeacherViewKinds::text(kind));
    loadNames();
    selectRow(0);
    enter(kind);
}

void TeacherViewPage::openOnTeacher(TeacherViewKind kind, qint64 number)
{
    m_ws.state.setCurrentViewKind(TeacherViewKinds::text(kind));
    loadNames();
    selectRow(std::max(0, 查看教员列表框->rowOfNumber(number)));
    enter(kind);
}

void TeacherViewPage::enter(TeacherViewKind kind)
{
    m_ws.state.setStatusState(TeacherCardTexts::stateText(kind));
    m_ws.state.setStatusHint(TeacherCardTexts::hint(kind));
    m_ws.shell.openPage(Page::TeacherView);
}

void TeacherViewPage::loadNames()
{
    const auto kind = TeacherViewKinds::fromText(m_ws.state.currentViewKind()).value_or(TeacherViewKind::InService);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto list = TeacherRecords(m_ws.teacherDb).names(kind);
    if (list) {
        查看教员列表框->setRows(NameListView::rowsOf(list->names));
        m_male = list->male;
        m_female = list->female;
    } else {
        // The old names belong to another file: they must not stay on show under this title.
        查看教员列表框->setRows({});
        m_male = m_female = 0;
    }
    m_listedKind = kind;
    QApplication::restoreOverrideCursor();
    查看教员统计标签->setText(
        TeacherRecords::countsLine(TeacherCardTexts::countsPrefix(kind), 查看教员列表框->rowCount(), m_male, m_female));
    if (!list)
        m_ws.services.prompt.show(u"载入教员姓名数据失败！"_s);
}

void TeacherViewPage::selectRow(int row)
{
    {
        const QSignalBlocker blocker(查看教员列表框);
        查看教员列表框->setCurrentRow(row >= 0 && row < 查看教员列表框->rowCount() ? row : -1);
    }
    if (查看教员列表框->currentRow() >= 0)
        查看教员列表框->scrollTo(查看教员列表框->currentIndex());
    showSelected();
}

void TeacherViewPage::showSelected()
{
    const QString school = m_ws.state.schoolName();
    if (查看教员列表框->currentRow() < 0) {
        clearRecord();
        m_frame.setTitle(TeacherCardTexts::emptyTitle(m_listedKind, school));
        return;
    }
    const auto teacher
        = TeacherRecords(m_ws.teacherDb).record(m_listedKind, 查看教员列表框->currentText(0).toLongLong());
    if (!teacher) {
        // Gone since the list was loaded: an empty card, never the previous teacher's.
        clearRecord();
        m_frame.setTitle(TeacherCardTexts::emptyTitle(m_listedKind, school));
        m_ws.services.prompt.show(u"载入教员数据失败！"_s);
        return;
    }
    const auto labels = valueLabels();
    for (size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(teacher.value().*TeacherFields[i].member);
        labels[i]->setToolTip(labels[i]->text());
    }
    教员照片->setPhoto(teacher->照片);
    m_resume = teacher->个人简历;
    教员简历与资料编辑框->setPlainText(
        LineBreaks::forDisplay(TeacherCardTexts::combinedText(teacher->个人简历, teacher->其他资料)));
    const QString name = 查看教员列表框->currentText(1);
    m_frame.setTitle(TeacherCardTexts::title(m_listedKind, school, name));
    const QString link = TeacherCardTexts::leaveLink(m_listedKind, teacher->姓名);
    教员当前去向->setText(link);
    教员当前去向->setVisible(!link.isEmpty());
    m_leaveNote = TeacherCardTexts::leaveNote(m_listedKind, teacher->姓名, teacher->离校时间, teacher->离校原因);
}

void TeacherViewPage::clearRecord()
{
    for (QLabel* l : valueLabels()) {
        l->clear();
        l->setToolTip({});
    }
    教员简历与资料编辑框->clear();
    教员当前去向->setText({});
    教员当前去向->hide();
    查看教员统计标签->clear();
    m_leaveNote.clear();
    m_resume.clear();
    教员照片->setPhoto({});
}

std::optional<std::pair<qint64, QString>> TeacherViewPage::selectedTeacher() const
{
    if (查看教员列表框->currentRow() < 0)
        return std::nullopt;
    return std::pair {查看教员列表框->currentText(0).toLongLong(), 查看教员列表框->currentText(1)};
}

void TeacherViewPage::removeSelectedTeacher()
{
    查看教员列表框->removeRow(查看教员列表框->currentRow());
    selectRow(0);
}

ReportBuild TeacherViewPage::buildReport(SheetTable& sheet, const QDate& today)
{
    TeacherCard card;
    card.schoolName = m_ws.state.schoolName();
    card.title = m_frame.titleLabel()->text();
    card.listEmpty = 查看教员列表框->rowCount() == 0;
    const auto labels = valueLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        card.values.insert(QString::fromUtf16(TeacherFields[i].column), labels[i]->text());
    card.photo = 教员照片->photo();
    card.resume = m_resume;
    card.leaveNote = m_leaveNote;
    return TeacherCardReport::build(sheet, card, today);
}
