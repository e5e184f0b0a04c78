#include "prefs/UiStyleWindow.h"

#include "prefs/InterfaceStyler.h"
#include "settings/AppSettings.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

using namespace Qt::StringLiterals;

UiStyleWindow::UiStyleWindow(AppSettings& settings, QWidget* parent, Apply apply)
    : QDialog(parent)
    , m_settings(settings)
    , m_apply(apply ? std::move(apply) : Apply(&InterfaceStyler::apply))
{
    setWindowTitle(u"设置系统界面"_s);
    setObjectName(u"UiStyleWindow"_s);

    auto* group = new QGroupBox(this);
    const auto radio = [group](const QString& name, const QString& text) {
        auto* button = new QRadioButton(text, group);
        button->setObjectName(name);
        return button;
    };
    单选框1 = radio(u"单选框1"_s, u"默认界面"_s);
    单选框2 = radio(u"单选框2"_s, u"蓝色XP界面"_s);
    单选框3 = radio(u"单选框3"_s, u"绿色XP界面"_s);
    单选框4 = radio(u"单选框4"_s, u"银色XP界面"_s);
    auto* choices = new QVBoxLayout(group);
    choices->setSpacing(8);
    for (QRadioButton* button : {单选框1, 单选框2, 单选框3, 单选框4})
        choices->addWidget(button);

    按钮1 = new QPushButton(u"确 定"_s, this);
    按钮1->setObjectName(u"按钮1"_s);
    按钮1->setDefault(true);
    按钮2 = new QPushButton(u"取 消"_s, this);
    按钮2->setObjectName(u"按钮2"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(按钮1);
    buttons->addWidget(按钮2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // 1, 2, 3 are the schemes; anything else stored there shows as the default look.
    switch (m_settings.interfaceStyle()) {
    case 1:
        单选框2->setChecked(true);
        break;
    case 2:
        单选框3->setChecked(true);
        break;
    case 3:
        单选框4->setChecked(true);
        break;
    default:
        单选框1->setChecked(true);
        break;
    }

    connect(按钮1, &QPushButton::clicked, this, &UiStyleWindow::confirm);
    connect(按钮2, &QPushButton::clicked, this, &QDialog::reject);
}

void UiStyleWindow::confirm()
{
    const std::array<QRadioButton*, 4> buttons {单选框1, 单选框2, 单选框3, 单选框4};
    for (int style = 0; style < 4; ++style) {
        if (buttons[style]->isChecked()) {
            m_saved = m_settings.setInterfaceStyle(style);
            m_apply(style);
            break;
        }
    }
    accept();
}
