#include "exchange/PupilImportWindow.h"

#include "classes/ClassBook.h"
#include "exchange/SpreadsheetReader.h"
#include "platform/FileChooser.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "records/TextRowsModel.h"
#include "students/StudentFields.h"
#include "students/StudentRecords.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor BadText(0xb0, 0x10, 0x10);
const QColor BadBackground(0xfd, 0xec, 0xec);
constexpr int ErrorColumn = 1;

QLabel* namedLabel(const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    return button;
}

QString fieldText(const StudentRecord& pupil, const QString& caption)
{
    for (const StudentField& f : StudentFields) {
        if (caption == QStringView(f.column))
            return pupil.*f.member;
    }
    return {};
}

} // namespace

QStringList PupilImportWindow::open(Workspace& ws, const QString& preferredClass)
{
    Prompt& prompt = ws.services.prompt;
    const auto classes = ClassBook(ws.studentDb).list();
    if (!classes || classes->isEmpty()) {
        prompt.show(u"目前没有班级数据！请先进行校务设置！"_s);
        return {};
    }
    const auto path = ws.services.fileChooser.openFile(u"导入学生资料"_s, SpreadsheetReader::nameFilter());
    if (!path)
        return {};
    const PupilImport::Preview preview
        = PupilImport(ws.studentDb).check(SpreadsheetReader::readFile(*path, ws.services.fileOps));
    if (!preview.error.isEmpty()) {
        prompt.show(preview.error, u"错误"_s, Prompt::Icon::Error);
        return {};
    }
    if (preview.rows.isEmpty()) {
        prompt.show(u"表格中除了列标题没有学生资料。"_s, u"提示"_s);
        return {};
    }
    QStringList names;
    for (const ClassEntry& c : *classes)
        names << c.name;
    PupilImportWindow window(ws, preview, QFileInfo(*path).fileName(), names, ws.shell.ownerWindow());
    if (const qsizetype at = names.indexOf(preferredClass); at >= 0)
        window.导入班级组合框->setCurrentIndex(static_cast<int>(at));
    window.exec();
    return window.filledClasses();
}

