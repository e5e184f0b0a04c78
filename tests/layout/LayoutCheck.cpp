#include "LayoutCheck.h"

#include "records/ElidedLabel.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetPainter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

QString nameOf(const QWidget* w)
{
    const QString name
        = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    const QWidget* p = w->parentWidget();
    while (p && p->objectName().isEmpty() && !p->isWindow())
        p = p->parentWidget();
    return p && p != w->window() ? p->objectName() + u'/' + name : name;
}

bool isNamed(const QWidget* w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_s);
}

// Scrolled content may lie beyond its viewport; that is what the scroll bars are for.
bool isViewport(const QWidget* w)
{
    const auto* area = w ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) : nullptr;
    return area && area->viewport() == w;
}

// Qt's own parts of a compound control (the spin box's edit, the combo's list) are measured with it.
bool insideCompound(const QWidget* w, const QWidget* window)
{
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) || p->inherits("QAbstractSpinBox") || p->inherits("QCalendarWidget"))
            return true;
    }
    return false;
}

QString plainText(const QLabel* label)
{
    const QString text = label->text();
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setHtml(text);
        return doc.toPlainText();
    }
    return text;
}

QString withoutMnemonic(QString text)
{
    text.replace(u"&&"_s, u"\x01"_s);
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

bool isNumber(const QString& text)
{
    static const QRegularExpression number(u"^\\s*[-+]?[0-9][0-9.,%]*\\s*$"_s);
    return number.match(text).hasMatch();
}

// Whether the mouse resting on `at` of `widget` shows the whole text.
bool showsTooltip(QWidget* widget, const QPoint& at, const QString& text)
{
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    const bool shown = QToolTip::isVisible() && QToolTip::text() == text;
    QToolTip::hideText();
    return shown;
}

void checkLabel(const QLabel* label, QStringList& out)
{
    if (qobject_cast<const ElidedLabel*>(label))
        return;
    const QString text = plainText(label);
    if (text.trimmed().isEmpty())
        return;
    const int m = label->margin();
    const QRect box = label->contentsRect().adjusted(m, m, -m, -m);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label->fontMetrics().boundingRect(box, flags, text);
    if (needed.width() > box.width() || needed.height() > box.height())
        out << u"%1: \"%2\" needs %3×%4, has %5×%6"_s.arg(nameOf(label), text)
                   .arg(needed.width())
                   .arg(needed.height())
                   .arg(box.width())
                   .arg(box.height());
}

void checkLineEdit(QLineEdit* edit, QStringList& out)
{
    const QString text = edit->displayText().isEmpty() ? edit->placeholderText() : edit->displayText();
    if (text.isEmpty())
        return;
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    const QMargins margins = edit->textMargins();
    // QLineEdit keeps two pixels beside its text; buttons inside it (a calendar, a clear button) take their part.
    int room = edit->contentsRect().width() - 2 * frame - margins.left() - margins.right() - 4;
    for (const QObject* child : edit->children()) {
        const auto* side = qobject_cast<const QWidget*>(child);
        if (side && side->isVisible())
            room -= side->width();
    }
    const int needed = edit->fontMetrics().horizontalAdvance(text);
    // A long text shown from its start with the whole as tooltip is cut on purpose.
    const bool tipped
        = needed > room && edit->cursorPosition() == 0 && showsTooltip(edit, edit->rect().center(), edit->text());
    if ((needed > room && !tipped) || edit->contentsRect().height() - 2 * frame < edit->fontMetrics().height())
        out << u"%1: \"%2\" needs %3 px, has %4×%5"_s.arg(nameOf(edit), text)
                   .arg(needed)
                   .arg(room)
                   .arg(edit->contentsRect().height() - 2 * frame);
}

void checkCombo(const QComboBox* combo, QStringList& out)
{
    if (combo->isEditable() || combo->currentText().isEmpty())
        return;
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = false;
    opt.frame = combo->hasFrame();
    opt.currentText = combo->currentText();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    int needed = combo->fontMetrics().horizontalAdvance(combo->currentText());
    if (!combo->itemIcon(combo->currentIndex()).isNull())
        needed += combo->iconSize().width() + 4;
    if (needed > field.width())
        out << u"%1: \"%2\" needs %3 px, has %4"_s.arg(nameOf(combo), combo->currentText())
                   .arg(needed)
                   .arg(field.width());
}

void checkButton(const QAbstractButton* button, QStringList& out)
{
    const QString text = withoutMnemonic(button->text());
    if (text.isEmpty())
        return;
    const QStyle* style = button->style();
    int needed = button->fontMetrics().horizontalAdvance(text);
    if (qobject_cast<const QCheckBox*>(button))
        needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    else if (qobject_cast<const QRadioButton*>(button))
        needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    else if (qobject_cast<const QPushButton*>(button))
        needed += 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    else if (const auto* tool = qobject_cast<const QToolButton*>(button);
             tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return;
    if (!button->icon().isNull() && !qobject_cast<const QToolButton*>(button))
        needed += button->iconSize().width() + 4;
    if (needed > button->width() || button->height() < button->fontMetrics().height())
        out << u"%1: \"%2\" needs %3 px, has %4×%5"_s.arg(nameOf(button), text)
                   .arg(needed)
                   .arg(button->width())
                   .arg(button->height());
}

void checkGrid(SheetGrid* grid, QStringList& out)
{
    const SheetTable* table = grid->table();
    if (!table)
        return;
    const double unit = grid->logicalDpiY() / 254.0 * grid->zoom() / 100.0;
    for (int r = 1; r <= table->rowCount(); ++r) {
        for (int c = 1; c <= table->columnCount(); ++c) {
            const SheetRange block = table->mergedRange(r, c);
            if (block.row != r || block.column != c)
                continue;
            const SheetCell& cell = table->cell(r, c);
            if (cell.text.trimmed().isEmpty())
                continue;
            const QRect shown = grid->cellRect(r, c);
            double width = 0, height = 0;
            for (int i = block.column; i <= block.lastColumn(); ++i)
                width += table->columnWidth(i) * unit;
            for (int i = block.row; i <= block.lastRow(); ++i)
                height += table->rowHeight(i) * unit;
            // A cell only partly in view is read by scrolling to it.
            if (shown.isEmpty() || shown.width() + 2 < width || shown.height() + 2 < height)
                continue;
            if (SheetPainter::textFits(cell, QRectF(shown.topLeft(), QSizeF(width, height)), unit))
                continue;
            if (!isNumber(cell.text) && showsTooltip(grid->viewport(), shown.center(), cell.text))
                continue;
            out << u"%1: cell (%2, %3) \"%4\" is cut in %5×%6 px"_s.arg(nameOf(grid))
                       .arg(r)
                       .arg(c)
                       .arg(cell.text)
                       .arg(qRound(width))
                       .arg(qRound(height));
        }
    }
}

// The part of a control that shows something: a label's text (a caption spanning a frame leaves
// room beside its text, a label without text is a background), else the whole control.
QRect shownPart(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    if (!label || !label->pixmap().isNull())
        return w->geometry();
    const auto* elided = qobject_cast<const ElidedLabel*>(label);
    const QString text = elided ? elided->shownText() : plainText(label);
    if (text.trimmed().isEmpty())
        return {};
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, text).translated(label->pos());
}

// Names in a list are cut by Qt with "…" and no tooltip: each item in view must show its text.
void checkList(const QListWidget* list, QStringList& out)
{
    const QRect view = list->viewport()->rect();
    const int icon = list->iconSize().width();
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        const QRect shown = list->visualItemRect(item);
        if (!view.contains(shown) || item->text().isEmpty())
            continue;
        const int needed
            = list->fontMetrics().horizontalAdvance(item->text()) + (item->icon().isNull() ? 0 : icon + 8) + 8;
        if (needed > shown.width())
            out << u"%1: \"%2\" needs %3 px, has %4"_s.arg(nameOf(list), item->text()).arg(needed).arg(shown.width());
    }
}

