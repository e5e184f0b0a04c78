#include "wages/WageSettingsWindow.h"

#include "wages/WageSheet.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

WageSettingsWindow::WageSettingsWindow(
    const QString& sheetName, const QString& title, const QStringList& itemNames, QDate today, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"WageSettingsWindow"_s);
    setWindowTitle(u"工资管理设置"_s);

    标签1 = new QLabel(u"设置修改 "_s + sheetName + u" 的工资项目名称"_s);
    标签1->setObjectName(u"标签1"_s);
    QFont heading = 标签1->font();
    heading.setBold(true);
    标签1->setFont(heading);

    标签8 = new QLabel(u"工资表标题："_s);
    标签8->setObjectName(u"标签8"_s);
    工资表标题编辑框 = new QLineEdit(title);
    工资表标题编辑框->setObjectName(u"工资表标题编辑框"_s);
    标签10 = new QLabel(u"发工资月份："_s);
    标签10->setObjectName(u"标签10"_s);
    年份组合框 = new QComboBox;
    年份组合框->setObjectName(u"年份组合框"_s);
    for (int year = today.year() - 4; year <= today.year() + 5; ++year)
        年份组合框->addItem(QString::number(year) + u'年');
    年份组合框->setCurrentIndex(4);
    月份组合框 = new QComboBox;
    月份组合框->setObjectName(u"月份组合框"_s);
    for (int month = 1; month <= 12; ++month)
        月份组合框->addItem(QString::number(month) + u"月份"_s);
    月份组合框->setCurrentIndex(today.month() - 1);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(标签8);
    titleRow->addWidget(工资表标题编辑框, 1);
    titleRow->addSpacing(12);
    titleRow->addWidget(标签10);
    titleRow->addWidget(年份组合框);
    titleRow->addWidget(月份组合框);

    // The items read as the net pay's formula: 1 + … + 5 − 6 − 7 = 实发工资.
    auto* itemRow = new QHBoxLayout;
    itemRow->setSpacing(3);
    for (int i = 0; i < WageSheet::ItemCount; ++i) {
        if (i > 0) {
            auto* sign = new QLabel(i < 5 ? u"＋"_s : u"－"_s);
            sign->setObjectName(u"工资项目符号"_s + QString::number(i));
            itemRow->addWidget(sign);
        }
        auto* box = new QLineEdit(itemNames.value(i));
        box->setObjectName(u"工资项目编辑框"_s + QString::number(i + 1));
        // Narrow enough that the window fits a screen 800 pixels wide.
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(u"公积金"_s) + 10);
        box->installEventFilter(this);
        工资项目编辑框 << box;
        itemRow->addWidget(box, 1);
    }
    itemRow->addWidget(new QLabel(u"＝"_s));
    实发工资标签 = new QLabel(u"实发工资"_s);
    实发工资标签->setObjectName(u"实发工资标签"_s);
    itemRow->addWidget(实发工资标签);
    工资表标题编辑框->installEventFilter(this);

    确定按钮 = new QPushButton(u"确 定"_s);
    确定按钮->setObjectName(u"确定按钮"_s);
    确定按钮->setDefault(true);
    取消按钮 = new QPushButton(u"取 消"_s);
    取消按钮->setObjectName(u"取消按钮"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(确定按钮);
    buttons->addWidget(取消按钮);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(4);
    layout->addWidget(标签1);
    layout->addLayout(titleRow);
    layout->addLayout(itemRow);
    layout->addLayout(buttons);

    connect(年份组合框, &QComboBox::activated, this, [this] { 月份组合框->setFocus(); });
    connect(月份组合框, &QComboBox::activated, this, [this] { 工资项目编辑框.first()->setFocus(); });
    connect(确定按钮, &QPushButton::clicked, this, &QDialog::accept);
    connect(取消按钮, &QPushButton::clicked, this, &QDialog::reject);

    setFixedHeight(145);
    resize(std::max(minimumSizeHint().width(), 760), 145);
    工资表标题编辑框->setFocus();
    工资表标题编辑框->selectAll();
}

QString WageSettingsWindow::title() const
{
    return 工资表标题编辑框->text();
}

QString WageSettingsWindow::payMonth() const
{
    return 年份组合框->currentText() + 月份组合框->currentText();
}

QStringList WageSettingsWindow::itemNames() const
{
    QStringList names;
    for (const QLineEdit* box : 工资项目编辑框)
        names << box->text();
    return names;
}

bool WageSettingsWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Selected after the click that gave the focus has placed its caret.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}
