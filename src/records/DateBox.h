#pragma once

#include <QDate>
#include <QLineEdit>

#include <optional>

class QCalendarWidget;
class QFrame;

// A date field of the record editors. It takes a whole typed date ("2019年3月15日", "2019-3-15",
// "2019.3.15", "20190315", full-width too) and keeps a calendar to pick from (the button at its
// end, F4 or Alt+Down). A text that cannot be read never becomes a date: it is marked while it is
// typed, Enter does not take it, and leaving the box brings back the last date. A stored text that
// is no date is shown and given back as it is until the user sets a date.
class DateBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit DateBox(QDate initial, QWidget* parent = nullptr);

    // The date shown, or the one being typed as soon as it can be read; invalid while a stored text
    // that is no date is shown.
    QDate date() const;
    // An invalid date is ignored.
    void setDate(QDate date);

    // Shows a stored date text: a readable one as its date, any other text as it is.
    void setStoredText(const QString& stored);
    // What to save: the stored text untouched unless the user has set a date since, else that date
    // in the stored form.
    QString storedText() const;

    // True while the user's typed text cannot be read as a date (the box is marked then).
    bool isUnreadable() const { return m_unreadable; }

    void showPopup();

    // Wide enough for the longest date beside the calendar button: a narrower box scrolled the
    // year out of sight ("6年12月10日") while it was typed.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

Q_SIGNALS:
    // A new valid date, typed, picked or set.
    void dateChanged(QDate date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::optional<QDate> typedDate() const;
    void typed();
    // Takes what the user typed if it can be read; returns false (and changes nothing) if not.
    bool commitTyped();
    void revert();
    void choose(QDate date);
    void markUnreadable(bool unreadable);
    void buildPopup();

    QDate m_date;
    QString m_stored;
    bool m_keepStored = false;
    bool m_typing = false;
    bool m_unreadable = false;
    QFrame* m_popup = nullptr;
    QCalendarWidget* m_calendar = nullptr;
};
