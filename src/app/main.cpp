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
#include "app/StoreStart.h"
#include "platform/AppPaths.h"
#include "platform/DesktopLauncher.h"
#include "platform/DesktopScreen.h"
#include "platform/DialogFileChooser.h"
#include "platform/DiskFileOps.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/PlatformServices.h"
#include "platform/SdlMusicPlayer.h"
#include "platform/SystemClock.h"
#include "sheet/SheetFonts.h"
#include "store/ServerFileOps.h"
#include "store/StoreChoice.h"

#include <QApplication>
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

int storeCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const AppPaths paths = DataHome::locate(QCoreApplication::applicationDirPath(), DataHome::fromProcess());
    std::optional<ServerSettings> server;
    QTextStream err(stderr);
    if (!StoreStart::read(paths, &server, err))
        return 2;
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
    QTextStream err(stderr);
    StoreStart::choose(
        paths,
        [](const QString& question) -> std::optional<QString> {
            bool ok = false;
            const QString password
                = QInputDialog::getText(nullptr, u"连接数据库服务器"_s, question, QLineEdit::Password, {}, &ok);
            return ok ? std::optional<QString>(password) : std::nullopt;
        },
        err);

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
        shared.emplace(disk, *server, StoreCommand::sharedFiles());
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
