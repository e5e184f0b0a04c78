// Until the main window exists: open both school databases from the program directory and report.
#include "store/DatabaseKind.h"
#include "store/DbConnection.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath() + u"/data/"_s;
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher}) {
        DbConnection db;
        if (!db.open(dir + DatabaseKinds::fileName(kind), {}, DatabaseKinds::password(kind))) {
            std::fprintf(stderr, "%s\n", qPrintable(db.lastError()));
            return 1;
        }
    }
    std::printf("xiaowu: databases open\n");
    return 0;
}
