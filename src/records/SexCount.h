#pragma once

#include <QString>

// The male and female counts under a names list. Only exactly "男" is male: anything else, an
// empty 性别 included, counts as female, as the printed rosters have always counted.
struct SexCount
{
    int male = 0;
    int female = 0;

    static bool isMale(const QString& sex) { return sex == u"男"; }
    void add(const QString& sex) { ++(isMale(sex) ? male : female); }
    int total() const { return male + female; }
};
