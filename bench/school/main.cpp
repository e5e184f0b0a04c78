// Makes the large test school into a program directory: xiaowu_mkschool DIR
#include "school/LargeSchool.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : LargeSchool::defaultDir();
    QString error;
    if (!LargeSchool::ensure(dir, {}, &error)) {
        std::fprintf(stderr, "xiaowu_mkschool: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("large test school in %s\n", qPrintable(dir));
    return 0;
}
