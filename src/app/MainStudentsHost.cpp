#include "app/MainStudentsHost.h"

#include "app/MainWindow.h"
#include "prefs/LeaveNoteDialog.h"
#include "prefs/PhotoZoomWindow.h"
#include "students/StudentViewPage.h"

#include <QProgressBar>

using namespace Qt::StringLiterals;

MainStudentsHost::MainStudentsHost(MainWindow& main)
    : m_main(main)
{ }

PlatformServices& MainStudentsHost::services()
{
    return m_main.services();
}

DbConnection& MainStudentsHost::studentDb()
{
    return m_main.studentDb();
}

QString MainStudentsHost::schoolName() const
{
    return m_main.schoolName();
}

QString MainStudentsHost::adminName() const
{
    return m_main.session().userName;
}

QString MainStudentsHost::currentViewKind() const
{
    return m_main.currentViewKind();
}

void MainStudentsHost::setCurrentViewKind(const QString& kind)
{
    m_main.setCurrentViewKind(kind);
}

void MainStudentsHost::setStatusState(const QString& text)
{
    m_main.setStatusState(text);
}

void MainStudentsHost::setStatusHint(const QString& text)
{
    m_main.setStatusHint(text);
}

HeadTeacherList& MainStudentsHost::headTeacherList()
{
    return m_main.headTeachers();
}

int MainStudentsHost::currentPage() const
{
    return m_main.currentPage();
}

void MainStudentsHost::showStudentPage()
{
    m_main.openPage(MainWindow::StudentViewPage);
}

void MainStudentsHost::showHomePage()
{
    m_main.showHomePage();
}

QString MainStudentsHost::studentViewClass() const
{
    return m_view ? m_view->selectorText() : QString();
}

QString MainStudentsHost::rosterClass() const
{
    // The enrolled roster arrives with its own page; until then no roster class is on show.
    return {};
}

std::optional<StudentPick> MainStudentsHost::pickedPupil() const
{
    if (m_view && m_main.currentPage() == MainWindow::StudentViewPage)
        return m_view->currentPick();
    return std::nullopt;
}

QMenu* MainStudentsHost::studentAffairsMenu()
{
    return m_main.menu(u"班务管理");
}

void MainStudentsHost::runCommand(const QString& command)
{
    m_main.runCommand(command);
}

void MainStudentsHost::startProgress()
{
    m_main.progressBar()->setValue(0);
    m_main.progressBar()->show();
}

void MainStudentsHost::advanceProgress()
{
    QProgressBar* bar = m_main.progressBar();
    bar->setValue(bar->value() + 1 > bar->maximum() ? 0 : bar->value() + 1);
}

void MainStudentsHost::endProgress()
{
    m_main.progressBar()->setValue(0);
    m_main.progressBar()->hide();
}

void MainStudentsHost::openPhotoZoom(const QByteArray& photo)
{
    PhotoZoomWindow window(photo, &m_main);
    window.exec();
}

void MainStudentsHost::openLeaveNote(const QString& text)
{
    LeaveNoteDialog dialog(text, &m_main);
    dialog.exec();
}
