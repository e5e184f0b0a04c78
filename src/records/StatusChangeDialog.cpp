#include "records/StatusChangeDialog.h"

#include "classes/GbByteValidator.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "workspace/HeadingFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

using Controls::named;

namespace {

QLabel* questionLine(const QString& name)
{
    auto* label = named(new QLabel, name);
    label->setWordWrap(true);
    label->setMinimumHeight(label->fontMetrics().height() * 2 + 6);
    return label;
}

QPushButton* confirmButton(const QString& name)
{
    auto* button = named(new QPushButton(u"确 定"_s), name);
    button->setDefault(true);
    return button;
}

// A reason of at most 150 bytes, chosen or typed.
QComboBox* reasonBox(const QString& name, const QStringList& items)
{
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->lineEdit()->setValidator(new GbByteValidator(150, box));
    box->setMinimumContentsLength(16);
    return box;
}

QWidget* page(QLabel* question, const QList<QPair<QString, QWidget*>>& rows, QWidget* extra, QPushButton* confirm)
{
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(question);
    auto* form = new QFormLayout;
    for (const auto& [caption, field] : rows) {
        if (caption.isEmpty())
            form->addRow(field);
        else
            form->addRow(caption, field);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(form, 1);
    if (extra)
        layout->addWidget(extra);
    bottom->addWidget(confirm, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    layout->addStretch(1);
    return widget;
}

} // namespace

StatusChangeDialog::StatusChangeDialog(StatusChangeMode mode, QDate today, QWidget* parent, TeacherChange teacherChange)
    : QDialog(parent)
    , m_mode(mode)
{
    标签1 = named(new QLabel, u"标签1"_s);
    setHeadingFont(标签1, 1.3);
    标签1->setAlignment(Qt::AlignCenter);
    标签1->setFrameShape(QFrame::StyledPanel);
    标签1->setMinimumHeight(标签1->fontMetrics().height() + 10);

    离校标签 = questionLine(u"离校标签"_s);
    离校日期框 = named(new DateBox(today), u"离校日期框"_s);
    离校原因组合框 = reasonBox(
        u"离校原因组合框"_s, {u"转学"_s, u"休学"_s, u"退学"_s, u"辍学"_s, u"开除"_s, u"事故"_s, u"其他原因"_s});
    离校确定钮 = confirmButton(u"离校确定钮"_s);

    标签5 = questionLine(u"标签5"_s);
    调整班名组合框 = named(new QComboBox, u"调整班名组合框"_s);
    调整班名组合框->setMinimumContentsLength(12);
    调整确定钮 = confirmButton(u"调整确定钮"_s);

    毕业标签 = questionLine(u"毕业标签"_s);
    毕业标签->setText(
        u"    本操作将1年级升2年级  2年级升3年级．．．毕业年级毕业，请先将不毕业或留级的学生调到相应的班级再进行本操作！"_s
        u"由于本操作不可逆，强烈建议您备份升级前的资料！"_s);
    毕业日期框 = named(new DateBox(today), u"毕业日期框"_s);
    备份选择框 = named(new QCheckBox(u"备份毕业升级前的资料(推荐)"_s), u"备份选择框"_s);
    备份选择框->setChecked(true);
    毕业确定钮 = confirmButton(u"毕业确定钮"_s);

    const bool retire = teacherChange == TeacherChange::Retire;
    退休标签 = questionLine(u"退休标签"_s);
    标签11 = named(new QLabel(retire ? u"教员退休日期："_s : u"教员调离日期："_s), u"标签11"_s);
    退休日期框 = named(new DateBox(today), u"退休日期框"_s);
    标签2 = named(new QLabel(retire ? u"退休说明："_s : u"调离原因："_s), u"标签2"_s);
    退休调离组合框 = reasonBox(
        u"退休调离组合框"_s, retire ? QStringList {u"正常退休"_s, u"内退"_s} : QStringList {u"正常调动工作"_s});
    退休调离组合框->setCurrentIndex(0);
    退休确定钮 = confirmButton(u"退休确定钮"_s);

    复学标签 = questionLine(u"复学标签"_s);
    复学班级组合框 = named(new QComboBox, u"复学班级组合框"_s);
    复学班级组合框->setMinimumContentsLength(12);
    复学确定钮 = confirmButton(u"复学确定钮"_s);

    选择夹1 = named(new QTabWidget, u"选择夹1"_s);
    选择夹1->addTab(
        page(离校标签, {{u"离校日期："_s, 离校日期框}, {u"离校原因："_s, 离校原因组合框}}, nullptr, 离校确定钮),
        u"离校"_s);
    选择夹1->addTab(page(标签5, {{u"选择调整到的班级："_s, 调整班名组合框}}, nullptr, 调整确定钮), u"调班"_s);
    选择夹1->addTab(
        page(毕业标签, {{u"毕业日期："_s, 毕业日期框}, {QString(), 备份选择框}}, nullptr, 毕业确定钮), u"毕业升级"_s);
    auto* retirePage = new QWidget;
    {
        auto* layout = new QVBoxLayout(retirePage);
        layout->addWidget(退休标签);
        auto* grid = new QGridLayout;
        grid->addWidget(标签11, 0, 0);
        grid->addWidget(退休日期框, 0, 1);
        grid->addWidget(标签2, 1, 0);
        grid->addWidget(退休调离组合框, 1, 1);
        grid->addWidget(退休确定钮, 1, 2, Qt::AlignBottom);
        grid->setColumnStretch(1, 1);
        layout->addLayout(grid);
        layout->addStretch(1);
    }
    选择夹1->addTab(retirePage, u"退休"_s);
    选择夹1->addTab(page(复学标签, {{u"选择恢复到的班级："_s, 复学班级组合框}}, nullptr, 复学确定钮), u"恢复"_s);
    // The program chooses the page: the user never switches it.
    const int current = static_cast<int>(mode);
    for (int i = 0; i < 选择夹1->count(); ++i)
        选择夹1->setTabEnabled(i, i == current);
    选择夹1->setCurrentIndex(current);

    取消钮 = named(new QPushButton(u"取 消"_s), u"取消钮"_s);
    取消钮->setAutoDefault(false);
    connect(取消钮, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {离校确定钮, 调整确定钮, 毕业确定钮, 退休确定钮, 复学确定钮})
        connect(b, &QPushButton::clicked, this, &StatusChangeDialog::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(标签1);
    layout->addWidget(选择夹1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(取消钮);
    layout->addLayout(buttons);

    QString title;
    QString headingText;
    switch (mode) {
    case StatusChangeMode::Leave:
        title = u"学生因转学、退学等原因离开本校"_s;
        headingText = u"学生转学退学离校"_s;
        break;
    case StatusChangeMode::ChangeClass:
        title = headingText = u"调整学生班级"_s;
        break;
    case StatusChangeMode::Graduation:
        title = headingText = u"学生升级毕业"_s;
        break;
    case StatusChangeMode::RetireOrTransfer:
        title = headingText = retire ? u"本校教员退休"_s : u"教员调离本校"_s;
        break;
    case StatusChangeMode::Reenrol:
        title = u"离校学生复学"_s;
        headingText = u"离开本校的学生复学"_s;
        break;
    }
    setWindowTitle(title);
    标签1->setText(headingText);
    setMinimumWidth(552);
}

QLabel* StatusChangeDialog::questionLabel() const
{
    switch (m_mode) {
    case StatusChangeMode::Leave:
        return 离校标签;
    case StatusChangeMode::ChangeClass:
        return 标签5;
    case StatusChangeMode::Graduation:
        return 毕业标签;
    case StatusChangeMode::RetireOrTransfer:
        return 退休标签;
    case StatusChangeMode::Reenrol:
        break;
    }
    return 复学标签;
}

void StatusChangeDialog::setQuestion(const QString& text)
{
    questionLabel()->setText(text);
}

QString StatusChangeDialog::question() const
{
    return questionLabel()->text();
}

void StatusChangeDialog::confirm()
{
    if (!onConfirm || onConfirm())
        accept();
}
