#include "workspace/ProgramState.h"

void ProgramState::setSession(const Session& session)
{
    m_session = session;
    Q_EMIT sessionChanged(m_session);
}

void ProgramState::setSchoolName(const QString& name)
{
    m_schoolName = name;
    Q_EMIT schoolNameChanged(m_schoolName);
}

void ProgramState::setStatusState(const QString& text)
{
    m_statusState = text;
    Q_EMIT statusStateChanged(m_statusState);
}

void ProgramState::setStatusHint(const QString& text)
{
    m_statusHint = text;
    Q_EMIT statusHintChanged(m_statusHint);
}
