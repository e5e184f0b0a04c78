#pragma once

#include "classes/ClassesHost.h"
#include "classes/HeadTeacherList.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"
#include "support/FakeDesktop.h"
#include "support/FakePrompt.h"
#include "support/TempProgramDir.h"

// The windows never touch files; a file operation here is a fault of the test.
class UnusedFileOps : public FileOps
{
public:
    bool exists(const QString&) const override { return false; }
    std::optional<QByteArray> readFile(const QString&) const override { return std::nullopt; }
    bool writeFile(const QString&, const QByteArray&) override { return false; }
    bool copy(const QString&, const QString&) override { return false; }
    bool rename(const QString&, const QString&) override { return false; }
    bool remove(const QString&) override { return false; }
    bool moveToTrash(const QString&) override { return false; }
    bool makeWritable(const QString&) override { return false; }
    bool makeDirectory(const QString&) override { return false; }
};

// A main window as the classes windows see it: a fresh students database, the school-name
// labels and the hidden head-teacher list as plain fields, and a record of what was asked of it.
class FakeClassesHost : public ClassesHost
{
public:
    FakeClassesHost()
    {
        db.open(dir.databasePath(DatabaseKind::Student), QString(), DatabaseKinds::password(DatabaseKind::Student));
    }

    PlatformServices& services() override { return platform; }
    DbConnection& studentDb() override { return db; }
    QWidget* window() override { return nullptr; }
    QString schoolName() const override { return 学校名称标签; }
    bool setSchoolName(const QString& name) override
    {
        if (!settingsWritable)
            return false;
        storedName = name;
        学校名称标签 = name;
        首页校名标签 = homePageTitle(name);
        return true;
    }
    HeadTeacherList& headTeacherList() override { return 班主任组合框; }
    int currentPage() const override { return page; }
    void showHomePage() override
    {
        ++homePageShown;
        page = 0;
    }
    void focusGradeGrid() override { ++gradeGridFocused; }

    TempProgramDir dir;
    DbConnection db;
    FakePrompt prompt;
    FakeFileChooser chooser;
    FixedClock clock;
    FixedScreen screen;
    FakeMusicPlayer music;
    FakeLauncher launcher;
    UnusedFileOps fileOps;
    PlatformServices platform {prompt, chooser, clock, screen, music, launcher, fileOps};

    QString 学校名称标签 = QStringLiteral(u"育才小学");
    QString 首页校名标签 = homePageTitle(学校名称标签);
    std::optional<QString> storedName;
    bool settingsWritable = true;
    HeadTeacherList 班主任组合框;
    int page = 0;
    int homePageShown = 0;
    int gradeGridFocused = 0;
};
