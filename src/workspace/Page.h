#pragma once

// The nine pages of the main window's 选择夹1, in their tab order.
enum class Page {
    Home = 0,
    StudentView = 1,
    LeaverRoster = 2,
    EnrolledRoster = 3,
    ScoreSheet = 4,
    TeacherView = 5,
    TeacherRoster = 6,
    WageSheet = 7,
    AverageScores = 8,
};

inline constexpr int PageCount = 9;

constexpr int pageIndex(Page page)
{
    return static_cast<int>(page);
}
