#include "support/ServerSchool.h"
#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"

#include "app/StoreCommand.h"
#include "platform/DiskFileOps.h"
#include "store/DbConnection.h"
#include "store/StoreCopy.h"

#include <QTest>
#include <QTextStream>

using namespace Qt::StringLiterals;

// --store-copy moves a whole school: the three databases and the five wage sheets.
class TestStoreCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aSchoolGoesToTheServerAndBackWhole()
    {
        REQUIRE_TEST_SERVER();
        ServerSchool school;
        QVERIFY2(school.isValid(), qPrintable(school.error()));
        TempProgramDir office;
        TempProgramDir back;
        DiskFileOps disk;
        const QString sheet = office.filePath(u"data/003.xsk"_s);
        const QByteArray wages = QByteArray("\0\x07sheet", 7).repeated(300);
        QVERIFY(disk.writeFile(sheet, wages));
        {
            DbConnection db;
            QVERIFY(db.open(
                office.databasePath(DatabaseKind::Student), {}, DatabaseKinds::password(DatabaseKind::Student)));
            QVERIFY(db.execute(
                u"insert into 学籍表 (学号,姓名,照片) values (1,'张三',?)"_s, {QByteArray("\xff\0jpeg", 6)}));
        }
        QString said;
        QTextStream out(&said);
        const QString officeData = office.filePath(u"data"_s);
        const QString backData = back.filePath(u"data"_s);
        QCOMPARE(StoreCommand::copy(officeData, u"server"_s, officeData, school.settings(), out), 0);
        QCOMPARE(StoreCommand::copy(u"server"_s, backData, backData, school.settings(), out), 0);
        QVERIFY2(said.contains(u"copied 005.xsk"_s), qPrintable(said));
        for (const QString& name : StoreCommand::sharedFiles())
            QCOMPARE(
                disk.readFile(back.filePath(u"data/"_s + name)), disk.readFile(office.filePath(u"data/"_s + name)));
        QCOMPARE(disk.readFile(back.filePath(u"data/003.xsk"_s)), std::optional<QByteArray>(wages));
        for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
            DbConnection a;
            DbConnection b;
            QVERIFY(a.open(office.databasePath(kind), {}, DatabaseKinds::password(kind)));
            QVERIFY(b.open(back.databasePath(kind), {}, DatabaseKinds::password(kind)));
            QString error;
            QVERIFY2(StoreCopy::same(a, b, kind, &error), qPrintable(error));
        }
    }
};

XIAOWU_TEST(TestStoreCommand)
#include "TestStoreCommand.moc"
