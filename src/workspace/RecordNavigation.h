#pragma once

#include <QString>

#include <optional>

// Record navigation of the toolbar (first, previous, next, last) on the page on show. List pages
// and grid pages implement it; the main window tells the user when a move is not possible.
class RecordNavigation
{
public:
    enum class Move { First, Previous, Next, Last };

    virtual ~RecordNavigation() = default;

    // Moves the current record; false, with nothing moved, at the end in that direction.
    virtual bool move(Move move) = 0;

    // The row a move leads to among the rows first..last, or nothing when it cannot move. A current
    // row outside that range (no selection, a header row) counts as standing before the first.
    static std::optional<int> target(Move move, int current, int first, int last);
    static QString endMessage(Move move);
};
