#pragma once

#include "platform/AppPaths.h"

#include <QObject>

#include <memory>

class DataLock;
class Features;
class MainWindow;
struct PlatformServices;

// From process start until the login window: the main window is created hidden behind the splash,
// the settings file gets its defaults, the school databases are opened and the school name read.
class Startup : public QObject
{
    Q_OBJECT

public:
    Startup(PlatformServices& services, const AppPaths& paths, QObject* parent = nullptr);
    ~Startup() override;

    // False when the program has to end (a school database cannot be opened; the user was told).
    bool start();
    // Null before start().
    MainWindow* mainWindow() const { return m_main.get(); }
    Features* features() const { return m_features; }

    // The real login window, as the main window's commands and the splash ask for it.
    static void openLoginWindow(MainWindow& host, int mode, bool modal);

private:
    // The data folder can be written, no other copy has it, nothing is missing or damaged unseen:
    // false when the user chose to end or nothing can be done (the user was told).
    bool checkData();
    void makeDataFilesWritable();

    PlatformServices& m_services;
    AppPaths m_paths;
    std::unique_ptr<DataLock> m_lock;
    std::unique_ptr<MainWindow> m_main;
    Features* m_features = nullptr; // owned by the main window
};
