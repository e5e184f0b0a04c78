#include "XTestInput.h"

#include <QList>
#include <QWidget>

// Xlib last: its macros (None, KeyPress, Bool …) would clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// The characters a US key map lacks that the tests type: a name is typed as a keyboard with an
// input method committed it, a key per character.
QList<KeySym> extraKeysyms()
{
    QList<KeySym> syms {XK_eacute, XK_Eacute, 0x01000000 | U'张', 0x01000000 | U'三'};
    for (char32_t c = U'０'; c <= U'９'; ++c)
        syms.append(0x01000000 | c);
    return syms;
}

KeySym keysymOf(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= 0x20 && u <= 0x7E) || (u >= 0xA0 && u <= 0xFF))
        return u;
    return 0x01000000 | u;
}

} // namespace

XTestInput::XTestInput(const QByteArray& display)
    : m_display(XOpenDisplay(display.constData()))
{ }

XTestInput::~XTestInput()
{
    if (m_display)
        XCloseDisplay(m_display);
}

bool XTestInput::prepareKeyboard(const QByteArray& displayName)
{
    Display* display = XOpenDisplay(displayName.constData());
    if (!display)
        return false;
    int first = 0, last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perKey = 0;
    KeySym* map = XGetKeyboardMapping(display, KeyCode(first), last - first + 1, &perKey);
    QList<KeySym> wanted = extraKeysyms();
    // Spare keys from the top, where a PC key map leaves them empty; both levels carry the
    // character, so Shift never turns it into another.
    for (int code = last; code >= first && !wanted.isEmpty(); --code) {
        bool empty = true;
        for (int i = 0; i < perKey; ++i)
            empty = empty && map[(code - first) * perKey + i] == NoSymbol;
        if (!empty)
            continue;
        KeySym both[2] = {wanted.first(), wanted.first()};
        wanted.removeFirst();
        XChangeKeyboardMapping(display, code, 2, both, 1);
    }
    XFree(map);
    XSync(display, False);
    XCloseDisplay(display);
    return wanted.isEmpty();
}

unsigned XTestInput::keycodeOf(const char* name) const
{
    return XKeysymToKeycode(m_display, XStringToKeysym(name));
}

void XTestInput::stroke(unsigned keycode, bool shift)
{
    const unsigned shiftCode = XKeysymToKeycode(m_display, XK_Shift_L);
    if (shift)
        XTestFakeKeyEvent(m_display, shiftCode, True, CurrentTime);
    XTestFakeKeyEvent(m_display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(m_display, keycode, False, CurrentTime);
    if (shift)
        XTestFakeKeyEvent(m_display, shiftCode, False, CurrentTime);
}

void XTestInput::type(const QString& text)
{
    for (const QChar c : text) {
        const KeySym sym = keysymOf(c);
        const KeyCode code = XKeysymToKeycode(m_display, sym);
        if (code == 0)
            qFatal("no key for U+%04X", c.unicode());
        const bool shift = XkbKeycodeToKeysym(m_display, code, 0, 0) != sym;
        stroke(code, shift);
    }
    sync();
}

void XTestInput::key(const char* name, std::initializer_list<const char*> held)
{
    for (const char* h : held)
        XTestFakeKeyEvent(m_display, keycodeOf(h), True, CurrentTime);
    const unsigned code = keycodeOf(name);
    if (code == 0)
        qFatal("no key %s", name);
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    for (auto h = std::rbegin(held); h != std::rend(held); ++h)
        XTestFakeKeyEvent(m_display, keycodeOf(*h), False, CurrentTime);
    sync();
}

void XTestInput::click(const QWidget* widget, QPoint at)
{
    const QPoint local = at == QPoint(-1, -1) ? widget->rect().center() : at;
    // Device pixels of the screen, which under Xvfb are the logical ones.
    const QPoint global = widget->mapToGlobal(local);
    XTestFakeMotionEvent(m_display, -1, global.x(), global.y(), CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    sync();
}

void XTestInput::focus(const QWidget* widget)
{
    const QPoint global = widget->mapToGlobal(widget->rect().center());
    XTestFakeMotionEvent(m_display, -1, global.x(), global.y(), CurrentTime);
    XSetInputFocus(m_display, Window(widget->window()->winId()), RevertToParent, CurrentTime);
    sync();
}

void XTestInput::sync()
{
    XSync(m_display, False);
}
