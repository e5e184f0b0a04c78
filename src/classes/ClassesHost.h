#pragma once

#include <QString>

class DbConnection;
class HeadTeacherList;
class QWidget;
struct PlatformServices;

// What the school, class and subject windows need from the main window that owns them.
class ClassesHost
{
public:
    // The main window's tab pages whose content depends on the class list.
    static constexpr int StudentViewPage = 1;
    static constexpr int EnrolledRosterPage = 3;
    static constexpr int GradeSheetPage = 4;
    static constexpr int AverageStatisticsPage = 8;

    virtual ~ClassesHost() = default;

    virtual PlatformServices& services() = 0;
    // 外部数据库1
    virtual DbConnection& studentDb() = 0;
    // The owner of the settings window.
    virtual QWidget* window() = 0;

    // The caption of the hidden 学校名称标签.
    virtual QString schoolName() const = 0;
    // Writes [School] Name of the settings file (then hides the file), sets 学校名称标签 to the
    // name and 首页校名标签 to homePageTitle(name). False, with the labels untouched, when the
    // settings file could not be written.
    virtual bool setSchoolName(const QString& name) = 0;
    static QString homePageTitle(const QString& schoolName) { return schoolName + QStringLiteral(u"校务管理系统"); }

    // The hidden 班主任组合框.
    virtual HeadTeacherList& headTeacherList() = 0;

    // The tab page on show: 0 home, 1 .. 8 as the page constants above.
    virtual int currentPage() const = 0;
    // ShowHomePage: back to page 0 with the page commands disabled.
    virtual void showHomePage() = 0;
    // Gives the focus back to the grade grid of the grade sheet page.
    virtual void focusGradeGrid() = 0;
};
