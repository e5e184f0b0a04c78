#include "promotion/ClassRenameDialog.h"

#include "classes/GbByteValidator.h"
#include "platform/Prompt.h"
#include "text/GbText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
// As long as a custom class name may be in the school settings.
constexpr qsizetype nameBytes = 15;
} // namespace

ClassRenameDialog::ClassRenameDialog(const QString& oldName, Prompt& prompt, QWidget* parent)
    : QDialog(parent)
    , m_prompt(prompt)
    , m_oldName(oldName)
{
    setWindowTitle(u"升级班级"_s);
    升级前班名标签 = new QLabel(oldName);
    升级前班名标签->setObjectName(u"升级前班名标签"_s);
    升级后班名编辑框 = new QLineEdit(oldName);
    升级后班名编辑框->setObjectName(u"升级后班名编辑框"_s);
    升级后班名编辑框->setValidator(new GbByteValidator(nameBytes, 升级后班名编辑框));
    确定按钮 = new QPushButton(u"确 定"_s);
    确定按钮->setObjectName(u"确定按钮"_s);
    确定按钮->setDefault(true);
    取消按钮 = new QPushButton(u"取 消"_s);
    取消按钮->setObjectName(u"取消按钮"_s);
    取消按钮->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"升级前的班级名称："_s), 0, 0);
    grid->addWidget(升级前班名标签, 0, 1);
    grid->addWidget(new QLabel(u"升级后的班级名称："_s), 1, 0);
    grid->addWidget(升级后班名编辑框, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(确定按钮);
    buttons->addWidget(取消按钮);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(360, 100);

    connect(确定按钮, &QPushButton::clicked, this, &ClassRenameDialog::confirm);
    connect(取消按钮, &QPushButton::clicked, this, &QDialog::reject);
    升级后班名编辑框->selectAll();
    升级后班名编辑框->setFocus();
}

void ClassRenameDialog::confirm()
{
    const QString typed = 升级后班名编辑框->text();
    if (typed == m_oldName) {
        m_prompt.show(u"升级前和升级后的名称相同！如果该班不需要升级请按取消钮后重新选择班级。"_s);
        return;
    }
    // A name of blanks only is as empty as no name.
    const QString name = GbText::removeBlanks(typed);
    if (name.isEmpty()) {
        m_prompt.show(u"请输入升级后的班级名称！"_s);
        return;
    }
    if (name == m_oldName) {
        m_prompt.show(u"升级前和升级后的名称相同！如果该班不需要升级请按取消钮后重新选择班级。"_s);
        return;
    }
    m_newName = name;
    accept();
}
