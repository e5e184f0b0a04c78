#include "records/DateBox.h"

#include "text/DateText.h"

#include <QAction>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A small calendar page drawn in the text colour, so it follows every interface scheme.
QIcon calendarIcon(const QColor& ink)
{
    QPixmap page(32, 32);
    page.fill(Qt::transparent);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2));
    p.drawRoundedRect(QRectF(4, 7, 24, 21), 3, 3);
    p.fillRect(QRectF(4, 7, 24, 6), ink);
    p.drawLine(QPointF(11, 3), QPointF(11, 9));
    p.drawLine(QPointF(21, 3), QPointF(21, 9));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.fillRect(QRectF(8 + col * 6, 16 + row * 6, 4, 3), ink);
    return QIcon(page);
}

std::optional<QDate> readStored(const QString& stored)
{
    if (auto date = DateText::parse(stored))
        return date;
    return DateText::readTyped(stored);
}

} // namespace

DateBox::DateBox(QDate initial, QWidget* parent)
    : QLineEdit(parent)
{
    QAction* pick = addAction(calendarIcon(palette().color(QPalette::Text)), QLineEdit::TrailingPosition);
    connect(pick, &QAction::triggered, this, &DateBox::showPopup);
    connect(this, &QLineEdit::textEdited, this, &DateBox::typed);
    if (initial.isValid()) {
        m_date = initial;
        setText(DateText::format(initial));
    } else {
        setStoredText(QString());
    }
}

QSize DateBox::minimumSizeHint() const
{
    QSize size = QLineEdit::minimumSizeHint();
    const int frame = hasFrame() ? 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const QMargins margins = textMargins();
    // QLineEdit keeps two pixels beside its text; the button takes a small icon and its margins.
    const int button = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this) + 8;
    const int text = fontMetrics().horizontalAdvance(QStringLiteral(u"0000年00月00日"));
    size.setWidth(std::max(size.width(), text + frame + margins.left() + margins.right() + 4 + button + 2));
    return size;
}

QSize DateBox::sizeHint() const
{
    return QLineEdit::sizeHint().expandedTo(minimumSizeHint());
}

QDate DateBox::date() const
{
    if (const auto typing = typedDate())
        return *typing;
    return m_date;
}

void DateBox::setDate(QDate date)
{
    if (date.isValid())
        choose(date);
}

void DateBox::setStoredText(const QString& stored)
{
    m_typing = false;
    markUnreadable(false);
    m_stored = stored;
    m_keepStored = true;
    const auto date = readStored(stored);
    const bool changed = date && *date != m_date;
    m_date = date.value_or(QDate());
    setText(date ? DateText::format(*date) : stored);
    if (changed)
        emit dateChanged(m_date);
}

QString DateBox::storedText() const
{
    if (const auto typing = typedDate())
        return DateText::format(*typing);
    if (m_keepStored || !m_date.isValid())
        return m_stored;
    return DateText::format(m_date);
}

void DateBox::showPopup()
{
    if (!commitTyped())
        revert();
    if (!m_popup)
        buildPopup();
    m_calendar->setSelectedDate(m_date.isValid() ? m_date : QDate::currentDate());
    m_popup->adjustSize();
    // Below the box, or above it where the screen ends.
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        if (at.y() + m_popup->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() - m_popup->width())));
    }
    m_popup->move(at);
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool alt = event->modifiers() & Qt::AltModifier;
    if (key == Qt::Key_F4 || (alt && key == Qt::Key_Down)) {
        showPopup();
        return;
    }
    if (key == Qt::Key_Escape && m_typing) {
        revert();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // An unreadable text stays, marked, for the user to correct; a dialog must not take it either.
        if (!commitTyped()) {
            markUnreadable(true);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void DateBox::focusOutEvent(QFocusEvent* event)
{
    // A context menu, our own calendar or another window coming forward is no end of typing.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !commitTyped())
        revert();
    QLineEdit::focusOutEvent(event);
}

std::optional<QDate> DateBox::typedDate() const
{
    if (!m_typing)
        return std::nullopt;
    return DateText::readTyped(text());
}

void DateBox::typed()
{
    m_typing = true;
    markUnreadable(!typedDate());
}

bool DateBox::commitTyped()
{
    if (!m_typing)
        return true;
    const auto date = typedDate();
    if (!date)
        return false;
    choose(*date);
    return true;
}

void DateBox::revert()
{
    m_typing = false;
    markUnreadable(false);
    setText(m_keepStored && !readStored(m_stored) ? m_stored : DateText::format(m_date));
}

void DateBox::choose(QDate date)
{
    m_typing = false;
    m_keepStored = false;
    markUnreadable(false);
    const bool changed = date != m_date;
    m_date = date;
    setText(DateText::format(date));
    if (changed)
        emit dateChanged(date);
}

void DateBox::markUnreadable(bool unreadable)
{
    if (unreadable == m_unreadable)
        return;
    m_unreadable = unreadable;
    if (!unreadable) {
        setPalette(QPalette());
        return;
    }
    QPalette warning = palette();
    warning.setColor(QPalette::Base, QColor(0xff, 0xe3, 0xe3));
    warning.setColor(QPalette::Text, QColor(0xa5, 0x1d, 0x2d));
    setPalette(warning);
}

void DateBox::buildPopup()
{
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setFrameShape(QFrame::StyledPanel);
    m_calendar = new QCalendarWidget(m_popup);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_calendar);
    auto picked = [this](QDate date) {
        m_popup->hide();
        choose(date);
        setFocus(Qt::PopupFocusReason);
        selectAll();
    };
    connect(m_calendar, &QCalendarWidget::clicked, this, picked);
    connect(m_calendar, &QCalendarWidget::activated, this, picked);
}
