#pragma once

#include "students/StudentsFixture.h"
#include "support/FakeDesktop.h"
#include "support/FakePrompt.h"

#include "classes/HeadTeacherList.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "students/StudentsHost.h"

#include <QFile>

// Reads real files; the editor only ever reads photos.
class ReadingFileOps : public FileOps
{
public:
    bool exists(const QString& path) const override { return QFile::exists(path); }
    std::optional<QByteArray> readFile(const QString& path) const override
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return f.readAll();
    }
    bool writeFile(const QString&, const QByteArray&) override { return false; }
    bool copy(const QString&, const QString&) override { return false; }
    bool rename(const QString&, const QString&) override { return false; }
    bool remove(const QString&) override { return false; }
    bool moveToTrash(const QString&) override { return false; }
    bool makeWritable(const QString&) override { return false; }
    bool makeDirectory(const QString&) override { return false; }
};

// The main window as the student windows see it, recording what they ask of it.
class FakeStudentsHost : public StudentsHost
{
public:
    StudentsFixture data;
    FakePrompt prompt;
    FakeFileChooser chooser;
    FixedClock clock;
    FixedScreen screen;
    FakeMusicPlayer music;
    FakeLauncher launcher;
    ReadingFileOps files;
    PlatformServices platform {prompt, chooser, clock, screen, music, launcher, files};

    QString school = QStringLiteral(u"实验小学");
    QString admin = QStringLiteral(u"校长");
    QString viewKind;
    QString state;
    QString hint;
    HeadTeacherList headTeachers;
    int page = 0;
    int homePageCalls = 0;
    int studentPageCalls = 0;
    QString viewClass;
    QString roster;
    std::optional<StudentPick> pick;
    QStringList commands;
    QList<QByteArray> zoomed;
    QStringList leaveNotes;
    QMenu* affairsMenu = nullptr;
    int progress = -1;
    int progressRuns = 0;
    bool progressShown = true;

    PlatformServices& services() override { return platform; }
    DbConnection& studentDb() override { return data.db; }
    QString schoolName() const override { return school; }
    QString adminName() const override { return admin; }
    QString currentViewKind() const override { return viewKind; }
    void setCurrentViewKind(const QString& kind) override { viewKind = kind; }
    void setStatusState(const QString& text) override { state = text; }
    void setStatusHint(const QString& text) override { hint = text; }
    HeadTeacherList& headTeacherList() override { return headTeachers; }
    int currentPage() const override { return page; }
    void showStudentPage() override
    {
        ++studentPageCalls;
        page = 1;
    }
    void showHomePage() override
    {
        ++homePageCalls;
        page = 0;
    }
    QString studentViewClass() const override { return viewClass; }
    QString rosterClass() const override { return roster; }
    std::optional<StudentPick> pickedPupil() const override { return pick; }
    QMenu* studentAffairsMenu() override { return affairsMenu; }
    void runCommand(const QString& command) override { commands << command; }
    void startProgress() override
    {
        progress = 0;
        ++progressRuns;
    }
    void advanceProgress() override { ++progress; }
    void endProgress() override { progressShown = false; }
    void openPhotoZoom(const QByteArray& photo) override { zoomed << photo; }
    void openLeaveNote(const QString& text) override { leaveNotes << text; }
};
