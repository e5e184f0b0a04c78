#pragma once

#include <QString>

#include <functional>

class AppPaths;
struct PlatformServices;

// 系统数据初始化: every data file back to what a fresh installation holds, then a restart. The
// current data is kept first in a dated folder below "\backup", and the eight files are replaced
// only once all eight templates are written.
class SystemInitialisation
{
public:
    struct Hooks
    {
        std::function<void()> closeConnections;
        // After a failed reset: the old data is still in place and the program goes on with it.
        std::function<void()> reopenConnections;
        std::function<void()> quit;
        QString program; // the executable started again
    };

    SystemInitialisation(PlatformServices& services, const AppPaths& paths);

    // Asks first; true when the data was reset (the program then restarts and quits).
    bool run(const Hooks& hooks);

    // The safety copy and the templates, with the connections closed.
    bool reset(QString* error);
    // "\backup\初始化前20261209-153000", set by reset().
    QString safetyCopyDir() const { return m_safetyDir; }

    // How many runs keep their safety copy: each holds a whole school.
    static constexpr int keptSafetyCopies = 3;

private:
    bool keepSafetyCopy(QString* error);
    // Removes the safety copies of all but the last keptSafetyCopies runs.
    void dropOldSafetyCopies();

    PlatformServices& m_services;
    const AppPaths& m_paths;
    QString m_safetyDir;
};
