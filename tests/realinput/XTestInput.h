#pragma once

#include <QPoint>
#include <QString>

#include <initializer_list>

class QWidget;

// Keys and clicks sent through the X server with XTest, as a keyboard and a mouse would send them:
// the program sees them only as the window system hands them on (focus, key maps, propagation),
// never as events a test posts to a widget. Header and source only: test_realinput alone uses it.
class XTestInput
{
public:
    // Opens its own connection to the display the program runs on.
    explicit XTestInput(const QByteArray& display);
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool isOpen() const { return m_display != nullptr; }

    // Before the program connects: gives the characters a US keyboard lacks (é, É, full-width
    // digits, the characters of a name) keys of their own, so typing them needs no input method.
    static bool prepareKeyboard(const QByteArray& display);

    // Types the text, pressing Shift where the key map asks for it.
    void type(const QString& text);
    // One key by its X name ("Escape", "F2", "Return", "Shift_L", "a"), with modifiers held
    // ("Control_L", "Shift_L") for the stroke.
    void key(const char* name, std::initializer_list<const char*> held = {});
    // The X input focus onto the widget's window and the pointer onto its centre, as a window
    // manager would leave them after a click on it (there is none under Xvfb).
    void focus(const QWidget* widget);
    // A left click at a point of the widget (its centre by default).
    void click(const QWidget* widget, QPoint at = QPoint(-1, -1));
    // Waits until the server has taken every request sent so far.
    void sync();

private:
    void stroke(unsigned keycode, bool shift);
    unsigned keycodeOf(const char* name) const;

    struct _XDisplay* m_display = nullptr;
};
