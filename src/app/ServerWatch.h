#pragma once

#include <QObject>

class Prompt;
class ProgramState;

// Tells the clerk when the shared server goes away during work, instead of leaving only the
// failed command's own message: once per loss, in a message box and in the status bar, which says
// so again when a connection reaches the server once more. Nothing of the screen is touched, so
// what was typed stays there to be saved again.
class ServerWatch : public QObject
{
    Q_OBJECT

public:
    ServerWatch(Prompt& prompt, ProgramState& state, QObject* parent = nullptr);
    ~ServerWatch() override;

    static QString lostText();
    static QString backText();

private:
    // On the watch's own thread, whichever thread the connection heard it on.
    void heard(bool lost);

    Prompt& m_prompt;
    ProgramState& m_state;
    bool m_lost = false;
    bool m_telling = false;
};
