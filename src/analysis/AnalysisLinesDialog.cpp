#include "analysis/AnalysisLinesDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QSpinBox* percentBox(const QString& name, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 100);
    box->setSuffix(u" %"_s);
    box->setValue(value);
    return box;
}

} // namespace

AnalysisLinesDialog::AnalysisLinesDialog(const AnalysisLines& lines, const QStringList& subjects, QWidget* parent)
    : QDialog(parent)
    , m_lines(lines)
    , m_subjects(subjects)
{
    setObjectName(u"AnalysisLinesDialog"_s);
    setWindowTitle(u"分数线设置"_s);
    及格线框 = percentBox(u"及格线框"_s, lines.pass, this);
    优秀线框 = percentBox(u"优秀线框"_s, lines.excellent, this);
    // The excellence line never lies below the pass line.
    connect(及格线框, &QSpinBox::valueChanged, this, [this](int v) { 优秀线框->setMinimum(v); });
    优秀线框->setMinimum(lines.pass);

    满分表格 = new QTableWidget(int(subjects.size()), 2, this);
    满分表格->setObjectName(u"满分表格"_s);
    满分表格->setHorizontalHeaderLabels({u"科目"_s, u"满分"_s});
    满分表格->verticalHeader()->hide();
    满分表格->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int r = 0; r < subjects.size(); ++r) {
        auto* name = new QTableWidgetItem(subjects[r]);
        name->setFlags(Qt::ItemIsEnabled);
        满分表格->setItem(r, 0, name);
        auto* mark = new QSpinBox(满分表格);
        mark->setRange(1, AnalysisLines::MaxFullMark);
        mark->setValue(lines.fullMark(subjects[r]));
        满分表格->setCellWidget(r, 1, mark);
    }

    确定钮 = new QPushButton(u"确 定"_s, this);
    确定钮->setObjectName(u"确定钮"_s);
    确定钮->setDefault(true);
    取消钮 = new QPushButton(u"取 消"_s, this);
    取消钮->setObjectName(u"取消钮"_s);
    connect(确定钮, &QPushButton::clicked, this, &QDialog::accept);
    connect(取消钮, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(u"及格线（满分的百分比）："_s, 及格线框);
    form->addRow(u"优秀线（满分的百分比）："_s, 优秀线框);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(确定钮);
    buttons->addWidget(取消钮);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(u"各科满分："_s, this));
    layout->addWidget(满分表格, 1);
    layout->addLayout(buttons);
    resize(360, 420);
}

AnalysisLines AnalysisLinesDialog::lines() const
{
    AnalysisLines out = m_lines;
    out.pass = 及格线框->value();
    out.excellent = qMax(优秀线框->value(), out.pass);
    for (int r = 0; r < m_subjects.size(); ++r) {
        if (const auto* mark = qobject_cast<const QSpinBox*>(满分表格->cellWidget(r, 1)))
            out.fullMarks.insert(m_subjects[r], mark->value());
    }
    return out;
}
