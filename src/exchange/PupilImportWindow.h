#pragma once

#include "exchange/PupilImport.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class TextRowsModel;
struct Workspace;

// 导入学生资料: a spreadsheet of pupils chosen, every row shown with what is wrong with it, the
// class for the rows without one chosen, and the good rows added on 导入.
class PupilImportWindow : public QDialog
{
    Q_OBJECT

public:
    // The whole command after the rights check: no class, a cancelled dialog or an unreadable
    // file end it with a message where one is due. The classes that received pupils, none when
    // nothing was added.
    static QStringList open(Workspace& ws, const QString& preferredClass);

    PupilImportWindow(Workspace& ws, PupilImport::Preview preview, const QString& fileName, const QStringList& classes,
        QWidget* parent = nullptr);

    // The classes the import went into; empty until 导入 succeeded.
    const QStringList& filledClasses() const { return m_filled; }

    QLabel* 文件标签;
    QComboBox* 导入班级组合框;
    QLabel* 忽略列标签;
    QTableView* 导入预览表;
    QLabel* 统计标签;
    QCheckBox* 只看有误复选框;
    QPushButton* 导入按钮;
    QPushButton* 取消按钮;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void importRows();

    Workspace& m_ws;
    PupilImport::Preview m_preview;
    TextRowsModel* m_rows;
    QStringList m_filled;
    bool m_shown = false;
};
