#include "platform/MessageBoxPrompt.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

QMessageBox::Icon boxIcon(Prompt::Icon icon)
{
    switch (icon) {
    case Prompt::Icon::None:
        return QMessageBox::NoIcon;
    case Prompt::Icon::Information:
        return QMessageBox::Information;
    case Prompt::Icon::Warning:
        return QMessageBox::Warning;
    case Prompt::Icon::Error:
        return QMessageBox::Critical;
    case Prompt::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompt::Buttons buttons)
{
    switch (buttons) {
    case Prompt::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompt::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompt::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompt::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Prompt::Answer MessageBoxPrompt::show(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    // The texts carry Windows line breaks; a label shows "\r" as a stray mark.
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    QMessageBox box(boxIcon(icon), title.isEmpty() ? defaultTitle() : title, shown, boxButtons(buttons), owner);
    box.setTextFormat(Qt::PlainText);
    // Closing the box: Cancel where there is one, else No (Yes/No boxes), else Ok.
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    const int pressed = box.exec();
    switch (pressed) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    return buttons == Buttons::YesNo ? Answer::No : buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}
