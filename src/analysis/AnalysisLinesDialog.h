#pragma once

#include "analysis/AnalysisLines.h"

#include <QDialog>
#include <QStringList>

class QPushButton;
class QSpinBox;
class QTableWidget;

// 分数线设置: the pass and excellence lines in percent of the full mark, and the full mark of each
// subject of the grade on show (a subject not listed keeps what it had).
class AnalysisLinesDialog : public QDialog
{
    Q_OBJECT

public:
    AnalysisLinesDialog(const AnalysisLines& lines, const QStringList& subjects, QWidget* parent);

    // What the user set; the full marks of other subjects as they were.
    AnalysisLines lines() const;

    QSpinBox* 及格线框;
    QSpinBox* 优秀线框;
    QTableWidget* 满分表格;
    QPushButton* 确定钮;
    QPushButton* 取消钮;

private:
    AnalysisLines m_lines;
    QStringList m_subjects;
};
