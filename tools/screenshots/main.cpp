// Takes the pictures for the documentation. Run on purpose, never by CTest, under an X server:
//   xvfb-run -a -s "-screen 0 1280x800x24" build/tools/screenshots/xiaowu_screenshots [DIR] [-class NAME]
// DIR defaults to docs/screenshots of the source tree. Each picture maker is a test class registered
// with XIAOWU_TEST, so the windows are driven exactly as the tests drive them.
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv)
{
    QString dir = QStringLiteral(XIAOWU_SCREENSHOT_DIR);
    std::vector<char*> args {argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (i == 1 && argv[i][0] != '-')
            dir = QFile::decodeName(argv[i]);
        else
            args.push_back(argv[i]);
    }
    dir = QDir(dir).absolutePath();
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(dir));
        return 1;
    }
    // The picture makers read their directory from here, as they did when they ran among the tests.
    qputenv("XIAOWU_SCREENSHOTS", QFile::encodeName(dir));

    int count = static_cast<int>(args.size());
    QApplication app(count, args.data());
    const int failures = TestRegistry::runAll(count, args.data());
    std::printf("pictures in %s\n", qPrintable(dir));
    return failures == 0 ? 0 : 1;
}
