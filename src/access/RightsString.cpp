#include "access/RightsString.h"

bool RightsString::grants(Requirement requirement) const
{
    auto has = [this](int position) { return m_text.size() >= position && m_text[position - 1] == u'1'; };
    switch (requirement) {
    case Requirement::None:
        return true;
    case Requirement::Students:
        return has(1);
    case Requirement::Teachers:
        return has(2);
    case Requirement::Wages:
        return has(3);
    case Requirement::System:
        return has(4);
    case Requirement::Super:
        return isSuper();
    }
    return false;
}

bool RightsString::isWellFormed() const
{
    if (m_text.size() != 4)
        return false;
    for (QChar c : m_text) {
        if (c != u'0' && c != u'1')
            return false;
    }
    return true;
}
