#include "support/FailingFileOps.h"
#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"

#include "access/AccountRules.h"
#include "access/AdminAccounts.h"
#include "access/AdminDatabase.h"
#include "access/CommandRights.h"
#include "platform/AppPaths.h"
#include "platform/DiskFileOps.h"
#include "store/DbConnection.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

AdminAccount account(const QString& name, const QString& rights, const QString& password = u"pw"_s)
{
    return {name, password, RightsString(rights)};
}

} // namespace

class TestAccounts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rightsOfOrdinaryAdministrators()
    {
        const auto grants = [](const QString& rights, const QString& command) {
            return RightsString(rights).grants(CommandRights::requirementOf(command));
        };
        // 1101: students, teachers and system, but no wages.
        for (const QString& command : {u"查看学生资料"_s, u"智能评语录入"_s, u"在职教员列表"_s, u"校务设置"_s,
                 u"管理员设置"_s, u"重新登录"_s, u"修改管理员资料"_s, u"打印"_s})
            QVERIFY2(grants(u"1101"_s, command), qPrintable(command));
        for (const QString& command : {u"打开工资表三"_s, u"系统数据初始化"_s, u"删除学生资料"_s, u"删除教员"_s,
                 u"恢复教员资料"_s, u"离校学生复学"_s, u"删除学生"_s, u"删除教员档案"_s})
            QVERIFY2(!grants(u"1101"_s, command), qPrintable(command));

        // 1110: no system commands.
        for (const QString& command : {u"校务设置"_s, u"管理员设置"_s, u"通用班级毕业升级"_s, u"自设班级毕业升级"_s,
                 u"系统数据维护"_s, u"系统数据初始化"_s})
            QVERIFY2(!grants(u"1110"_s, command), qPrintable(command));
        QVERIFY(grants(u"1110"_s, u"打开工资表五"_s));
        QVERIFY(grants(u"1110"_s, u"调离教员档案"_s));

        // System rights alone do not make a super administrator.
        QVERIFY(grants(u"0001"_s, u"管理员设置"_s));
        QVERIFY(!grants(u"0001"_s, u"删除学生"_s));
        QVERIFY(!grants(u"0001"_s, u"查看学生资料"_s));
        QVERIFY(grants(u"1111"_s, u"系统数据初始化"_s));
        // A malformed stored string grants nothing guarded.
        QVERIFY(!RightsString(u"11"_s).grants(Requirement::Wages));
        QCOMPARE(CommandRights::refusal(), u"  抱歉！您没有当前的操作权限！  "_s);
    }

    void loginMatchesExactlyOrFallsBackToTheBuiltIn()
    {
        const QList<AdminAccount> accounts {account(u"Wang"_s, u"1101"_s, u"Secret"_s), account(u"李"_s, u"1111"_s)};
        QCOMPARE(AccountRules::authenticate(accounts, u"Wang"_s, u"Secret"_s)->text(), u"1101"_s);
        QVERIFY(!AccountRules::authenticate(accounts, u"Wang"_s, u"secret"_s));
        QVERIFY(!AccountRules::authenticate(accounts, u"wang"_s, u"Secret"_s));
        QVERIFY(!AccountRules::authenticate(accounts, u"nobody"_s, u"pw"_s));
        QCOMPARE(AccountRules::authenticate(accounts, u"内部管理员"_s, u"40917"_s)->text(), u"1111"_s);
        QCOMPARE(AccountRules::authenticate({}, u"内部管理员"_s, u"40917"_s)->text(), u"1111"_s);
        QVERIFY(!AccountRules::authenticate({}, u"内部管理员"_s, u"40918"_s));
    }

    void superAdministratorRules()
    {
        QList<AdminAccount> accounts {account(u"甲"_s, u"1111"_s), account(u"乙"_s, u"1101"_s)};
        QVERIFY(AccountRules::isOnlySuper(accounts, 0));
        QVERIFY(!AccountRules::isOnlySuper(accounts, 1));
        QVERIFY(AccountRules::demotionRefused(accounts, 0, RightsString(u"1110"_s)));
        QVERIFY(!AccountRules::demotionRefused(accounts, 0, RightsString::super()));
        QVERIFY(!AccountRules::demotionRefused(accounts, 1, RightsString(u"0100"_s)));
        QVERIFY(AccountRules::deletionRefused(accounts, 0));
        QVERIFY(!AccountRules::deletionRefused(accounts, 1));

        // Alone, the last account may go.
        QVERIFY(!AccountRules::deletionRefused({accounts[0]}, 0));
        QVERIFY(AccountRules::demotionRefused({accounts[0]}, 0, RightsString(u"0001"_s)));

        // With a second super administrator both may be demoted or deleted.
        accounts.append(account(u"丙"_s, u"1111"_s));
        QVERIFY(!AccountRules::demotionRefused(accounts, 0, RightsString(u"1110"_s)));
        QVERIFY(!AccountRules::deletionRefused(accounts, 0));

        QVERIFY(AccountRules::firstAccountRefused({}, RightsString(u"1110"_s)));
        QVERIFY(!AccountRules::firstAccountRefused({}, RightsString::super()));
        QVERIFY(!AccountRules::firstAccountRefused(accounts, RightsString(u"0010"_s)));
        QCOMPARE(AccountRules::fromTicks(true, true, false, true).text(), u"1101"_s);
    }

    void duplicateNames()
    {
        const QList<AdminAccount> accounts {account(u"甲"_s, u"1111"_s), account(u"乙"_s, u"1101"_s)};
        // Adding refuses every existing name, whichever account was selected last.
        QVERIFY(AccountRules::nameTaken(accounts, u"甲"_s, -1));
        QVERIFY(AccountRules::nameTaken(accounts, u"乙"_s, -1));
        QVERIFY(!AccountRules::nameTaken(accounts, u"丙"_s, -1));
        // Modifying may keep its own name but not take another's.
        QVERIFY(!AccountRules::nameTaken(accounts, u"乙"_s, 1));
        QVERIFY(AccountRules::nameTaken(accounts, u"甲"_s, 1));
        // An old duplicate does not stop its owner from saving.
        const QList<AdminAccount> twice {account(u"甲"_s, u"1111"_s), account(u"甲"_s, u"1101"_s)};
        QVERIFY(!AccountRules::nameTaken(twice, u"甲"_s, 1));
    }

    void accountsAreStoredAsTyped()
    {
        TempProgramDir dir;
        DbConnection db;
        QVERIFY(db.openSchool(DatabaseKind::Admin, dir.databasePath(DatabaseKind::Admin)));
        AdminAccounts accounts(db);
        QCOMPARE(accounts.load()->size(), 0);

        const AdminAccount tricky = account(u"O'Brien;drop 用户表"_s, u"1111"_s, u"'--"_s);
        QVERIFY(accounts.add(tricky));
        QVERIFY(accounts.add(account(u"乙"_s, u"1101"_s)));
        QCOMPARE(accounts.load().value(), (QList<AdminAccount> {tricky, account(u"乙"_s, u"1101"_s)}));

        QVERIFY(accounts.modify(u"乙"_s, account(u"丙"_s, u"0110"_s, u"new"_s)));
        QVERIFY(accounts.changeOwn(tricky.userName, u"甲"_s, u"mine"_s));
        QCOMPARE(accounts.load().value(),
            (QList<AdminAccount> {account(u"甲"_s, u"1111"_s, u"mine"_s), account(u"丙"_s, u"0110"_s, u"new"_s)}));

        // The 10-character password column refuses more.
        QVERIFY(!accounts.add(account(u"丁"_s, u"1111"_s, u"12345678901"_s)));
        QVERIFY(accounts.add(account(u"丁"_s, u"1111"_s, u"密码密码密码密码密码"_s)));

        QVERIFY(accounts.remove(u"甲"_s));
        QCOMPARE(accounts.load()->size(), 2);
        db.close();
        QVERIFY(!accounts.load());
        QVERIFY(!accounts.add(account(u"戊"_s, u"1111"_s)));
    }

    void missingAdminDatabaseIsCreated()
    {
        TempProgramDir dir;
        AppPaths paths(dir.path());
        QFile::remove(dir.databasePath(DatabaseKind::Admin));
        DiskFileOps ops;
        DbConnection db;
        const AdminDatabase::Result result = AdminDatabase::open(db, paths, ops);
        QCOMPARE(result.outcome, AdminDatabase::Outcome::Created);
        QVERIFY(db.isOpen());
        QCOMPARE(AdminAccounts(db).load()->size(), 0);

        QVERIFY(AdminAccounts(db).add(account(u"甲"_s, u"1111"_s)));
        QCOMPARE(AdminDatabase::open(db, paths, ops).outcome, AdminDatabase::Outcome::Opened);
        QCOMPARE(AdminAccounts(db).load()->size(), 1);
        QVERIFY(AdminDatabase::reopen(db, paths));
        QCOMPARE(AdminAccounts(db).load()->size(), 1);
    }

    void damagedAdminDatabaseIsMovedAsideNotDiscarded()
    {
        TempProgramDir dir;
        AppPaths paths(dir.path());
        const QString file = dir.databasePath(DatabaseKind::Admin);
        DiskFileOps ops;
        QVERIFY(ops.writeFile(file, "first damaged file"));
        DbConnection db;
        // Opening alone never replaces it: that would open the built-in administrator unasked.
        AdminDatabase::Result result = AdminDatabase::open(db, paths, ops);
        QCOMPARE(result.outcome, AdminDatabase::Outcome::Damaged);
        QVERIFY(!db.isOpen());
        QCOMPARE(ops.readFile(file).value(), QByteArray("first damaged file"));
        result = AdminDatabase::replaceDamaged(db, paths, ops);
        QCOMPARE(result.outcome, AdminDatabase::Outcome::Replaced);
        QCOMPARE(result.movedTo, file + u".damaged"_s);
        QVERIFY(db.isOpen());
        QCOMPARE(AdminAccounts(db).load()->size(), 0);

        // A second damaged file keeps the first one's copy.
        db.close();
        QVERIFY(ops.writeFile(file, "second damaged file"));
        result = AdminDatabase::replaceDamaged(db, paths, ops);
        QCOMPARE(result.movedTo, file + u".damaged.2"_s);
        QCOMPARE(ops.readFile(file + u".damaged"_s).value(), QByteArray("first damaged file"));
        QCOMPARE(ops.readFile(file + u".damaged.2"_s).value(), QByteArray("second damaged file"));

        // Opened with another database's password it is just as unusable.
        db.close();
        QFile::remove(file);
        QVERIFY(QFile::copy(dir.databasePath(DatabaseKind::Teacher), file));
        QCOMPARE(AdminDatabase::open(db, paths, ops).outcome, AdminDatabase::Outcome::Damaged);
        QCOMPARE(AdminDatabase::replaceDamaged(db, paths, ops).outcome, AdminDatabase::Outcome::Replaced);
        QVERIFY(QFile::exists(file + u".damaged.3"_s));
    }

    void damagedFileThatCannotBeMovedIsKept()
    {
        TempProgramDir dir;
        AppPaths paths(dir.path());
        const QString file = dir.databasePath(DatabaseKind::Admin);
        FailingFileOps ops;
        ops.failWrites = false;
        QVERIFY(ops.writeFile(file, "damaged"));
        DbConnection db;
        const AdminDatabase::Result result = AdminDatabase::replaceDamaged(db, paths, ops);
        QCOMPARE(result.outcome, AdminDatabase::Outcome::Failed);
        QVERIFY(!db.isOpen());
        QCOMPARE(ops.readFile(file).value(), QByteArray("damaged"));
        QVERIFY(!AdminDatabase::reopen(db, paths));
        QCOMPARE(ops.readFile(file).value(), QByteArray("damaged"));
    }
};

XIAOWU_TEST(TestAccounts)
#include "TestAccounts.moc"
