#pragma once

#include "access/Session.h"
#include "workspace/HeadTeacherList.h"

#include <QObject>
#include <QString>

// What the whole program shares and the main window shows: the session (status panel 1 and the
// hidden 权限标签), the school name (学校名称标签), the view kind the record views share, the hidden
// 班主任组合框 and the texts of status panels 2 and 3. The main window repaints on the signals.
class ProgramState : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const Session& session() const { return m_session; }
    void setSession(const Session& session) { change(m_session, session, &ProgramState::sessionChanged); }

    QString schoolName() const { return m_schoolName; }
    void setSchoolName(const QString& name) { change(m_schoolName, name, &ProgramState::schoolNameChanged); }

    // CurrentViewKind: "在校学生", "毕业学生", "离校学生" or a teacher view's kind.
    QString currentViewKind() const { return m_viewKind; }
    void setCurrentViewKind(const QString& kind) { m_viewKind = kind; }

    HeadTeacherList& headTeachers() { return 班主任组合框; }

    // Panel 2 as each view words it ("    当前状态：查看在校学生资料"), panel 3 a hint or the welcome line.
    QString statusState() const { return m_statusState; }
    void setStatusState(const QString& text) { change(m_statusState, text, &ProgramState::statusStateChanged); }
    QString statusHint() const { return m_statusHint; }
    void setStatusHint(const QString& text) { change(m_statusHint, text, &ProgramState::statusHintChanged); }

Q_SIGNALS:
    void sessionChanged(const Session& session);
    void schoolNameChanged(const QString& name);
    void statusStateChanged(const QString& text);
    void statusHintChanged(const QString& text);

private:
    // Keeps the value, then tells whoever shows it.
    template<class T>
    void change(T& field, const T& value, void (ProgramState::*changed)(const T&))
    {
        field = value;
        Q_EMIT(this->*changed)(field);
    }

    Session m_session;
    QString m_schoolName;
    QString m_viewKind;
    HeadTeacherList 班主任组合框;
    QString m_statusState;
    QString m_statusHint;
};
