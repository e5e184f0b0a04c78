#include "workspace/RecordNavigation.h"

using namespace Qt::StringLiterals;

std::optional<int> RecordNavigation::target(Move move, int current, int first, int last)
{
    if (last < first)
        return std::nullopt;
    const bool inside = current >= first && current <= last;
    switch (move) {
    case Move::First:
        return inside && current == first ? std::nullopt : std::optional<int>(first);
    case Move::Previous:
        return inside && current > first ? std::optional<int>(current - 1) : std::nullopt;
    case Move::Next:
        if (!inside)
            return first;
        return current < last ? std::optional<int>(current + 1) : std::nullopt;
    case Move::Last:
        return inside && current == last ? std::nullopt : std::optional<int>(last);
    }
    return std::nullopt;
}

QString RecordNavigation::endMessage(Move move)
{
    return move == Move::First || move == Move::Previous ? u"已到第一个记录"_s : u"已到最后一个记录"_s;
}
