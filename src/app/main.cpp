// xiaowu: the school office's records. Everything below the program's own directory.
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "platform/AppPaths.h"
#include "platform/DesktopLauncher.h"
#include "platform/DesktopScreen.h"
#include "platform/DialogFileChooser.h"
#include "platform/DiskFileOps.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/PlatformServices.h"
#include "platform/SdlMusicPlayer.h"
#include "platform/SystemClock.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

void setUpFonts(QApplication& app)
{
    // Cards and tables name the old Windows typefaces; the Arphic GB fonts stand in for them.
    QFont::insertSubstitution(u"宋体"_s, u"AR PL SungtiL GB"_s);
    QFont::insertSubstitution(u"楷体_GB2312"_s, u"AR PL KaitiM GB"_s);
    QFont interface(u"Noto Sans CJK SC"_s);
    interface.setPointSize(10);
    app.setFont(interface);
}

} // namespace

int main(int argc, char** argv)
{
    // Dates and numbers as a Chinese office reads them, in Qt's dialogs too, whatever the
    // desktop's own language is.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QApplication app(argc, argv);
    // The program ends by its own exit paths only; between splash, login and main window there
    // are moments with no window on screen.
    app.setQuitOnLastWindowClosed(false);

    QTranslator qtTexts;
    if (qtTexts.load(u"qtbase_zh_CN"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    setUpFonts(app);

    MessageBoxPrompt prompt;
    DialogFileChooser fileChooser;
    SystemClock clock;
    DesktopScreen screen;
    SdlMusicPlayer music;
    DesktopLauncher launcher;
    DiskFileOps fileOps;
    PlatformServices services {prompt, fileChooser, clock, screen, music, launcher, fileOps};
    const AppPaths paths(QCoreApplication::applicationDirPath());

    Startup startup(services, paths);
    if (!startup.start())
        return 1;
    QObject::connect(
        startup.mainWindow(), &MainWindow::programEnding, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    const int code = app.exec();
    music.stopForExit();
    return code;
}
