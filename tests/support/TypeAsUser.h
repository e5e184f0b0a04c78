#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>

// As a user does it: click into the box, select all, type. What is not ASCII comes from the
// input method, one character at a time (QTest::keyClicks takes ASCII only). Header only: gui
// tests alone include it.
inline void typeOver(QWidget* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QInputMethodEvent event;
            event.setCommitString(c);
            QApplication::sendEvent(box, &event);
        }
    }
}
