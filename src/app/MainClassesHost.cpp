#include "app/MainClassesHost.h"

#include "app/HomePage.h"
#include "app/MainWindow.h"
#include "app/PageFrame.h"
#include "settings/AppSettings.h"

MainClassesHost::MainClassesHost(MainWindow& main, AppSettings& settings)
    : m_main(main)
    , m_settings(settings)
{ }

PlatformServices& MainClassesHost::services()
{
    return m_main.services();
}

DbConnection& MainClassesHost::studentDb()
{
    return m_main.studentDb();
}

QWidget* MainClassesHost::window()
{
    return &m_main;
}

QString MainClassesHost::schoolName() const
{
    return m_main.schoolName();
}

bool MainClassesHost::setSchoolName(const QString& name)
{
    if (!m_settings.setSchoolName(name))
        return false;
    m_main.setSchoolName(name);
    // Once the school has been named here, the home page shows the name as given, even an empty one.
    m_main.homePage()->setSchoolTitle(homePageTitle(name));
    return true;
}

HeadTeacherList& MainClassesHost::headTeacherList()
{
    return m_main.headTeachers();
}

int MainClassesHost::currentPage() const
{
    return m_main.currentPage();
}

void MainClassesHost::showHomePage()
{
    m_main.showHomePage();
}

void MainClassesHost::focusGradeGrid()
{
    // The score sheet page has no grid yet; its page gets the focus back when it has one.
    if (PageFrame* page = m_main.page(MainWindow::ScoreSheetPage))
        page->setFocus();
}
