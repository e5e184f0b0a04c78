#include "support/DataRows.h"
#include "support/FakeAccessHost.h"
#include "support/TestRegistry.h"

#include "access/AdminAccounts.h"
#include "access/LoginWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString builtInHint = u"目前尚未建立系统管理员数据！现在将使用系统内置的管理员登录！"_s;
const QString wrongLogin = u"用户名或密码错误，请重新登录！  "_s;

void seed(FakeAccessHost& host, const QList<AdminAccount>& accounts)
{
    DbConnection db;
    QVERIFY(db.openSchool(DatabaseKind::Admin, host.dir.databasePath(DatabaseKind::Admin)));
    for (const AdminAccount& account : accounts)
        QVERIFY(AdminAccounts(db).add(account));
}

QList<AdminAccount> stored(FakeAccessHost& host)
{
    DbConnection db;
    if (!db.openSchool(DatabaseKind::Admin, host.dir.databasePath(DatabaseKind::Admin)))
        return {};
    return AdminAccounts(db).load().value_or(QList<AdminAccount>());
}

AdminAccount account(const QString& name, const QString& rights, const QString& password = u"pw"_s)
{
    return {name, password, RightsString(rights)};
}

void logIn(LoginWindow& window, const QString& name, const QString& password)
{
    window.登陆名组合框->setEditText(name);
    window.登陆密码编辑框->setText(password);
    window.登录钮->click();
}

void tick(LoginWindow& window, const QString& rights)
{
    const QList<QCheckBox*> boxes {window.权限选择框1, window.权限选择框2, window.权限选择框3, window.权限选择框4};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setChecked(rights[i] == u'1');
}

void fillForm(LoginWindow& window, const QString& name, const QString& rights, const QString& password = u"pw"_s)
{
    window.添加修改用户名->setText(name);
    if (window.添加修改密码框1->isEnabled())
        window.添加修改密码框1->setText(password);
    window.添加修改密码框2->setText(password);
    tick(window, rights);
}

} // namespace

class TestLoginWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInAdministratorWhileNoAccountExists()
    {
        FakeAccessHost host;
        LoginWindow window(0, host);
        QCOMPARE(window.windowTitle(), u"欢迎登录"_s);
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.选择夹1->currentIndex(), 0);
        QCOMPARE(host.splashClosed, 1);
        QVERIFY(host.db.isOpen());
        QCOMPARE(window.登陆名组合框->currentText(), u"内部管理员"_s);
        QCOMPARE(window.登陆密码编辑框->text(), u"40917"_s);

        window.show();
        QTRY_COMPARE(host.prompt.texts(), QStringList {builtInHint});
        QCOMPARE(host.prompt.boxes().first().title, u"提示"_s);
        QCOMPARE(host.prompt.boxes().first().icon, Prompt::Icon::None);

        window.登录钮->click();
        QCOMPARE(host.current.userName, u"内部管理员"_s);
        QCOMPARE(host.current.rights.text(), u"1111"_s);
        QCOMPARE(host.shownAfterLogin, 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
        QCOMPARE(host.quits, 0);
    }

    void accountsAreOfferedAndTheBuiltInStillWorks()
    {
        FakeAccessHost host;
        seed(host, {account(u"张老师"_s, u"1101"_s, u"abc"_s), account(u"李"_s, u"1111"_s)});
        {
            LoginWindow window(0, host);
            QCOMPARE(window.登陆名组合框->count(), 2);
            QCOMPARE(window.登陆名组合框->currentText(), u"张老师"_s);
            QVERIFY(window.登陆密码编辑框->text().isEmpty());
            window.show();
            QTest::qWait(20);
            QVERIFY(host.prompt.texts().isEmpty());

            logIn(window, u"张老师"_s, u"abc"_s);
            QCOMPARE(host.current.userName, u"张老师"_s);
            QCOMPARE(host.current.rights.text(), u"1101"_s);
        }
        QVERIFY(!host.db.isOpen());
        LoginWindow window(0, host);
        logIn(window, u"内部管理员"_s, u"40917"_s);
        QCOMPARE(host.current.rights.text(), u"1111"_s);
        QVERIFY(host.prompt.texts().isEmpty());
    }

    void atStartTheWindowGoesAwayWithItsDatabase()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1101"_s)});
        QPointer<LoginWindow> window = new LoginWindow(0, host);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        window->登陆密码编辑框->setText(u"pw"_s);
        // Enter in the password box logs in.
        QTest::keyClick(window->登陆密码编辑框, Qt::Key_Return);
        QCOMPARE(host.shownAfterLogin, 1);
        QTRY_VERIFY(window.isNull());
        QVERIFY(!host.db.isOpen());
        QCOMPARE(host.current.rights.text(), u"1101"_s);
        QCOMPARE(host.quits, 0);
    }

    void emptyNameOrPasswordIsAskedFor()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s)});
        LoginWindow window(0, host);
        logIn(window, QString(), u"x"_s);
        logIn(window, u"甲"_s, QString());
        QCOMPARE(host.prompt.texts(), (QStringList {u"请输入管理员用户名！  "_s, u"请输入管理员密码！  "_s}));
        QCOMPARE(host.prompt.boxes().last().title, u"提示"_s);
        QCOMPARE(host.shownAfterLogin, 0);
        // Neither counts as a failed login.
        logIn(window, u"甲"_s, u"bad"_s);
        logIn(window, u"甲"_s, u"bad"_s);
        logIn(window, u"甲"_s, u"pw"_s);
        QCOMPARE(host.shownAfterLogin, 1);
    }

    void twoWrongLoginsThenARightOne()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s, u"Pass"_s)});
        LoginWindow window(0, host);
        logIn(window, u"甲"_s, u"pass"_s);
        QVERIFY(window.登陆密码编辑框->text().isEmpty());
        logIn(window, u"乙"_s, u"Pass"_s);
        QCOMPARE(host.prompt.texts(), (QStringList {wrongLogin, wrongLogin}));
        QCOMPARE(host.prompt.boxes().last().title, u"错误！"_s);
        QCOMPARE(host.prompt.boxes().last().icon, Prompt::Icon::Error);
        logIn(window, u"甲"_s, u"Pass"_s);
        QCOMPARE(host.shownAfterLogin, 1);
        QCOMPARE(host.quits, 0);
        QCOMPARE(host.current.userName, u"甲"_s);
    }

    void theThirdWrongLoginEndsTheProgram()
    {
        FakeAccessHost host;
        LoginWindow window(0, host);
        window.show();
        QTRY_VERIFY(!host.prompt.texts().isEmpty());
        host.prompt.clear();
        for (int i = 0; i < 3; ++i)
            logIn(window, u"内部管理员"_s, u"wrong"_s);
        QCOMPARE(
            host.prompt.texts(), (QStringList {wrongLogin, wrongLogin, u"抱歉！非本系统管理员无权使用本系统！"_s}));
        QCOMPARE(host.prompt.boxes().last().title, u"错误！"_s);
        QCOMPARE(host.quits, 1);
        QVERIFY(!window.isVisible());
        QVERIFY(!host.current.isLoggedIn());
        QCOMPARE(host.shownAfterLogin, 0);
    }

    void leavingTheLoginPage()
    {
        // At start the exit button ends the program.
        {
            FakeAccessHost host;
            LoginWindow window(0, host);
            window.退出登陆钮->click();
            QCOMPARE(host.quits, 1);
            QVERIFY(host.prompt.texts().isEmpty() || host.prompt.texts() == QStringList {builtInHint});
        }
        // On 重新登录 it only closes the window; the session stays.
        {
            FakeAccessHost host;
            host.current = {u"甲"_s, RightsString(u"1101"_s)};
            LoginWindow window(0, host);
            window.show();
            window.退出登陆钮->click();
            QCOMPARE(host.quits, 0);
            QVERIFY(!window.isVisible());
            QCOMPARE(host.current.userName, u"甲"_s);
        }
        // Closing the login page asks first, Escape too; No keeps it.
        {
            FakeAccessHost host;
            seed(host, {account(u"甲"_s, u"1111"_s)});
            LoginWindow window(0, host);
            window.show();
            host.prompt.answerNext(Prompt::Answer::No);
            window.close();
            QVERIFY(window.isVisible());
            host.prompt.answerNext(Prompt::Answer::No);
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(window.isVisible());
            QCOMPARE(host.prompt.texts(), (QStringList {u"您真的要退出系统吗？"_s, u"您真的要退出系统吗？"_s}));
            QCOMPARE(host.prompt.boxes().first().title, u"询问"_s);
            QCOMPARE(host.prompt.boxes().first().buttons, Prompt::Buttons::YesNo);
            QCOMPARE(host.quits, 0);
            window.close();
            QVERIFY(!window.isVisible());
            QCOMPARE(host.quits, 1);
        }
        // The other pages close without asking.
        {
            FakeAccessHost host;
            LoginWindow window(3, host);
            window.show();
            window.close();
            QVERIFY(!window.isVisible());
            QVERIFY(host.prompt.texts().isEmpty());
            QCOMPARE(host.quits, 0);
        }
    }

    void theFirstAccountMustHaveAllFourRights()
    {
        FakeAccessHost host;
        LoginWindow window(3, host);
        QCOMPARE(window.windowTitle(), u"设置管理员资料"_s);
        QCOMPARE(window.选择夹1->currentIndex(), 3);
        QVERIFY(!window.windowFlags().testFlag(Qt::FramelessWindowHint));
        window.添加钮->click();
        QCOMPARE(window.选择夹1->currentIndex(), 2);
        QCOMPARE(window.分组框1->title(), u"添加管理员数据"_s);
        QCOMPARE(window.标签3->text(), u"密码："_s);
        QVERIFY(window.权限选择框1->isChecked() && window.权限选择框4->isChecked());

        fillForm(window, u"甲"_s, u"1110"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(),
            u"第一次创建的管理员必须拥有全部的操作权限！    \r\n（请在4个操作权限上全部打勾）"_s);
        QCOMPARE(host.prompt.boxes().last().title, u"提示"_s);
        QCOMPARE(host.prompt.boxes().last().icon, Prompt::Icon::Information);
        QVERIFY(stored(host).isEmpty());

        tick(window, u"1111"_s);
        window.添加修改确定钮->click();
        QVERIFY(host.prompt.lastText().startsWith(u"          添加管理员数据成功！管理员权限为：超级管理员   \r\n"_s));
        QVERIFY(host.prompt.lastText().contains(u"readme.txt"_s));
        QCOMPARE(stored(host), QList<AdminAccount> {account(u"甲"_s, u"1111"_s)});
        QCOMPARE(window.管理员列表框->count(), 1);
        // The form stays, emptied, for the next account.
        QCOMPARE(window.选择夹1->currentIndex(), 2);
        QVERIFY(window.添加修改用户名->text().isEmpty());
        QVERIFY(window.权限选择框3->isChecked());

        fillForm(window, u"乙"_s, u"0100"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(), u"   添加管理员数据成功！管理员权限为：普通管理员   "_s);
        QCOMPARE(stored(host).size(), 2);
    }

    void addingRefusesBadInput()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s), account(u"乙"_s, u"1101"_s)});
        LoginWindow window(3, host);
        // The account selected last is refused as well as any other.
        window.管理员列表框->setCurrentRow(1);
        window.添加钮->click();
        for (const QString& name : {u"甲"_s, u"乙"_s}) {
            fillForm(window, name, u"1111"_s);
            window.添加修改确定钮->click();
            QCOMPARE(host.prompt.lastText(), u"输入的管理员用户名已经存在！请重新输入用户名！"_s);
        }
        fillForm(window, u"　 "_s, u"1111"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(), u"管理员的用户名或密码不能有空数据！"_s);
        fillForm(window, u"丙"_s, u"0000"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(), u"    管理员最少要有一项操作权限！    "_s);

        fillForm(window, u"丙"_s, u"1000"_s);
        window.添加修改密码框2->setText(u"other"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(), u"输入的密码与确认密码不一致！"_s);
        QVERIFY(window.添加修改密码框1->text().isEmpty() && window.添加修改密码框2->text().isEmpty());
        QCOMPARE(stored(host).size(), 2);

        // Passwords stop at the column's ten characters instead of failing on save.
        window.添加修改密码框1->clear();
        QTest::keyClicks(window.添加修改密码框1, u"123456789012"_s);
        QCOMPARE(window.添加修改密码框1->text(), u"1234567890"_s);
        for (QLineEdit* box : {window.登陆密码编辑框, window.原密码编辑框, window.新密码编辑框, window.确认密码编辑框,
                 window.添加修改密码框2})
            QCOMPARE(box->maxLength(), 10);
    }

    void theOnlySuperAdministratorStays()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s), account(u"乙"_s, u"1101"_s)});
        LoginWindow window(3, host);
        QCOMPARE(window.管理员列表框->currentRow(), -1);
        window.修改钮->click();
        QCOMPARE(host.prompt.lastText(), u"请选择要修改的管理员用户名！"_s);
        window.删除钮->click();
        QCOMPARE(host.prompt.lastText(), u"请选择要删除的管理员用户名！"_s);

        window.管理员列表框->setCurrentRow(0);
        window.修改钮->click();
        QCOMPARE(window.分组框1->title(), u"修改管理员数据"_s);
        QCOMPARE(window.标签3->text(), u"原密码："_s);
        QVERIFY(!window.添加修改密码框1->isEnabled());
        QCOMPARE(window.添加修改用户名->text(), u"甲"_s);
        QCOMPARE(window.添加修改密码框2->text(), u"pw"_s);
        window.权限选择框4->setChecked(false);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.boxes().at(host.prompt.boxes().size() - 2).text, u"您确认要修改当前管理员的数据吗？"_s);
        QCOMPARE(host.prompt.lastText(),
            u"  目前甲是唯一的超级管理员，不能修改为普通管理员！  \r\n\r\n  如果您一定要修改，请先再添加一个超级管理员！"_s);
        QCOMPARE(stored(host).first().rights.text(), u"1111"_s);

        window.添加修改取消钮->click();
        QCOMPARE(window.选择夹1->currentIndex(), 3);
        window.删除钮->click();
        QCOMPARE(host.prompt.lastText(),
            u"       甲是目前唯一的超级管理员！\r\n\r\n如果您确定要删除，请再创建一个超级管理员或先将\r\n"
            u"其他普通管理员全部删除后再删除当前管理员！"_s);
        QCOMPARE(stored(host).size(), 2);

        // With a second super administrator the first may be demoted.
        window.添加钮->click();
        fillForm(window, u"丙"_s, u"1111"_s);
        window.添加修改确定钮->click();
        window.添加修改取消钮->click();
        window.管理员列表框->setCurrentRow(0);
        window.修改钮->click();
        fillForm(window, u"甲二"_s, u"1110"_s, u"newpw"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(), u"   当前管理员数据被成功修改！  "_s);
        QCOMPARE(window.选择夹1->currentIndex(), 3);
        QCOMPARE(stored(host).first(), account(u"甲二"_s, u"1110"_s, u"newpw"_s));
        QCOMPARE(window.管理员列表框->item(0)->text(), u"甲二"_s);
        QCOMPARE(host.sessions.size(), 0);

        // Deleting asks first; Cancel keeps the account.
        window.管理员列表框->setCurrentRow(1);
        host.prompt.answerNext(Prompt::Answer::Cancel);
        window.删除钮->click();
        QCOMPARE(host.prompt.lastText(), u"    您确定要删除用户名为乙的管理员数据吗？    "_s);
        QCOMPARE(stored(host).size(), 3);
        window.删除钮->click();
        QCOMPARE(stored(host).size(), 2);
        QCOMPARE(window.管理员列表框->count(), 2);
        QCOMPARE(window.隐藏列表().size(), 2);
    }

    void modifyingKeepsItsOwnNameButNotAnothers()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s), account(u"乙"_s, u"1101"_s)});
        LoginWindow window(3, host);
        window.管理员列表框->setCurrentRow(1);
        window.修改钮->click();
        fillForm(window, u"甲"_s, u"1101"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.prompt.lastText(), u"输入的管理员用户名已经存在！请重新输入用户名！"_s);
        fillForm(window, u"乙"_s, u"0101"_s);
        host.prompt.answerNext(Prompt::Answer::Cancel);
        window.添加修改确定钮->click();
        QCOMPARE(stored(host).last().rights.text(), u"1101"_s);
        window.添加修改确定钮->click();
        QCOMPARE(stored(host).last().rights.text(), u"0101"_s);
    }

    void ownRightsChangedReturnToTheHomePage()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s), account(u"丙"_s, u"1111"_s)});
        host.current = {u"甲"_s, RightsString::super()};
        LoginWindow window(3, host);
        // Another account's change leaves the session alone.
        window.管理员列表框->setCurrentRow(1);
        window.修改钮->click();
        window.添加修改密码框2->setText(u"other"_s);
        window.添加修改确定钮->click();
        QCOMPARE(stored(host).last().password, u"other"_s);
        QCOMPARE(host.homePages, 0);
        QVERIFY(host.sessions.isEmpty());
        QCOMPARE(host.current.rights.text(), u"1111"_s);

        window.管理员列表框->setCurrentRow(0);
        window.修改钮->click();
        tick(window, u"1101"_s);
        window.添加修改确定钮->click();
        QCOMPARE(host.homePages, 1);
        QCOMPARE(host.current.userName, u"甲"_s);
        QCOMPARE(host.current.rights.text(), u"1101"_s);
    }

    void changingOnesOwnAccount()
    {
        FakeAccessHost host;
        seed(host, {account(u"甲"_s, u"1111"_s), account(u"乙"_s, u"1101"_s, u"old"_s)});
        host.current = {u"乙"_s, RightsString(u"1101"_s)};
        LoginWindow window(1, host);
        QCOMPARE(window.windowTitle(), u"修改管理员资料"_s);
        QCOMPARE(window.选择夹1->currentIndex(), 1);
        QCOMPARE(window.改用户名组合框->currentText(), u"乙"_s);
        QCOMPARE(window.管理员列表框->currentRow(), 1);
        window.show();

        const auto fill
            = [&window](const QString& name, const QString& old, const QString& fresh, const QString& again) {
                  window.改用户名组合框->setEditText(name);
                  window.原密码编辑框->setText(old);
                  window.新密码编辑框->setText(fresh);
                  window.确认密码编辑框->setText(again);
                  window.修改确定钮->click();
              };
        fill(u"甲"_s, u"old"_s, u"n"_s, u"n"_s);
        QCOMPARE(host.prompt.lastText(), u"输入的管理员用户名已经存在！请重新输入用户名！"_s);
        fill(u"乙"_s, u"old"_s, u"　"_s, u"n"_s);
        QCOMPARE(host.prompt.lastText(), u"管理员的用户名或密码不能有空数据！"_s);
        fill(u"乙"_s, u"OLD"_s, u"n"_s, u"n"_s);
        QCOMPARE(host.prompt.lastText(), u"您输入的管理员原密码有错误！"_s);
        QCOMPARE(host.prompt.boxes().last().title, u"错误"_s);
        QVERIFY(window.原密码编辑框->text().isEmpty());
        fill(u"乙"_s, u"old"_s, u"n1"_s, u"n2"_s);
        QCOMPARE(host.prompt.lastText(), u"输入的新密码与确认新密码不一致！"_s);
        QCOMPARE(stored(host).last(), account(u"乙"_s, u"1101"_s, u"old"_s));

        fill(u"小乙"_s, u"old"_s, u"new"_s, u"new"_s);
        QCOMPARE(host.prompt.lastText(), u"   当前管理员数据被成功修改！  "_s);
        QCOMPARE(stored(host).last(), account(u"小乙"_s, u"1101"_s, u"new"_s));
        QCOMPARE(host.current.userName, u"小乙"_s);
        QCOMPARE(host.current.rights.text(), u"1101"_s);
        QVERIFY(!window.isVisible());
    }

    void adminDatabaseLivesWithTheWindow()
    {
        FakeAccessHost host;
        const QString file = host.dir.databasePath(DatabaseKind::Admin);
        QFile::remove(file);
        {
            LoginWindow window(3, host);
            QVERIFY(host.db.isOpen());
            QVERIFY(QFile::exists(file));
        }
        QVERIFY(!host.db.isOpen());
    }

    // Damaging the administrators file must not be a way in as the built-in super administrator:
    // only a user who says so starts with no administrators, and the file is kept.
    void damagedAdminDatabaseIsNeverReplacedUnasked_data()
    {
        addColumns<QByteArray, bool>({"damage", "startWithout"});
        QTest::newRow("scrambled, start without administrators") << QByteArray("scrambled accounts") << true;
        QTest::newRow("scrambled, end instead") << QByteArray("scrambled accounts") << false;
        QTest::newRow("header kept, pages gone, end instead") << QByteArray() << false;
    }

    void damagedAdminDatabaseIsNeverReplacedUnasked()
    {
        QFETCH(QByteArray, damage);
        QFETCH(bool, startWithout);
        FakeAccessHost host;
        const QString file = host.dir.databasePath(DatabaseKind::Admin);
        seed(host, {account(u"校长"_s, u"1111"_s)});
        host.db.close();
        if (damage.isEmpty()) {
            // Our header and stamp, but the table pages overwritten: it opens and cannot be read.
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 size = f.size();
            QVERIFY(f.seek(4096));
            f.write(QByteArray(size - 4096, '\xA5'));
            f.close();
        } else {
            QVERIFY(host.fileOps.writeFile(file, damage));
        }
        const QByteArray before = host.fileOps.readFile(file).value();
        host.prompt.answerNext(startWithout ? Prompt::Answer::Yes : Prompt::Answer::No);
        LoginWindow window(0, host);
        window.show();
        QVERIFY(host.prompt.boxes().first().text.contains(u"要在没有管理员的情况下启动吗？"_s));
        QCOMPARE(host.prompt.boxes().first().buttons, Prompt::Buttons::YesNo);
        if (startWithout) {
            QVERIFY(host.db.isOpen());
            QCOMPARE(host.fileOps.readFile(file + u".damaged"_s).value(), before);
            QCOMPARE(window.登陆名组合框->currentText(), u"内部管理员"_s);
            return;
        }
        QTRY_COMPARE(host.quits, 1);
        QCOMPARE(host.fileOps.readFile(file).value(), before);
        QVERIFY(!QFile::exists(file + u".damaged"_s));
        QVERIFY(!window.登录钮->isEnabled());
    }

    void ownAccountPreStepReopensTheDatabase()
    {
        FakeAccessHost host;
        QVERIFY(LoginWindow::prepareOwnAccountChange(host));
        QVERIFY(host.db.isOpen());
        QVERIFY(host.prompt.texts().isEmpty());

        host.db.close();
        QVERIFY(host.fileOps.writeFile(host.dir.databasePath(DatabaseKind::Admin), "damaged"));
        QVERIFY(!LoginWindow::prepareOwnAccountChange(host));
        QCOMPARE(host.prompt.texts(), QStringList {u"不能打开系统数据文件！请尝试重新启动本系统！"_s});
        QCOMPARE(host.prompt.boxes().last().title, u"信息："_s);
        // Nothing was created or replaced.
        QCOMPARE(host.fileOps.readFile(host.dir.databasePath(DatabaseKind::Admin)).value(), QByteArray("damaged"));
    }
};

XIAOWU_TEST(TestLoginWindow)
#include "TestLoginWindow.moc"