PupilImportWindow::PupilImportWindow(
    Workspace& ws, PupilImport::Preview preview, const QString& fileName, const QStringList& classes, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_preview(std::move(preview))
    , m_rows(new TextRowsModel(this))
{
    setObjectName(u"PupilImportWindow"_s);
    setWindowTitle(u"导入学生资料"_s);

    文件标签 = namedLabel(u"文件标签"_s, u"文件：%1"_s.arg(fileName));
    导入班级组合框 = new QComboBox;
    导入班级组合框->setObjectName(u"导入班级组合框"_s);
    导入班级组合框->addItems(classes);
    导入班级组合框->setMinimumContentsLength(10);
    auto* classLabel = new QLabel(u"导入到班级："_s);
    classLabel->setBuddy(导入班级组合框);
    auto* classHint = new QLabel(u"（表格中没有填写所在班级的学生都导入这个班级）"_s);
    classHint->setStyleSheet(u"QLabel { color: #555555; }"_s);
    忽略列标签 = namedLabel(u"忽略列标签"_s);
    忽略列标签->setWordWrap(true);
    忽略列标签->setStyleSheet(u"QLabel { color: #a03c00; }"_s);
    导入预览表 = new QTableView;
    导入预览表->setObjectName(u"导入预览表"_s);
    导入预览表->setModel(m_rows);
    导入预览表->setEditTriggers(QAbstractItemView::NoEditTriggers);
    导入预览表->setSelectionBehavior(QAbstractItemView::SelectRows);
    导入预览表->verticalHeader()->hide();
    导入预览表->verticalHeader()->setDefaultSectionSize(导入预览表->fontMetrics().height() + 8);
    导入预览表->setWordWrap(false);
    统计标签 = namedLabel(u"统计标签"_s);
    QFont bold = 统计标签->font();
    bold.setBold(true);
    统计标签->setFont(bold);
    只看有误复选框 = new QCheckBox(u"只显示有误的行"_s);
    只看有误复选框->setObjectName(u"只看有误复选框"_s);
    导入按钮 = namedButton(u"导入按钮"_s, u"导入"_s);
    取消按钮 = namedButton(u"取消按钮"_s, u"取消"_s);
    导入按钮->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(文件标签, 1);
    top->addWidget(classLabel);
    top->addWidget(导入班级组合框);
    auto* hintRow = new QHBoxLayout;
    hintRow->addStretch();
    hintRow->addWidget(classHint);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(统计标签);
    bottom->addSpacing(16);
    bottom->addWidget(只看有误复选框);
    bottom->addStretch(1);
    bottom->addWidget(导入按钮);
    bottom->addWidget(取消按钮);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(hintRow);
    layout->addWidget(忽略列标签);
    layout->addWidget(导入预览表, 1);
    layout->addLayout(bottom);

    connect(导入按钮, &QPushButton::clicked, this, &PupilImportWindow::importRows);
    connect(取消按钮, &QPushButton::clicked, this, &QDialog::reject);
    connect(只看有误复选框, &QCheckBox::toggled, this, [this](bool onlyBad) {
        for (int r = 0; r < m_preview.rows.size(); ++r)
            导入预览表->setRowHidden(r, onlyBad && m_preview.rows[r].ok());
    });

    fill();
    const QSize screen = m_ws.services.screen.size();
    resize(std::min(1180, screen.width() - 40), std::min(760, screen.height() - 80));
}

void PupilImportWindow::fill()
{
    忽略列标签->setVisible(!m_preview.ignored.isEmpty());
    忽略列标签->setText(u"以下列标题不是学生资料的项目，已忽略：%1"_s.arg(m_preview.ignored.join(u"、"_s)));

    // The faults come right after the row number, where they are seen without scrolling sideways.
    QStringList captions {u"行"_s, u"错误"_s, u"新学号"_s};
    for (const QString& field : std::as_const(m_preview.fields))
        captions << (field == u"学号" ? u"表中学号"_s : field);
    m_rows->setTitles(captions);

    // The numbers the good rows will get, unless another window adds a pupil first.
    const auto offer = StudentRecords(m_ws.studentDb).nextNumber();
    qint64 next = offer ? offer->number : 0;
    QList<QStringList> rows;
    QList<bool> bad;
    rows.reserve(m_preview.rows.size());
    bad.reserve(m_preview.rows.size());
    for (const PupilImport::Row& row : std::as_const(m_preview.rows)) {
        QStringList texts {QString::number(row.number), row.errors.join(u"；"_s),
            row.ok() && next > 0 ? QString::number(next++) : QString()};
        for (const QString& field : std::as_const(m_preview.fields))
            texts << (field == u"学号" ? row.givenNumber : row.refused.value(field, fieldText(row.pupil, field)));
        rows.append(std::move(texts));
        bad.append(!row.ok());
    }
    m_rows->setRows(rows);
    m_rows->setMarkedRows(bad, BadText, BadBackground, ErrorColumn);
    导入预览表->resizeColumnsToContents();
    导入预览表->setColumnWidth(ErrorColumn, std::min(导入预览表->columnWidth(ErrorColumn), 280));
    导入预览表->horizontalHeader()->setStretchLastSection(true);

    const int total = static_cast<int>(m_preview.rows.size());
    const int good = m_preview.goodRows();
    统计标签->setText(u"共 %1 行，可导入 %2 行，有误 %3 行"_s.arg(total).arg(good).arg(total - good));
    导入按钮->setEnabled(good > 0);
    只看有误复选框->setEnabled(good < total);
}

void PupilImportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The first fault in view: in a long list it may be far down.
    const auto bad
        = std::find_if(m_preview.rows.cbegin(), m_preview.rows.cend(), [](const auto& r) { return !r.ok(); });
    if (bad != m_preview.rows.cend())
        导入预览表->scrollTo(
            m_rows->index(static_cast<int>(bad - m_preview.rows.cbegin()), 0), QAbstractItemView::PositionAtCenter);
}

void PupilImportWindow::importRows()
{
    const QString klass = 导入班级组合框->currentText();
    PupilImport import(m_ws.studentDb);
    const auto first = import.add(m_preview, klass);
    if (!first) {
        m_ws.services.prompt.show(u"导入学生资料失败！没有添加任何学生。"_s, u"错误"_s, Prompt::Icon::Error);
        return;
    }
    const int good = m_preview.goodRows();
    for (const PupilImport::Row& row : std::as_const(m_preview.rows)) {
        const QString target = row.pupil.所在班级.isEmpty() ? klass : row.pupil.所在班级;
        if (row.ok() && !m_filled.contains(target))
            m_filled << target;
    }
    const QString numbers
        = good == 1 ? QString::number(*first) : QString::number(*first) + u"至"_s + QString::number(*first + good - 1);
    m_ws.services.prompt.show(u"已导入%1名学生，学号%2。"_s.arg(good).arg(numbers), u"提示"_s);
    accept();
}
