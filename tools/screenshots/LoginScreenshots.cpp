#include "support/FakeAccessHost.h"
#include "support/TestRegistry.h"

#include "access/AdminAccounts.h"
#include "access/LoginWindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The login window's pages, as the manual shows them.
class LoginScreenshots : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

    void shoot(QWidget& window, const QString& name)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(100);
        QVERIFY(window.grab().save(m_dir + u"/login-"_s + name + u".png"_s));
    }

    static void seed(FakeAccessHost& host)
    {
        DbConnection db;
        QVERIFY(db.open(host.dir.databasePath(DatabaseKind::Admin), {}, DatabaseKinds::password(DatabaseKind::Admin)));
        AdminAccounts accounts(db);
        accounts.add({u"王校长"_s, u"pw"_s, RightsString(u"1111"_s)});
        accounts.add({u"李老师"_s, u"pw"_s, RightsString(u"1101"_s)});
        accounts.add({u"财务张"_s, u"pw"_s, RightsString(u"0010"_s)});
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_dir = qEnvironmentVariable("XIAOWU_SCREENSHOTS");
        QVERIFY(!m_dir.isEmpty());
    }

    void loginPage()
    {
        FakeAccessHost host;
        LoginWindow window(0, host);
        shoot(window, u"builtin"_s);
    }

    void ownAccountPage()
    {
        FakeAccessHost host;
        seed(host);
        host.current = {u"李老师"_s, RightsString(u"1101"_s)};
        LoginWindow window(1, host);
        shoot(window, u"own-account"_s);
    }

    void accountPages()
    {
        FakeAccessHost host;
        seed(host);
        LoginWindow window(3, host);
        window.管理员列表框->setCurrentRow(1);
        shoot(window, u"accounts"_s);
        window.添加钮->click();
        shoot(window, u"add"_s);
        window.添加修改取消钮->click();
        window.修改钮->click();
        shoot(window, u"modify"_s);
    }
};

XIAOWU_TEST(LoginScreenshots)
#include "LoginScreenshots.moc"