// The same for a names list over a model: the names of the column on show.
void checkNames(const QTreeView* list, QStringList& out)
{
    if (!list->isHeaderHidden())
        return;
    const QAbstractItemModel* model = list->model();
    const QRect view = list->viewport()->rect();
    const int icon
        = list->iconSize().isValid() ? list->iconSize().width() : list->style()->pixelMetric(QStyle::PM_SmallIconSize);
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (list->isColumnHidden(column))
                continue;
            const QModelIndex index = model->index(row, column);
            const QRect shown = list->visualRect(index);
            const QString text = index.data().toString();
            if (!view.contains(shown) || text.isEmpty())
                continue;
            const bool hasIcon = !index.data(Qt::DecorationRole).isNull();
            const int needed = list->fontMetrics().horizontalAdvance(text) + (hasIcon ? icon + 8 : 0) + 8;
            if (needed > shown.width())
                out << u"%1: \"%2\" needs %3 px, has %4"_s.arg(nameOf(list), text).arg(needed).arg(shown.width());
        }
    }
}

void checkPlacement(QWidget* w, QStringList& out)
{
    QWidget* parent = w->parentWidget();
    if (!parent || isViewport(parent) || !isNamed(w))
        return;
    // Out of sight on purpose (a box that only holds the keyboard focus).
    if (w->geometry().right() < 0 || w->geometry().bottom() < 0)
        return;
    if (!parent->rect().contains(w->geometry()))
        out << u"%1: %2,%3 %4×%5 lies outside %6 (%7×%8)"_s.arg(nameOf(w))
                   .arg(w->x())
                   .arg(w->y())
                   .arg(w->width())
                   .arg(w->height())
                   .arg(nameOf(parent))
                   .arg(parent->width())
                   .arg(parent->height());
    const QRect mine = shownPart(w);
    bool after = false;
    for (QObject* child : parent->children()) {
        if (child == w) {
            after = true;
            continue;
        }
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!after || !sibling || sibling->isWindow() || !sibling->isVisible() || !isNamed(sibling))
            continue;
        const QRect both = mine.intersected(shownPart(sibling));
        if (both.width() > 1 && both.height() > 1)
            out << u"%1 is covered by %2 (%3×%4)"_s.arg(nameOf(w), nameOf(sibling))
                       .arg(both.width())
                       .arg(both.height());
    }
}

} // namespace

namespace LayoutCheck {

QStringList faults(QWidget* window, QSize screen)
{
    QStringList out;
    // The frame and the place are the window manager's; the window's own area must fit the screen.
    if (window->width() > screen.width() || window->height() > screen.height())
        out << u"%1 is %2×%3 on a %4×%5 screen"_s.arg(nameOf(window))
                   .arg(window->width())
                   .arg(window->height())
                   .arg(screen.width())
                   .arg(screen.height());
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (w->isWindow() || !w->isVisible() || insideCompound(w, window))
            continue;
        checkPlacement(w, out);
        if (auto* label = qobject_cast<QLabel*>(w))
            checkLabel(label, out);
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            checkLineEdit(edit, out);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            checkCombo(combo, out);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            checkButton(button, out);
        else if (auto* grid = qobject_cast<SheetGrid*>(w))
            checkGrid(grid, out);
        else if (auto* list = qobject_cast<QListWidget*>(w))
            checkList(list, out);
        else if (auto* names = qobject_cast<QTreeView*>(w))
            checkNames(names, out);
    }
    return out;
}

} // namespace LayoutCheck
