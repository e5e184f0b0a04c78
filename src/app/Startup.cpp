#include "app/Startup.h"

#include "access/LoginWindow.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/StartupRules.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Screen.h"
#include "settings/AppSettings.h"

#include <QPointer>

using namespace Qt::StringLiterals;

Startup::Startup(PlatformServices& services, const AppPaths& paths, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_paths(paths)
{ }

Startup::~Startup() = default;

bool Startup::start()
{
    m_main = std::make_unique<MainWindow>(m_services, m_paths);
    MainWindow* main = m_main.get();

    // The splash reads the main window's title to learn that creation has finished.
    auto* splash
        = new SplashWindow([main = QPointer<MainWindow>(main)] { return main ? main->windowTitle() : QString(); });
    const QSize screen = m_services.screen.size();
    splash->move((screen.width() - splash->width()) / 2, (screen.height() - splash->height()) / 2);
    main->setSplash(splash);
    main->setLoginOpener(&Startup::openLoginWindow);
    splash->show();

    main->setGeometry(QRect(QPoint(0, 0), screen));

    m_features = new Features(*main);
    AppSettings& settings = m_features->settings();
    settings.writeDefaultsIfMissing();
    m_features->applyStoredStyle();
    makeDataFilesWritable();

    if (!main->openSchoolDatabases()) {
        main->closeSplash();
        return false;
    }

    main->showStoredSchoolName(settings.schoolName());
    main->showHomePage();
    main->setWindowTitle(StartupRules::mainTitle());
    return true;
}

void Startup::makeDataFilesWritable()
{
    // A data file copied from a CD or marked read-only by another tool must still take our writes.
    for (int n = 1; n <= 8; ++n) {
        const QString file = m_paths.path(u"\\data\\00"_s + QString::number(n) + u".xsk"_s);
        if (m_services.fileOps.exists(file))
            m_services.fileOps.makeWritable(file);
    }
    if (m_services.fileOps.exists(m_paths.settingsFile()))
        m_services.fileOps.makeWritable(m_paths.settingsFile());
}

void Startup::openLoginWindow(MainWindow& host, int mode, bool modal)
{
    if (!modal) {
        // At start: owned by the hidden main window, which it shows on a successful login.
        auto* window = new LoginWindow(mode, host, &host);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        return;
    }
    if (mode == LoginWindow::OwnAccount && !LoginWindow::prepareOwnAccountChange(host))
        return;
    LoginWindow window(mode, host);
    window.exec();
}
