#pragma once

class AppPaths;
class AppSettings;
class DbConnection;
class ProgramState;
class Shell;
struct PlatformServices;

// Everything a feature gets from the program, handed out by Features.
struct Workspace
{
    PlatformServices& services;
    const AppPaths& paths;
    DbConnection& studentDb; // 外部数据库1
    DbConnection& teacherDb; // 外部数据库2
    DbConnection& adminDb; // 外部数据库3, open only while the login window exists
    AppSettings& settings;
    ProgramState& state;
    Shell& shell;
};
