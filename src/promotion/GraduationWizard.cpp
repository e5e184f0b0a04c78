#include "promotion/GraduationWizard.h"

#include "platform/Clock.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "promotion/ClassRenameDialog.h"
#include "promotion/Promotion.h"
#include "promotion/PromotionCommands.h"
#include "records/Controls.h"
#include "records/DateBox.h"
#include "text/GbText.h"
#include "workspace/HeadingFont.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Controls::named;

namespace {

QPushButton* button(const QString& name, const QString& text)
{
    auto* b = named(new QPushButton(text), name);
    b->setAutoDefault(false);
    return b;
}

QTreeWidget* table(const QString& name, const QStringList& headers)
{
    auto* t = named(new QTreeWidget, name);
    t->setRootIsDecorated(false);
    t->setHeaderLabels(headers);
    t->header()->setSectionResizeMode(QHeaderView::Stretch);
    return t;
}

QWidget* page(const QList<QWidget*>& content, const QList<QPushButton*>& buttons)
{
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* c : content)
        layout->addWidget(c, qobject_cast<QLabel*>(c) ? 0 : 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    layout->addLayout(row);
    return w;
}

} // namespace

GraduationWizard::GraduationWizard(Workspace& ws, QWidget* parent)
    : QDialog(parent)
    , m_ws(ws)
{
    setWindowTitle(u"自设班级毕业升级"_s);
    标签1 = named(new QLabel(u"自设班级毕业升级"_s), u"标签1"_s);
    setHeadingFont(标签1, 1.5);
    毕业日期框 = named(new DateBox(ws.services.clock.today()), u"毕业日期框"_s);
    备份选择框 = named(new QCheckBox(u"备份毕业升级前的数据"_s), u"备份选择框"_s);
    备份选择框->setChecked(true);
    取消钮 = button(u"取消钮"_s, u"取 消"_s);

    选择毕业班列表框 = named(new QListWidget, u"选择毕业班列表框"_s);
    下一步钮0 = button(u"下一步钮0"_s, u"下一步"_s);
    选择升级班列表框 = table(u"选择升级班列表框"_s, {u"升级前的班级名称"_s, u"升级后的班级名称"_s});
    上一步钮1 = button(u"上一步钮1"_s, u"上一步"_s);
    下一步钮1 = button(u"下一步钮1"_s, u"下一步"_s);
    毕业班级列表 = table(u"毕业班级列表"_s, {u"毕业班级"_s});
    升级班级列表 = table(u"升级班级列表"_s, {u"升级前的班级名称"_s, u"升级后的班级名称"_s});
    上一步钮2 = button(u"上一步钮2"_s, u"上一步"_s);
    开始执行钮 = button(u"开始执行钮"_s, u"开始执行"_s);

    页面 = named(new QStackedWidget, u"页面"_s);
    页面->addWidget(page({new QLabel(u"请勾选需要毕业的班级"_s), 选择毕业班列表框}, {下一步钮0}));
    页面->addWidget(
        page({new QLabel(u"双击升级前的班级名称并输入升级后的班级名称"_s), 选择升级班列表框}, {上一步钮1, 下一步钮1}));
    auto* lists = new QWidget;
    {
        auto* grid = new QGridLayout(lists);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->addWidget(new QLabel(u"即将进行毕业操作的班级"_s), 0, 0);
        grid->addWidget(new QLabel(u"即将进行升级操作的班级"_s), 0, 1);
        grid->addWidget(毕业班级列表, 1, 0);
        grid->addWidget(升级班级列表, 1, 1);
        grid->setColumnStretch(1, 2);
        grid->setColumnStretch(0, 1);
    }
    页面->addWidget(page({lists}, {上一步钮2, 开始执行钮}));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u"毕业时间"_s));
    top->addWidget(毕业日期框);
    top->addSpacing(16);
    top->addWidget(备份选择框);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(取消钮);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(标签1);
    layout->addLayout(top);
    layout->addWidget(页面, 1);
    layout->addLayout(bottom);
    resize(520, 215 + 120);

    connect(取消钮, &QPushButton::clicked, this, &QDialog::reject);
    connect(下一步钮0, &QPushButton::clicked, this, &GraduationWizard::showPage2);
    connect(上一步钮1, &QPushButton::clicked, this, [this] { 页面->setCurrentIndex(0); });
    connect(下一步钮1, &QPushButton::clicked, this, &GraduationWizard::showPage3);
    connect(上一步钮2, &QPushButton::clicked, this, &GraduationWizard::showPage2);
    connect(开始执行钮, &QPushButton::clicked, this, &GraduationWizard::start);
    connect(选择升级班列表框, &QTreeWidget::itemActivated, this, &GraduationWizard::renameRow);
}

bool GraduationWizard::load()
{
    Prompt& prompt = m_ws.services.prompt;
    const std::optional<QStringList> classes = Promotion(m_ws.studentDb).customClasses();
    if (!classes) {
        prompt.show(u"班级数据载入失败！"_s, u"错误"_s, Prompt::Icon::Error);
        return false;
    }
    if (classes->isEmpty()) {
        prompt.show(u"目前本校没有自设班级！"_s);
        return false;
    }
    选择毕业班列表框->clear();
    for (const QString& name : *classes) {
        auto* item = new QListWidgetItem(name, 选择毕业班列表框);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    页面->setCurrentIndex(0);
    return true;
}

void GraduationWizard::showPage2()
{
    选择升级班列表框->clear();
    毕业班级列表->clear();
    for (int i = 0; i < 选择毕业班列表框->count(); ++i) {
        const QListWidgetItem* item = 选择毕业班列表框->item(i);
        if (item->checkState() == Qt::Checked)
            new QTreeWidgetItem(毕业班级列表, {item->text()});
        else
            new QTreeWidgetItem(选择升级班列表框, {item->text(), QString()});
    }
    页面->setCurrentIndex(1);
}

void GraduationWizard::showPage3()
{
    升级班级列表->clear();
    for (int i = 0; i < 选择升级班列表框->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = 选择升级班列表框->topLevelItem(i);
        if (!GbText::removeBlanks(row->text(1)).isEmpty())
            new QTreeWidgetItem(升级班级列表, {row->text(0), row->text(1)});
    }
    页面->setCurrentIndex(2);
}

void GraduationWizard::renameRow(QTreeWidgetItem* item)
{
    if (!item)
        return;
    ClassRenameDialog dialog(item->text(0), m_ws.services.prompt, this);
    if (dialog.exec() == QDialog::Accepted)
        item->setText(1, dialog.newName());
}

void GraduationWizard::start()
{
    if (毕业班级列表->topLevelItemCount() == 0 && 升级班级列表->topLevelItemCount() == 0) {
        m_ws.services.prompt.show(u"没有找到需要毕业升级的班级！"_s);
        return;
    }
    QStringList graduating;
    for (int i = 0; i < 毕业班级列表->topLevelItemCount(); ++i)
        graduating.append(毕业班级列表->topLevelItem(i)->text(0));
    QList<Promotion::Rename> renames;
    for (int i = 0; i < 升级班级列表->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = 升级班级列表->topLevelItem(i);
        renames.append({row->text(0), GbText::removeBlanks(row->text(1))});
    }
    const PromotionCommands::Ending ending
        = PromotionCommands::execute(m_ws, PromotionCommands::Kind::Custom, 毕业日期框->date(), 备份选择框->isChecked(),
            [&](Promotion& promotion, const QString& date) { return promotion.runCustom(graduating, renames, date); });
    // A taken name can be mended on page 2; anything else ends the wizard.
    if (ending == PromotionCommands::Ending::Close)
        accept();
}
