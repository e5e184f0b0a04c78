#pragma once

#include <QDialog>

#include <functional>

class AppSettings;
class QPushButton;
class QRadioButton;

// 设置系统界面: picks one of the four interface styles, stores it in [Interface] Style and applies it.
class UiStyleWindow : public QDialog
{
    Q_OBJECT

public:
    using Apply = std::function<void(int style)>;

    // apply defaults to switching the whole program (InterfaceStyler).
    explicit UiStyleWindow(AppSettings& settings, QWidget* parent = nullptr, Apply apply = {});

    QRadioButton* 单选框1;
    QRadioButton* 单选框2;
    QRadioButton* 单选框3;
    QRadioButton* 单选框4;
    QPushButton* 按钮1;
    QPushButton* 按钮2;

    // False when 确定 applied a style that config.ini would not take.
    bool saved() const { return m_saved; }

private:
    void confirm();

    AppSettings& m_settings;
    Apply m_apply;
    bool m_saved = true;
};
