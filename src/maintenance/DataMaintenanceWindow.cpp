#include "maintenance/DataMaintenanceWindow.h"

#include "maintenance/DataMaintenance.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "records/Controls.h"
#include "workspace/Shell.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Controls::named;

namespace {

QCheckBox* tickBox(const QString& name)
{
    auto* box = named(new QCheckBox(name), name);
    box->setChecked(true);
    return box;
}

} // namespace

DataMaintenanceWindow::DataMaintenanceWindow(Workspace& ws, std::function<void()> endProgram, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
    , m_endProgram(std::move(endProgram))
{
    setObjectName(u"DataMaintenanceWindow"_s);
    setWindowTitle(u"系统数据维护"_s);
    setModal(true);

    选择夹1 = named(new QTabWidget, u"选择夹1"_s);
    // The pages follow the run, not the user: the log page opens with a run and 返回按钮 leaves it.
    选择夹1->tabBar()->hide();

    auto* options = new QWidget;
    分组框2 = named(new QGroupBox(u"选择要备份或还原的系统数据资料"_s), u"分组框2"_s);
    备份或还原学生数据 = tickBox(u"备份或还原学生数据"_s);
    备份或还原教员数据 = tickBox(u"备份或还原教员数据"_s);
    备份或还原管理员数据 = tickBox(u"备份或还原管理员数据"_s);
    备份或还原全部工资表 = tickBox(u"备份或还原全部工资表"_s);
    auto* partsLayout = new QGridLayout(分组框2);
    partsLayout->addWidget(备份或还原学生数据, 0, 0);
    partsLayout->addWidget(备份或还原教员数据, 0, 1);
    partsLayout->addWidget(备份或还原管理员数据, 1, 0);
    partsLayout->addWidget(备份或还原全部工资表, 1, 1);

    分组框1 = named(new QGroupBox(u"选择要备份或还原的工资表数据"_s), u"分组框1"_s);
    auto* wagesLayout = new QHBoxLayout(分组框1);
    工资表1 = tickBox(u"工资表1"_s);
    工资表2 = tickBox(u"工资表2"_s);
    工资表3 = tickBox(u"工资表3"_s);
    工资表4 = tickBox(u"工资表4"_s);
    工资表5 = tickBox(u"工资表5"_s);
    for (QCheckBox* box : wageBoxes())
        wagesLayout->addWidget(box);
    followAllWages(true);
    connect(备份或还原全部工资表, &QCheckBox::toggled, this, &DataMaintenanceWindow::followAllWages);

    备份系统数据按钮 = named(new QPushButton(u"备份系统数据"_s), u"备份系统数据按钮"_s);
    还原系统数据按钮 = named(new QPushButton(u"还原系统数据"_s), u"还原系统数据按钮"_s);
    auto* optionButtons = new QHBoxLayout;
    optionButtons->addStretch();
    optionButtons->addWidget(备份系统数据按钮);
    optionButtons->addWidget(还原系统数据按钮);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(分组框2);
    optionsLayout->addWidget(分组框1);
    optionsLayout->addLayout(optionButtons);

    auto* progress = new QWidget;
    显示编辑框 = named(new QPlainTextEdit, u"显示编辑框"_s);
    显示编辑框->setReadOnly(true);
    返回按钮 = named(new QPushButton(u"返  回"_s), u"返回按钮"_s);
    备份进度条 = named(new QProgressBar, u"备份进度条"_s);
    备份进度条->setRange(0, 100);
    备份进度条->hide();
    auto* progressLayout = new QVBoxLayout(progress);
    progressLayout->addWidget(显示编辑框);
    progressLayout->addWidget(备份进度条);
    progressLayout->addWidget(返回按钮, 0, Qt::AlignRight);

    选择夹1->addTab(options, {});
    选择夹1->addTab(progress, {});

    退出数据维护按钮 = named(new QPushButton(u"退出数据维护"_s), u"退出数据维护按钮"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(选择夹1);
    layout->addWidget(退出数据维护按钮, 0, Qt::AlignRight);

    connect(备份系统数据按钮, &QPushButton::clicked, this, &DataMaintenanceWindow::backup);
    connect(还原系统数据按钮, &QPushButton::clicked, this, &DataMaintenanceWindow::restore);
    connect(返回按钮, &QPushButton::clicked, this, [this] { 选择夹1->setCurrentIndex(0); });
    connect(退出数据维护按钮, &QPushButton::clicked, this, &QDialog::close);

    // The old window's client area was 175 pixels high; the groups need at least what they show.
    resize(sizeHint().width(), std::max(175, sizeHint().height()));
}

void DataMaintenanceWindow::followAllWages(bool all)
{
    for (QCheckBox* box : wageBoxes()) {
        box->setChecked(all);
        box->setEnabled(!all);
    }
    分组框1->setEnabled(!all);
}

QList<int> DataMaintenanceWindow::tickedParts() const
{
    QList<int> parts;
    const QCheckBox* databases[] = {备份或还原学生数据, 备份或还原教员数据, 备份或还原管理员数据};
    for (int i = 0; i < 3; ++i) {
        if (databases[i]->isChecked())
            parts << i;
    }
    for (int i = 0; i < 5; ++i) {
        if (wageBoxes()[i]->isChecked())
            parts << 3 + i;
    }
    return parts;
}

void DataMaintenanceWindow::startRun()
{
    选择夹1->setCurrentIndex(1);
    显示编辑框->clear();
    setButtonsEnabled(false);
}

void DataMaintenanceWindow::appendLog(const QString& text)
{
    显示编辑框->moveCursor(QTextCursor::End);
    显示编辑框->insertPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
    显示编辑框->verticalScrollBar()->setValue(显示编辑框->verticalScrollBar()->maximum());
    // The copies run on this thread: show each line as it is written.
    显示编辑框->viewport()->repaint();
}

void DataMaintenanceWindow::showProgress(int percent)
{
    if (备份进度条->value() != percent)
        备份进度条->setValue(percent);
    // The copy runs on this thread: let the window paint (and nothing else happen) meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void DataMaintenanceWindow::setButtonsEnabled(bool enabled)
{
    返回按钮->setEnabled(enabled);
    退出数据维护按钮->setEnabled(enabled);
}

bool DataMaintenanceWindow::busy() const
{
    return !返回按钮->isEnabled() || !退出数据维护按钮->isEnabled();
}

void DataMaintenanceWindow::backup()
{
    startRun();
    DataMaintenance maintenance(m_ws.paths, m_ws.services.fileOps, m_ws.studentDb, m_ws.teacherDb, m_ws.adminDb);
    maintenance.onLog = [this](const QString& text) { appendLog(text); };
    maintenance.onProgress = [this](int percent) { showProgress(percent); };
    备份进度条->show();
    备份进度条->setValue(0);
    const DataMaintenance::Result result = maintenance.backup(tickedParts());
    备份进度条->setValue(100);
    m_ws.services.prompt.show(result.message, result.title, result.icon);
    备份进度条->hide();
    setButtonsEnabled(true);
}

void DataMaintenanceWindow::restore()
{
    if (m_ws.services.prompt.show(
            u"确定要用备份数据替换当前的系统数据吗？"_s, u"询问"_s, Prompt::Icon::Question, Prompt::Buttons::OkCancel)
        != Prompt::Answer::Ok)
        return;
    DataMaintenance maintenance(m_ws.paths, m_ws.services.fileOps, m_ws.studentDb, m_ws.teacherDb, m_ws.adminDb);
    // A promotion backs up the students alone: the default ticks would refuse everything.
    QList<int> parts = tickedParts();
    const QList<int> missing = maintenance.missingBackups(parts);
    if (!missing.isEmpty() && missing.size() < parts.size()) {
        if (m_ws.services.prompt.show(DataMaintenance::missingBackupsQuestion(missing), u"询问"_s,
                Prompt::Icon::Question, Prompt::Buttons::YesNo)
            != Prompt::Answer::Yes)
            return;
        for (int part : missing)
            parts.removeAll(part);
    }
    // Home first: no page may hold rows of a database about to be replaced.
    m_ws.shell.showHomePage();
    startRun();
    maintenance.onLog = [this](const QString& text) { appendLog(text); };
    const DataMaintenance::Result result = maintenance.restore(parts);
    m_ws.services.prompt.show(result.message, result.title, result.icon);
    setButtonsEnabled(true);
    if (result.endProgram) {
        close();
        if (m_endProgram)
            m_endProgram();
    }
}

void DataMaintenanceWindow::closeEvent(QCloseEvent* event)
{
    if (busy())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void DataMaintenanceWindow::reject()
{
    if (!busy())
        QDialog::reject();
}
