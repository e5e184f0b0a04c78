#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include "records/DateBox.h"
#include "support/TypeAsUser.h"
#include "text/DateText.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

// A form like the record editors: Enter in its fields moves on, taken by an event filter before the
// field sees the key.
class EnterMovesOnForm : public QWidget
{
public:
    DateBox* box = new DateBox(QDate(2026, 9, 1));
    QLineEdit* next = new QLineEdit;

    explicit EnterMovesOnForm(bool enterMoves)
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
        layout->addWidget(next);
        if (enterMoves)
            box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                return focusNextChild();
        }
        return QWidget::eventFilter(watched, event);
    }
};

class TestDateBox : public QObject
{
    Q_OBJECT

private:
    static bool showActive(QWidget& form)
    {
        form.show();
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }

private Q_SLOTS:
    // An invalid expected date means the text is refused and 2026年9月1日 stays.
    void typingADate_data()
    {
        addColumns<QString, int, bool, QDate>({"typed", "finish", "enterMoves", "expected"});
        const QDate march15(2019, 3, 15);
        QTest::newRow("stored form, Enter moves on") << u"2019年3月15日"_s << int(Qt::Key_Return) << true << march15;
        QTest::newRow("dashes, Tab") << u"2019-3-15"_s << int(Qt::Key_Tab) << false << march15;
        QTest::newRow("dots, Enter stays") << u"2019.3.15"_s << int(Qt::Key_Return) << false << march15;
        QTest::newRow("eight digits, Enter moves on") << u"20190315"_s << int(Qt::Key_Enter) << true << march15;
        QTest::newRow("full width, blanks") << u" ２０１９年３月１５日 "_s << int(Qt::Key_Tab) << false << march15;
        QTest::newRow("earlier year, same month")
            << u"2025年9月1日"_s << int(Qt::Key_Return) << true << QDate(2025, 9, 1);
        QTest::newRow("february 30, Enter moves on") << u"2019-2-30"_s << int(Qt::Key_Return) << true << QDate();
        QTest::newRow("month 13, Tab") << u"2019年13月1日"_s << int(Qt::Key_Tab) << false << QDate();
        QTest::newRow("year only, Enter stays") << u"2025"_s << int(Qt::Key_Return) << false << QDate();
    }

    void typingADate()
    {
        QFETCH(QString, typed);
        QFETCH(int, finish);
        QFETCH(bool, enterMoves);
        QFETCH(QDate, expected);
        EnterMovesOnForm form(enterMoves);
        QVERIFY(showActive(form));
        QSignalSpy changes(form.box, &DateBox::dateChanged);

        typeOver(form.box, typed);
        QCOMPARE(form.box->isUnreadable(), !expected.isValid());
        QTest::keyClick(form.box, Qt::Key(finish));

        const bool staysInBox = finish != Qt::Key_Tab && !enterMoves;
        QCOMPARE(form.box->hasFocus(), staysInBox);
        if (!expected.isValid() && staysInBox) {
            // Enter does not take it: the text stays marked for correction until the box is left.
            QVERIFY(form.box->isUnreadable());
            QCOMPARE(form.box->text(), typed);
            QCOMPARE(form.box->date(), QDate(2026, 9, 1));
            QTest::keyClick(form.box, Qt::Key_Tab);
        }
        const QDate shown = expected.isValid() ? expected : QDate(2026, 9, 1);
        QCOMPARE(form.box->date(), shown);
        QCOMPARE(form.box->storedText(), DateText::format(shown));
        QCOMPARE(form.box->text(), DateText::format(shown));
        QVERIFY(!form.box->isUnreadable());
        QCOMPARE(changes.count(), expected.isValid() ? 1 : 0);
    }

    // A stored text is given back untouched until the user sets a date; one that is no date never
    // turns into the date shown before it.
    void storedTextSurvivesUntilADateIsSet_data()
    {
        addColumns<QString, QString, QDate>({"stored", "shown", "date"});
        QTest::newRow("not left") << u"-"_s << u"-"_s << QDate();
        QTest::newRow("empty") << QString() << QString() << QDate();
        QTest::newRow("garbage") << u"九月初"_s << u"九月初"_s << QDate();
        QTest::newRow("padded date") << u"2019年03月05日"_s << u"2019年3月5日"_s << QDate(2019, 3, 5);
    }

    void storedTextSurvivesUntilADateIsSet()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QDate, date);
        EnterMovesOnForm form(true);
        QVERIFY(showActive(form));
        form.box->setStoredText(stored);
        QCOMPARE(form.box->text(), shown);
        QCOMPARE(form.box->date(), date);
        QCOMPARE(form.box->storedText(), stored);

        // Passing through, and typing something unreadable, change nothing.
        form.box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.box, Qt::Key_Return);
        QVERIFY(form.next->hasFocus());
        typeOver(form.box, u"3月"_s);
        QTest::keyClick(form.box, Qt::Key_Tab);
        QCOMPARE(form.box->text(), shown);
        QCOMPARE(form.box->storedText(), stored);

        // Picking from the calendar: the day after the one it opens on.
        QTest::mouseClick(form.box->findChild<QToolButton*>(), Qt::LeftButton);
        auto* calendar = form.box->findChild<QCalendarWidget*>();
        QVERIFY(calendar && calendar->isVisible());
        const QDate picked = calendar->selectedDate().addDays(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!calendar->isVisible());
        QCOMPARE(form.box->date(), picked);
        QCOMPARE(form.box->storedText(), DateText::format(picked));
        QVERIFY(form.box->hasFocus());

        // A typed date is what is saved even before the box is left.
        typeOver(form.box, u"2019.3.15"_s);
        QCOMPARE(form.box->storedText(), u"2019年3月15日"_s);
    }
};

XIAOWU_TEST(TestDateBox)
#include "TestDateBox.moc"
