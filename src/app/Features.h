#pragma once

#include "students/StudentPages.h"
#include "workspace/Workspace.h"

#include <QObject>

#include <memory>

class AppSettings;
class ArchivedRosterPage;
class EnrolledRosterPage;
class MainWindow;
class PageView;
class Preferences;
class ReportPrinter;
class StudentPageView;
class StudentStatusCommands;
class TeacherRosterPage;
class TeacherStatusCommands;
class TeacherViewPage;
class WagePage;

// Puts the features into the main window: their views on its pages and their handlers on its
// commands. Created once, right after the main window; every feature gets the one workspace.
class Features : public QObject
{
    Q_OBJECT

public:
    explicit Features(MainWindow& main);
    ~Features() override;

    // The look of the settings file's [Interface] Style, for every window from now on.
    void applyStoredStyle();

    AppSettings& settings() { return *m_settings; }
    Workspace& workspace() { return m_ws; }
    StudentPageView* studentView() const { return m_studentView; }
    EnrolledRosterPage* enrolledRoster() const { return m_enrolledRoster; }
    ArchivedRosterPage* archivedRoster() const { return m_archivedRoster; }
    TeacherViewPage* teacherView() const { return m_teacherView; }
    TeacherRosterPage* teacherRoster() const { return m_teacherRoster; }
    WagePage* wagePage() const { return m_wagePage; }
    ReportPrinter* reportPrinter() const { return m_reportPrinter; }

private:
    void installPreferences();
    void installClasses();
    void installStudents();
    void installRosters();
    void importPupils();
    void installComments();
    void installTeachers();
    void installWages();
    void installMaintenance();
    void installPromotion();
    void installPrinting();
    void installExport();
    // The hooks of the page on show; null on the home page.
    PageView* currentPageView() const;

    MainWindow& m_main;
    std::unique_ptr<AppSettings> m_settings;
    Workspace m_ws;
    Preferences* m_preferences = nullptr;
    StudentPageView* m_studentView = nullptr;
    EnrolledRosterPage* m_enrolledRoster = nullptr;
    ArchivedRosterPage* m_archivedRoster = nullptr;
    StudentPages m_studentPages;
    std::unique_ptr<StudentStatusCommands> m_studentStatus;
    TeacherViewPage* m_teacherView = nullptr;
    TeacherRosterPage* m_teacherRoster = nullptr;
    std::unique_ptr<TeacherStatusCommands> m_teacherStatus;
    WagePage* m_wagePage = nullptr;
    ReportPrinter* m_reportPrinter = nullptr;
};
