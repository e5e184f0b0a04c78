#include "records/FieldControls.h"

#include "records/DateBox.h"
#include "records/StoredListText.h"
#include "records/WholeTextTip.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace FieldControls {

namespace {

// A byte limit holds for typing only: a stored text longer than the box takes shows whole.
void setUnchecked(QLineEdit* edit, const QString& text)
{
    const QValidator* validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(validator);
    // A text longer than its box shows from its start (setText leaves the cursor at the end, which
    // showed an address without its beginning) and whole as the tooltip.
    edit->setCursorPosition(0);
    WholeTextTip::attach(edit);
}

} // namespace

void show(QWidget* control, const QString& stored, List list)
{
    // A date box is a line edit too: it comes first.
    if (auto* date = qobject_cast<DateBox*>(control))
        date->setStoredText(stored);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        setUnchecked(edit, stored);
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && list == List::ChooseEntry)
        StoredListText::select(combo, stored);
    else if (combo && combo->lineEdit())
        setUnchecked(combo->lineEdit(), stored);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(stored);
}

QString read(const QWidget* control)
{
    if (auto* date = qobject_cast<const DateBox*>(control))
        return date->storedText();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

void clear(QWidget* control)
{
    // Dates and lists keep what they show: an add keeps them for the next pupil.
    if (qobject_cast<DateBox*>(control))
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->clear();
}

} // namespace FieldControls
