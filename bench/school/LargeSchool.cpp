#include "school/LargeSchool.h"

#include "store/DatabaseKind.h"
#include "store/DatabaseTemplate.h"
#include "store/DbConnection.h"
#include "store/PinyinCollation.h"
#include "store/ServerSettings.h"
#include "store/StoreCopy.h"
#include "store/Transaction.h"
#include "text/GbText.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace LargeSchool {

namespace {

const QString surnames
    = u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤"_s;
const QString given
    = u"伟芳娜秀敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂英华玉萍红鹏飞鑫宇浩然子轩梓涵欣怡思雨佳琪俊杰一诺晨阳雅婷嘉怡志豪文博宇航梦瑶诗琪天佑皓轩雨萱可馨若曦博文睿泽"_s;

struct Random
{
    std::mt19937 engine {20261209u};
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }
};

QString name(Random& r)
{
    QString n = surnames.at(r.below(static_cast<int>(surnames.size())));
    const int length = r.below(3) == 0 ? 1 : 2;
    for (int i = 0; i < length; ++i)
        n += given.at(r.below(static_cast<int>(given.size())));
    return n;
}

// Photos: a few dozen distinct JPEGs of roughly the wanted size, reused, so making them is quick.
QList<QByteArray> photos(int count, QSize size, int quality, Random& r)
{
    QList<QByteArray> made;
    for (int i = 0; i < count; ++i) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = qRgb((x * 3 + i * 17) & 0xff, (y * 2 + r.below(40)) & 0xff, ((x ^ y) + i * 31) & 0xff);
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", quality);
        made.append(bytes);
    }
    return made;
}

QByteArray comment(Random& r)
{
    static const QStringList sentences {u"你尊敬老师，团结同学，热爱集体。"_s, u"上课专心听讲，积极举手发言。"_s,
        u"作业认真，字迹工整，成绩稳步提高。"_s, u"劳动积极，乐于为班级做事。"_s,
        u"希望你今后更加细心，争取更大的进步。"_s, u"你爱好广泛，在运动会上为班级争得了荣誉。"_s,
        u"与同学相处融洽，乐于助人。"_s};
    QString text = u"    "_s;
    const int count = 5 + r.below(6);
    for (int i = 0; i < count; ++i)
        text += sentences[r.below(static_cast<int>(sentences.size()))];
    return GbText::toBytes(text);
}

QString date(int year, Random& r)
{
    return QString::number(year) + u'年' + QString::number(1 + r.below(12)) + u'月' + QString::number(1 + r.below(28))
        + u'日';
}

QString markers(int n)
{
    QStringList m;
    for (int i = 0; i < n; ++i)
        m << u"?"_s;
    return m.join(u',');
}

QVariantList pupil(
    qint64 number, const QString& klass, const QByteArray& photo, Random& r, const QString& left, const QString& reason)
{
    QVariantList v {number, name(r), r.below(2) ? u"男"_s : u"女"_s, u"汉族"_s, date(2008 + r.below(10), r),
        date(2018 + r.below(6), r), klass, r.below(10) == 0 ? u"班长"_s : u""_s,
        u"人民路"_s + QString::number(r.below(900)) + u"号"_s,
        u"0571-"_s + QString::number(80000000 + r.below(9999999)), u"杭州市"_s, u"浙江"_s, u"父亲"_s, name(r),
        u"某某公司"_s, u"139"_s + QString::number(10000000 + r.below(89999999)), u"母亲"_s, name(r), u"某某医院"_s,
        u"138"_s + QString::number(10000000 + r.below(89999999)), photo, comment(r), comment(r)};
    for (int i = 0; i < 20; ++i)
        v << 50 + r.below(51);
    v << left << reason;
    return v;
}

bool fail(QString* error, const QString& what)
{
    if (error)
        *error = what;
    return false;
}

} // namespace

