#pragma once

#include <QDate>
#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// 工资管理设置: the title, the pay month and the seven pay item names of the open wage sheet. It
// only asks; the wage page stores what was accepted.
class WageSettingsWindow : public QDialog
{
    Q_OBJECT

public:
    WageSettingsWindow(const QString& sheetName, const QString& title, const QStringList& itemNames, QDate today,
        QWidget* parent = nullptr);

    QString title() const;
    // The year item followed by the month item: "2011年3月份".
    QString payMonth() const;
    QStringList itemNames() const;

    QLabel* 标签1;
    QLabel* 标签8;
    QLineEdit* 工资表标题编辑框;
    QLabel* 标签10;
    QComboBox* 年份组合框;
    QComboBox* 月份组合框;
    QList<QLineEdit*> 工资项目编辑框; // 工资项目编辑框1 .. 工资项目编辑框7
    QLabel* 实发工资标签;
    QPushButton* 确定按钮;
    QPushButton* 取消按钮;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
