#pragma once

#include <QObject>

#include <functional>

// Lets several test classes share one executable per folder. A QSKIP in initTestCase leaves QTest
// skipping the classes that run after it in the same executable: skip in the test functions instead.
namespace TestRegistry {

bool add(const char* name, std::function<QObject*()> make);
// Runs every registered class (or those named with -class NAME) and returns the number of failures.
int runAll(int argc, char** argv);

} // namespace TestRegistry

#define XIAOWU_TEST(Class)                                                                                             \
    static const bool xiaowuRegistered##Class = TestRegistry::add(#Class, [] { return new Class; });
