#include "TestRegistry.h"

#include <QList>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

namespace TestRegistry {

namespace {

struct Entry
{
    const char* name;
    std::function<QObject*()> make;
};

std::vector<Entry>& entries()
{
    static std::vector<Entry> all;
    return all;
}

} // namespace

bool add(const char* name, std::function<QObject*()> make)
{
    entries().push_back({name, std::move(make)});
    return true;
}

int runAll(int argc, char** argv)
{
    // "-class NAME" picks one class; every other argument goes to QTest unchanged.
    const char* only = nullptr;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "-class") == 0 && i + 1 < argc) {
            only = argv[++i];
            continue;
        }
        args.push_back(argv[i]);
    }
    int failures = 0;
    for (const Entry& e : entries()) {
        if (only && std::strcmp(only, e.name) != 0)
            continue;
        std::unique_ptr<QObject> test(e.make());
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    return failures;
}

} // namespace TestRegistry
