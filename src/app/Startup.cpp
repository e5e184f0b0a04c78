#include "app/Startup.h"

#include "access/LoginWindow.h"
#include "app/DataCheck.h"
#include "app/DataHome.h"
#include "app/DataLock.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/StartupRules.h"
#include "platform/FileOps.h"
#include "platform/PlatformServices.h"
#include "platform/Prompt.h"
#include "platform/Screen.h"
#include "settings/AppSettings.h"
#include "store/DatabaseTemplate.h"

#include <QDir>

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
    if (!checkData())
        return false;
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

bool Startup::checkData()
{
    Prompt& prompt = m_services.prompt;
    const auto refuse = [&prompt](const QString& text) {
        prompt.show(text, u"错误"_s, Prompt::Icon::Error);
        return false;
    };
    // A folder that cannot be written is said so; falling back to another folder would show an
    // empty school to type into.
    if (const QString folder = DataCheck::unwritableFolder(m_paths); !folder.isEmpty())
        return refuse(DataCheck::unwritableMessage(folder));

    QDir().mkpath(m_paths.dataRoot());
    m_lock = std::make_unique<DataLock>(m_paths.dataRoot());
    while (!m_lock->acquire()) {
        if (!m_lock->error().isEmpty())
            return refuse(
                u"不能建立锁文件 %1（%2）！"_s.arg(QDir::toNativeSeparators(m_lock->path()), m_lock->error()));
        if (prompt.show(m_lock->inUseMessage(), u"提示"_s, Prompt::Icon::Warning, Prompt::Buttons::OkCancel)
            != Prompt::Answer::Ok)
            return false;
    }
    // Only now: the other copy may have been in the middle of a write.
    DataCheck::removeLeftovers(m_paths);

    const QStringList missing = DataCheck::missingFiles(m_paths);
    if (!missing.isEmpty()
        && prompt.show(DataCheck::missingMessage(missing), u"警告"_s, Prompt::Icon::Warning, Prompt::Buttons::YesNo)
            != Prompt::Answer::Yes)
        return false;
    if (QString why; !DataHome::prepare(m_paths, &why))
        return refuse(u"不能建立数据文件！\r\n\r\n"_s + why);

    // The administrators file is the login window's to judge: replacing it means logging in as
    // the built-in administrator, which the user has to agree to there.
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
        const QString file = m_paths.database(kind);
        QString detail;
        const DataCheck::Health health = DataCheck::database(file, kind, &detail);
        if (health == DataCheck::Health::Damaged) {
            prompt.show(DataCheck::damagedMessage(file, detail), u"警告"_s, Prompt::Icon::Warning);
        } else if (health == DataCheck::Health::NotOurs && kind != DatabaseKind::Admin) {
            const QString aside = DataCheck::nameForDamaged(file, m_services.fileOps);
            if (prompt.show(
                    DataCheck::unusableMessage(file, aside), u"错误"_s, Prompt::Icon::Error, Prompt::Buttons::YesNo)
                != Prompt::Answer::Yes)
                return false;
            QString why;
            if (aside.isEmpty() || !m_services.fileOps.rename(file, aside)
                || !DatabaseTemplate::writeTo(kind, file, &why))
                return refuse(u"不能把 %1 改名保存！%2"_s.arg(QDir::toNativeSeparators(file), why));
        }
    }
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
