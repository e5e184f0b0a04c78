#pragma once

#include "students/StudentsHost.h"

class MainWindow;
class StudentViewPage;

// The main window as the student view and the student editor see it.
class MainStudentsHost : public StudentsHost
{
public:
    explicit MainStudentsHost(MainWindow& main);

    // The view on page 1, once it is installed.
    void setView(StudentViewPage* view) { m_view = view; }

    PlatformServices& services() override;
    DbConnection& studentDb() override;
    QString schoolName() const override;
    QString adminName() const override;
    QString currentViewKind() const override;
    void setCurrentViewKind(const QString& kind) override;
    void setStatusState(const QString& text) override;
    void setStatusHint(const QString& text) override;
    HeadTeacherList& headTeacherList() override;
    int currentPage() const override;
    void showStudentPage() override;
    void showHomePage() override;
    QString studentViewClass() const override;
    QString rosterClass() const override;
    std::optional<StudentPick> pickedPupil() const override;
    QMenu* studentAffairsMenu() override;
    void runCommand(const QString& command) override;
    void startProgress() override;
    void advanceProgress() override;
    void endProgress() override;
    void openPhotoZoom(const QByteArray& photo) override;
    void openLeaveNote(const QString& text) override;

private:
    MainWindow& m_main;
    StudentViewPage* m_view = nullptr;
};
