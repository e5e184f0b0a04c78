#include "app/Features.h"

#include "app/CommandRegistry.h"
#include "app/MainClassesHost.h"
#include "app/MainStudentsHost.h"
#include "app/MainWindow.h"
#include "app/PageFrame.h"
#include "app/StudentPageView.h"
#include "classes/ClassesCommands.h"
#include "platform/PlatformServices.h"
#include "prefs/Preferences.h"
#include "settings/AppSettings.h"
#include "students/StudentEditorWindow.h"
#include "students/StudentViewPage.h"

using namespace Qt::StringLiterals;

Features::Features(MainWindow& main)
    : QObject(&main)
    , m_main(main)
    , m_settings(std::make_unique<AppSettings>(main.paths().settingsFile(), main.services().fileOps))
{
    installPreferences();
    installClasses();
    installStudents();
}

Features::~Features() = default;

void Features::applyStoredStyle()
{
    m_preferences->applyStoredStyle();
}

void Features::installPreferences()
{
    m_preferences = new Preferences(m_main.services(), m_main.paths(), *m_settings, &m_main);
    CommandRegistry& c = m_main.commands();
    m_preferences->setMusicActions(c.action(u"背景音乐一"), c.action(u"背景音乐二"), c.action(u"其它音乐"));
    Preferences* p = m_preferences;
    c.setHandler(u"设置界面风格", [p] { p->chooseStyle(); });
    c.setHandler(u"记事本", [p] { p->openNotepad(); });
    c.setHandler(u"计算器", [p] { p->openCalculator(); });
    c.setHandler(u"背景音乐一", [p] { p->playMusic1(); });
    c.setHandler(u"背景音乐二", [p] { p->playMusic2(); });
    c.setHandler(u"其它音乐", [p] { p->otherMusic(); });
    c.setHandler(u"关闭音乐", [p] { p->stopMusic(); });
    c.setHandler(u"使用手册", [p] { p->openManual(); });
}

void Features::installClasses()
{
    m_classesHost = std::make_unique<MainClassesHost>(m_main, *m_settings);
    m_main.commands().setHandler(u"校务设置", [this] { ClassesCommands::schoolSettings(*m_classesHost); });
}

void Features::installStudents()
{
    m_studentsHost = std::make_unique<MainStudentsHost>(m_main);
    m_studentView = new StudentPageView(*m_studentsHost);
    m_main.page(MainWindow::StudentViewPage)->setView(m_studentView);
    StudentViewPage* view = m_studentView->page();
    m_studentsHost->setView(view);

    CommandRegistry& c = m_main.commands();
    c.setHandler(u"查看学生资料", [view] { view->showEnrolled(); });
    c.setHandler(u"毕业学生资料", [view] { view->showGraduates(); });
    c.setHandler(u"转退学生资料", [view] { view->showLeavers(); });
    c.setHandler(u"添加学生资料", [this] { StudentEditorWindow::openAdd(*m_studentsHost, &m_main); });
    c.setHandler(u"修改学生资料", [this] { StudentEditorWindow::openModify(*m_studentsHost, &m_main); });
}
