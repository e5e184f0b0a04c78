#include "ServerSchool.h"
#include "TestRegistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (const auto code = ServerSchool::cannotRun())
        return *code;
    return TestRegistry::runAll(argc, argv) == 0 ? 0 : 1;
}
