#pragma once

#include "access/Requirement.h"

#include <QString>

// Four characters "0"/"1": students, teachers, wages, system. "1111" is a super administrator.
class RightsString
{
public:
    RightsString() = default;
    explicit RightsString(const QString& text)
        : m_text(text)
    { }

    QString text() const { return m_text; }
    bool grants(Requirement requirement) const;
    bool isSuper() const { return m_text == QStringLiteral(u"1111"); }
    // Exactly four characters, each "0" or "1".
    bool isWellFormed() const;

    static RightsString super() { return RightsString(QStringLiteral(u"1111")); }

private:
    QString m_text;
};
