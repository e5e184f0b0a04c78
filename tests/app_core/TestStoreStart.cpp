#include "support/TempProgramDir.h"
#include "support/TestRegistry.h"

#include "app/StoreStart.h"
#include "platform/AppPaths.h"
#include "store/StoreChoice.h"

#include <QFile>
#include <QTest>
#include <QTextStream>
#include <QThread>
#include <QtEndian>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Just enough of a PostgreSQL server to ask each client for a password in clear text and note
// what it answers: a client without one hangs up, one with a password sends it.
class PasswordServer
{
public:
    PasswordServer()
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size);
        ::listen(m_socket, 4);
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread.reset(QThread::create([this] { serve(); }));
        m_thread->start();
    }
    ~PasswordServer()
    {
        ::shutdown(m_socket, SHUT_RDWR);
        ::close(m_socket);
        m_thread->wait();
    }
    int port() const { return m_port; }
    // The passwords clients sent, in order.
    QByteArrayList passwords() const { return m_passwords; }

private:
    static bool readAll(int client, char* into, size_t size)
    {
        for (size_t done = 0; done < size;) {
            const ssize_t n = ::read(client, into + done, size - done);
            if (n <= 0)
                return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }
    static quint32 number(const char* bytes) { return qFromBigEndian<quint32>(bytes); }

    void serve()
    {
        for (;;) {
            const int client = ::accept(m_socket, nullptr, nullptr);
            if (client < 0)
                return;
            char length[4];
            QByteArray startup;
            if (readAll(client, length, 4)) {
                startup.resize(number(length) - 4);
                readAll(client, startup.data(), startup.size());
            }
            static const char askClearText[] = {'R', 0, 0, 0, 8, 0, 0, 0, 3};
            char head[5];
            if (::write(client, askClearText, sizeof askClearText) == sizeof askClearText && readAll(client, head, 5)
                && head[0] == 'p') {
                QByteArray password(number(head + 1) - 4, '\0');
                if (readAll(client, password.data(), password.size()))
                    m_passwords << password.chopped(1);
            }
            ::close(client);
        }
    }

    int m_socket = -1;
    int m_port = 0;
    std::unique_ptr<QThread> m_thread;
    QByteArrayList m_passwords;
};

} // namespace

// The server's password at start: from ~/.pgpass, or asked once and never written to config.ini.
class TestStoreStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { StoreChoice::useServer(std::nullopt); }

    void thePasswordIsAskedOnlyWithoutPgpass_data()
    {
        QTest::addColumn<bool>("inPgpass");
        QTest::newRow("asked") << false;
        QTest::newRow("from .pgpass") << true;
    }
    void thePasswordIsAskedOnlyWithoutPgpass()
    {
        QFETCH(bool, inPgpass);
        PasswordServer server;
        TempProgramDir dir;
        const AppPaths paths(dir.path());
        const QByteArray ini = "[Store]\r\nKind=PostgreSQL\r\nHost=127.0.0.1\r\nPort="
            + QByteArray::number(server.port()) + "\r\nDatabase=xiaowu\r\nUser=office\r\nSslMode=disable\r\n";
        QFile config(paths.settingsFile());
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write(ini) == ini.size());
        config.close();
        const QString pgpass = dir.filePath(u"pgpass"_s);
        QFile file(pgpass);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (inPgpass)
            file.write("127.0.0.1:" + QByteArray::number(server.port()) + ":xiaowu:office:from-pgpass\n");
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        qputenv("PGPASSFILE", QFile::encodeName(pgpass));

        QStringList asked;
        QString said;
        QTextStream err(&said);
        QVERIFY(StoreStart::choose(
            paths,
            [&](const QString& question) {
                asked << question;
                return std::optional<QString>(u"typed-secret"_s);
            },
            err));
        qunsetenv("PGPASSFILE");
        QVERIFY(StoreChoice::server());
        if (inPgpass) {
            QVERIFY(asked.isEmpty());
            QVERIFY(StoreChoice::server()->password.isEmpty());
            QTRY_COMPARE(server.passwords(), QByteArrayList {"from-pgpass"});
        } else {
            QCOMPARE(asked, QStringList {u"请输入数据库服务器 127.0.0.1 上用户 office 的密码："_s});
            QCOMPARE(StoreChoice::server()->password, u"typed-secret"_s);
        }
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(config.readAll(), ini);
    }
};

XIAOWU_TEST(TestStoreStart)
#include "TestStoreStart.moc"
