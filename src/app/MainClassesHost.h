#pragma once

#include "classes/ClassesHost.h"

class AppSettings;
class MainWindow;

// The main window as the school, class and subject windows see it.
class MainClassesHost : public ClassesHost
{
public:
    MainClassesHost(MainWindow& main, AppSettings& settings);

    PlatformServices& services() override;
    DbConnection& studentDb() override;
    QWidget* window() override;
    QString schoolName() const override;
    bool setSchoolName(const QString& name) override;
    HeadTeacherList& headTeacherList() override;
    int currentPage() const override;
    void showHomePage() override;
    void focusGradeGrid() override;

private:
    MainWindow& m_main;
    AppSettings& m_settings;
};
