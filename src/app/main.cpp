// xiaowu: the school office's records, kept below the program's own directory or, installed,
// below the user's data directory.
//
// xiaowu --check-data   lays out the data directory as a start would, prints its path and ends
//                       (exit status 1, with the reason on stderr, when it cannot be made).
// xiaowu --store-init   makes the school's databases on the server named in config.ini.
// xiaowu --store-copy FROM TO
//                       copies the school between the files and the server (see StoreCommand).
#include "app/DataHome.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/StoreCommand.h"
#include "platform/AppPaths.h"
#include "platform/DesktopLauncher.h"
#include "platform/DesktopScreen.h"
#include "platform/DialogFileChooser.h"
#include "platform/DiskFileOps.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/PlatformServices.h"
#include "platform/SdlMusicPlayer.h"
#include "platform/SystemClock.h"
#include "settings/AppSettings.h"
#include "settings/StoreSection.h"
#include "sheet/SheetFonts.h"
#include "store/DbConnection.h"
#include "store/ServerFileOps.h"
#include "store/StoreChoice.h"
#include "wages/WageTableFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

void setUpFonts(QApplication& app)
{
    // Cards and tables name the old Windows typefaces; the Arphic GB fonts stand in for them.
    SheetFonts::installSubstitutions();
    if (const QString warning = SheetFonts::missingFontsWarning(); !warning.isEmpty())
        QTextStream(stderr) << "xiaowu: " << warning << Qt::endl;
    QFont interface(u"Noto Sans CJK SC"_s);
    interface.setPointSize(10);
    app.setFont(interface);
}

bool hasArgument(int argc, char** argv, const char* wanted)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], wanted) == 0)
            return true;
    }
    return false;
}

// What a start lays out, without asking anything (the start itself first checks what is there).
bool prepareDataHome(const AppPaths& paths)
{
    QString error;
    if (DataHome::prepare(paths, &error))
        return true;
    QTextStream(stderr) << "xiaowu: " << error << Qt::endl;
    return false;
}

int checkData(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const AppPaths paths = DataHome::locate(QCoreApplication::applicationDirPath(), DataHome::fromProcess());
    if (!prepareDataHome(paths))
        return 1;
    QTextStream(stdout) << paths.dataRoot() << Qt::endl;
    return 0;
}

// The store of config.ini; false (with the reason on stderr) for a section that cannot be used.
bool readStoreSection(const AppPaths& paths, std::optional<ServerSettings>* server)
{
    const StoreSection::Result section = StoreSection::read(AppSettings(paths.settingsFile()));
    if (!section.error.isEmpty()) {
        QTextStream(stderr) << "xiaowu: " << section.error << Qt::endl;
        return false;
    }
    *server = section.server;
    return true;
}

int storeCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const AppPaths paths = DataHome::locate(QCoreApplication::applicationDirPath(), DataHome::fromProcess());
    std::optional<ServerSettings> server;
    if (!readStoreSection(paths, &server))
        return 2;
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(u"--store-init"_s))
        return StoreCommand::init(server, err);
    const qsizetype at = args.indexOf(u"--store-copy"_s);
    if (at + 2 >= args.size()) {
        err << "usage: xiaowu --store-copy FROM TO   (each: server, files or a directory)" << Qt::endl;
        return 2;
    }
    return StoreCommand::copy(args[at + 1], args[at + 2], paths.dataDir(), server, err);
}

// The server chosen in config.ini for this run. Without a password in ~/.pgpass the user is asked
// once; a server that cannot be reached shows as the databases' own load failure after.
void chooseStore(const AppPaths& paths)
{
    std::optional<ServerSettings> server;
    if (!readStoreSection(paths, &server) || !server)
        return;
    DbConnection probe;
    if (!probe.openServer(*server, DatabaseKind::Admin, true) && probe.lastError().contains(u"password"_s)) {
        bool ok = false;
        const QString password = QInputDialog::getText(nullptr, u"连接数据库服务器"_s,
            u"请输入数据库服务器 %1 上用户 %2 的密码："_s.arg(server->host, server->user), QLineEdit::Password, {},
            &ok);
        if (ok)
            server->password = password;
    }
    StoreChoice::useServer(server);
}

} // namespace

int main(int argc, char** argv)
{
    if (hasArgument(argc, argv, "--check-data"))
        return checkData(argc, argv);
    if (hasArgument(argc, argv, "--store-init") || hasArgument(argc, argv, "--store-copy"))
        return storeCommand(argc, argv);

    // Dates and numbers as a Chinese office reads them, in Qt's dialogs too, whatever the
    // desktop's own language is.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QApplication app(argc, argv);
    // The program ends by its own exit paths only; between splash, login and main window there
    // are moments with no window on screen.
    app.setQuitOnLastWindowClosed(false);
    // Lets the desktop match the windows to the menu entry and its icon.
    app.setDesktopFileName(u"io.github.xiaowu.Xiaowu"_s);

    QTranslator qtTexts;
    if (qtTexts.load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    setUpFonts(app);

    const AppPaths paths = DataHome::locate(QCoreApplication::applicationDirPath(), DataHome::fromProcess());
    chooseStore(paths);

    MessageBoxPrompt prompt;
    DialogFileChooser fileChooser;
    SystemClock clock;
    DesktopScreen screen;
    SdlMusicPlayer music;
    DesktopLauncher launcher;
    DiskFileOps disk;
    // On a server store the wage sheets are the server's, for every seat alike.
    std::optional<ServerFileOps> shared;
    if (const ServerSettings* server = StoreChoice::server()) {
        QStringList sheets;
        for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet)
            sheets << QFileInfo(QString(WageTableFile::relativePath(sheet)).replace(u'\\', u'/')).fileName();
        shared.emplace(disk, *server, sheets);
    }
    FileOps& fileOps = shared ? static_cast<FileOps&>(*shared) : disk;
    PlatformServices services {prompt, fileChooser, clock, screen, music, launcher, fileOps};
    Startup startup(services, paths);
    if (!startup.start())
        return 1;
    QObject::connect(
        startup.mainWindow(), &MainWindow::programEnding, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const int code = app.exec();
    music.stopForExit();
    return code;
}
