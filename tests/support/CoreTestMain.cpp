#include "ServerSchool.h"
#include "TestRegistry.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (const auto code = ServerSchool::cannotRun())
        return *code;
    return TestRegistry::runAll(argc, argv) == 0 ? 0 : 1;
}