QStringList grades()
{
    QStringList g;
    for (int i = 1; i <= 6; ++i)
        g << QString::number(i) + u"年级"_s;
    for (int i = 1; i <= 3; ++i)
        g << u"初中"_s + QString::number(i) + u"年级"_s;
    for (int i = 1; i <= 3; ++i)
        g << u"高中"_s + QString::number(i) + u"年级"_s;
    return g;
}

QStringList classNames(int classesPerGrade)
{
    QStringList names;
    for (const QString& grade : grades()) {
        for (int c = 1; c <= classesPerGrade; ++c)
            names << grade + QString::number(c) + u"班"_s;
    }
    return names;
}

QStringList graduationDates()
{
    return {u"2021年7月1日"_s, u"2022年7月1日"_s, u"2023年7月1日"_s, u"2024年7月1日"_s, u"2025年7月1日"_s};
}

QString defaultDir()
{
    const QString fromEnv = qEnvironmentVariable("XIAOWU_BENCH_SCHOOL");
    return fromEnv.isEmpty() ? QDir::currentPath() + u"/bench-school"_s : fromEnv;
}

bool ensure(const QString& programDir, const Size& size, QString* error)
{
    const QString data = programDir + u"/data/"_s;
    const QString done = programDir + u"/.complete"_s;
    if (QFileInfo::exists(done))
        return true;
    QDir().mkpath(data);
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin}) {
        if (!DatabaseTemplate::writeTo(kind, data + DatabaseKinds::fileName(kind)))
            return fail(error, u"cannot write the empty databases into "_s + data);
    }

    Random r;
    const QList<QByteArray> big = photos(24, QSize(300, 400), 80, r);
    const QList<QByteArray> small = photos(24, QSize(75, 100), 60, r);

    DbConnection students;
    if (!students.open(data + u"006.xsk"_s, {}, DatabaseKinds::password(DatabaseKind::Student)))
        return fail(error, students.lastError());
    {
        Transaction all(students);
        const QStringList classes = classNames(size.classesPerGrade);
        const QString classInsert = u"insert into 班级表 values ("_s + markers(53) + u")"_s;
        const QString pupilInsert = u"insert into %1 values ( "_s + markers(45) + u" )"_s;
        static const QStringList subjects {u"语文"_s, u"数学"_s, u"英语"_s, u"科学"_s, u"音乐"_s, u"美术"_s, u"体育"_s,
            u"品德"_s, u"信息"_s, u"劳动"_s};
        for (const QString& klass : classes) {
            QVariantList v {klass, name(r)};
            for (int i = 0; i < 40; ++i)
                v << subjects[r.below(7)];
            v << u"通用"_s;
            for (const QString& s : subjects)
                v << s;
            if (!students.execute(classInsert, v))
                return fail(error, students.lastError());
        }
        qint64 number = 0;
        for (const QString& klass : classes) {
            for (int i = 0; i < size.pupilsPerClass; ++i) {
                if (!students.execute(pupilInsert.arg(u"学籍表"_s),
                        pupil(++number, klass, big[r.below(static_cast<int>(big.size()))], r, u"-"_s, u"-"_s)))
                    return fail(error, students.lastError());
            }
        }
        const QStringList dates = graduationDates();
        for (const QString& d : dates) {
            if (!students.execute(u"insert into 毕业时间表 values (?)"_s, {d}))
                return fail(error, students.lastError());
        }
        for (int i = 0; i < size.graduates; ++i) {
            const QString klass = (i % 3 == 0          ? u"6年级"_s
                                          : i % 3 == 1 ? u"初中3年级"_s
                                                       : u"高中3年级"_s)
                + QString::number(1 + r.below(size.classesPerGrade)) + u"班"_s;
            if (!students.execute(pupilInsert.arg(u"毕业表"_s),
                    pupil(++number, klass, small[r.below(static_cast<int>(small.size()))], r, dates[i % dates.size()],
                        u"毕业"_s)))
                return fail(error, students.lastError());
        }
        for (int i = 0; i < size.leavers; ++i) {
            if (!students.execute(pupilInsert.arg(u"转退表"_s),
                    pupil(++number, classes[r.below(static_cast<int>(classes.size()))],
                        big[r.below(static_cast<int>(big.size()))], r, date(2024, r), u"转学"_s)))
                return fail(error, students.lastError());
        }
        if (!students.execute(u"update 记号表 set 学号=? where ID=1"_s, {number}) || !all.commit())
            return fail(error, students.lastError());
    }

    DbConnection teachers;
    if (!teachers.open(data + u"007.xsk"_s, {}, DatabaseKinds::password(DatabaseKind::Teacher)))
        return fail(error, teachers.lastError());
    {
        Transaction all(teachers);
        const QString insert = u"insert into 教员表 values ("_s + markers(22) + u")"_s;
        for (int i = 1; i <= size.teachers; ++i) {
            const QVariantList v {i, name(r), r.below(2) ? u"男"_s : u"女"_s, u"汉族"_s, date(1965 + r.below(30), r),
                u"本科"_s, u"群众"_s, date(1990 + r.below(30), r), date(2000 + r.below(20), r), u"一级教师"_s,
                u"教师"_s, u"330100"_s + QString::number(100000000000LL + r.below(999999999)), u"139"_s, u"地址"_s,
                u"电话"_s, u"浙江"_s, u"杭州"_s, big[r.below(static_cast<int>(big.size()))], comment(r), QByteArray(),
                u"-"_s, u"-"_s};
            if (!teachers.execute(insert, v))
                return fail(error, teachers.lastError());
        }
        if (!teachers.execute(u"update 记号表 set 教员编号=? where ID=1"_s, {size.teachers}) || !all.commit())
            return fail(error, teachers.lastError());
    }
    QFile marker(done);
    marker.open(QIODevice::WriteOnly);
    return true;
}

QString databasePath(DatabaseKind kind)
{
    return defaultDir() + u"/data/"_s + DatabaseKinds::fileName(kind);
}

namespace {

bool openOnServer(DbConnection& db, DatabaseKind kind)
{
    ServerSettings server;
    server.host = qEnvironmentVariable("XIAOWU_PG_HOST");
    server.port = qEnvironmentVariableIntValue("XIAOWU_PG_PORT");
    server.user = qEnvironmentVariable("XIAOWU_PG_USER");
    server.sslMode = u"disable"_s;
    server.databaseName = u"xiaowu_bench"_s;
    if (db.openServer(server, kind))
        return true;
    ServerSettings admin = server;
    admin.databaseName = u"postgres"_s;
    DbConnection maker;
    if (maker.openServer(admin, kind, true))
        maker.execute(u"CREATE DATABASE xiaowu_bench ENCODING 'UTF8' TEMPLATE template0"_s);
    DbConnection file;
    QString error;
    if (!StoreCopy::initServer(server, kind, &error)
        || !file.open(databasePath(kind), {}, DatabaseKinds::password(kind)) || !db.openServer(server, kind)
        || !StoreCopy::copy(file, db, kind, &error)) {
        std::fprintf(stderr, "%s %s\n", qPrintable(error), qPrintable(db.lastError()));
        return false;
    }
    return true;
}

} // namespace

DbConnection& database(DatabaseKind kind)
{
    static std::map<DatabaseKind, DbConnection> connections;
    DbConnection& db = connections[kind];
    if (db.isOpen())
        return db;
    if (qEnvironmentVariable("XIAOWU_BENCH_STORE") == u"server") {
        if (!openOnServer(db, kind))
            std::exit(1);
        return db;
    }
    if (!db.open(databasePath(kind), {}, DatabaseKinds::password(kind))) {
        std::fprintf(stderr, "%s\n", qPrintable(db.lastError()));
        std::exit(1);
    }
    return db;
}

sqlite3* rawDatabase(DatabaseKind kind)
{
    static std::map<DatabaseKind, sqlite3*> handles;
    sqlite3*& h = handles[kind];
    if (!h) {
        sqlite3_open_v2(QFile::encodeName(databasePath(kind)).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        PinyinCollation::registerOn(h);
    }
    return h;
}

} // namespace LargeSchool
