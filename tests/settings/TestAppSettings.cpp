#include "support/DataRows.h"
#include "support/FailingFileOps.h"
#include "support/TestRegistry.h"

#include "settings/AppSettings.h"
#include "text/GbText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray gb(const QString& text)
{
    return GbText::toBytes(text);
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(u"config.ini"_s);
    }

    void defaultsAreWrittenInOrderOnlyWhenMissing()
    {
        AppSettings settings(m_path);
        QVERIFY(!settings.exists());
        QVERIFY(settings.writeDefaultsIfMissing());
        const QByteArray expected = gb(u"[School]\r\nName=(请设置学校名称)\r\n[Interface]\r\nStyle=0\r\n[Wages]\r\n"
                                       u"工资表一=教员工资表\r\n工资表二=教员工资表\r\n工资表三=教员工资表\r\n"
                                       u"工资表四=教员工资表\r\n工资表五=教员工资表\r\n"_s);
        QCOMPARE(readRaw(m_path), expected);
        QCOMPARE(settings.schoolName(), u"(请设置学校名称)"_s);
        QCOMPARE(settings.wageTitle(5), u"教员工资表"_s);

        QVERIFY(settings.setSchoolName(u"实验小学"_s));
        QVERIFY(settings.writeDefaultsIfMissing());
        QCOMPARE(settings.schoolName(), u"实验小学"_s);
    }

    void writingOneKeyKeepsEveryOtherLine()
    {
        const QString original = u"; written by hand\r\n[School]\r\nName=旧名\r\n\r\n; wages below\r\n[Wages]\r\n"
                                 u"工资表一=一月\r\nunknown line\r\n[Graduate]\r\ndate1=2005年7月1日\r\n"_s;
        writeRaw(m_path, gb(original));
        AppSettings settings(m_path);

        QVERIFY(settings.setSchoolName(u"新名"_s));
        QString expected = original;
        expected.replace(u"Name=旧名"_s, u"Name=新名"_s);
        QCOMPARE(readRaw(m_path), gb(expected));

        // A new key goes to the end of its own section, before the blank lines that follow it.
        QVERIFY(settings.setValue(u"School"_s, u"Motto"_s, u"勤学"_s));
        expected.replace(u"Name=新名\r\n"_s, u"Name=新名\r\nMotto=勤学\r\n"_s);
        QCOMPARE(readRaw(m_path), gb(expected));

        // A new section is appended.
        QVERIFY(settings.setInterfaceStyle(2));
        expected += u"[Interface]\r\nStyle=2\r\n"_s;
        QCOMPARE(readRaw(m_path), gb(expected));

        QCOMPARE(settings.value(u"Wages"_s, u"工资表一"_s), u"一月"_s);
        QCOMPARE(settings.standardGraduationDate(), u"2005年7月1日"_s);
    }

    void sectionsAndKeysIgnoreCase()
    {
        writeRaw(m_path, gb(u"[school]\nNAME = 第一中学 \n[interface]\nstyle=3\n[Graduate]\nDate2=2006年7月1日\n"_s));
        AppSettings settings(m_path);
        QCOMPARE(settings.schoolName(), u"第一中学"_s);
        QCOMPARE(settings.value(u"SCHOOL"_s, u"name"_s), u"第一中学"_s);
        QCOMPARE(settings.interfaceStyle(), 3);
        QCOMPARE(settings.customGraduationDate(), u"2006年7月1日"_s);

        // Overwriting finds the same line instead of adding a second key; the file keeps its line ends.
        QVERIFY(settings.setSchoolName(u"第二中学"_s));
        QVERIFY(settings.setCustomGraduationDate(u"2007年7月1日"_s));
        QCOMPARE(
            readRaw(m_path), gb(u"[school]\nName=第二中学\n[interface]\nstyle=3\n[Graduate]\nDate2=2007年7月1日\n"_s));
    }

    void missingFileSectionOrKeyGivesTheFallback()
    {
        AppSettings settings(m_path);
        QCOMPARE(settings.value(u"School"_s, u"Name"_s, u"x"_s), u"x"_s);
        QCOMPARE(settings.interfaceStyle(), 0);
        writeRaw(m_path, gb(u"[School]\r\n;Name=commented\r\n[Other]\r\nName=elsewhere\r\n"_s));
        QCOMPARE(settings.schoolName(), QString());
        QCOMPARE(settings.wageTitle(1), QString());
        QCOMPARE(settings.wageTitle(6), QString());
    }

    void styleValuesOutsideTheFourAreTheDefault_data()
    {
        addColumns<QString, int>({"stored", "style"});
        QTest::newRow("one") << u"1"_s << 1;
        QTest::newRow("seven") << u"7"_s << 0;
        QTest::newRow("text") << u"blue"_s << 0;
        QTest::newRow("digits first") << u"2x"_s << 2;
        QTest::newRow("huge") << u"99999999999999"_s << 0;
        QTest::newRow("empty") << QString() << 0;
    }
    void styleValuesOutsideTheFourAreTheDefault()
    {
        QFETCH(QString, stored);
        QFETCH(int, style);
        AppSettings settings(m_path);
        QVERIFY(settings.setValue(u"Interface"_s, u"Style"_s, stored));
        QCOMPARE(settings.interfaceStyle(), style);
    }

    void gb18030TextRoundTripsAndLongValuesAreCut()
    {
        AppSettings settings(m_path);
        const QString rare = u"𠀀镕堃"_s; // a character outside GBK keeps its four GB18030 bytes
        QVERIFY(settings.setSchoolName(rare));
        QVERIFY(readRaw(m_path).contains(gb(rare)));
        QVERIFY(!readRaw(m_path).contains(rare.toUtf8()));
        QCOMPARE(settings.schoolName(), rare);

        const QString longValue = QString(6000, u'校'); // 12000 bytes
        QVERIFY(settings.setSchoolName(longValue));
        const QString read = settings.schoolName();
        QCOMPARE(GbText::byteLength(read), AppSettings::maxValueBytes);
        QCOMPARE(read, QString(5120, u'校'));
    }

    void lineBreaksInAValueDoNotAddLines()
    {
        AppSettings settings(m_path);
        QVERIFY(settings.writeDefaultsIfMissing());
        QVERIFY(settings.setSchoolName(u"一\r\n[Interface]\nStyle=3"_s));
        QCOMPARE(settings.interfaceStyle(), 0);
        QCOMPARE(settings.schoolName(), u"一 [Interface] Style=3"_s);
    }

    void interruptedWriteLeavesTheOldFile()
    {
        AppSettings disk(m_path);
        QVERIFY(disk.writeDefaultsIfMissing());
        QVERIFY(disk.setSchoolName(u"实验小学"_s));
        const QByteArray before = readRaw(m_path);

        FailingFileOps failing;
        AppSettings settings(m_path, failing);
        QVERIFY(!settings.setSchoolName(u"中断的名字"_s));
        QVERIFY(failing.attempts > 0);
        QCOMPARE(readRaw(m_path), before);
        QCOMPARE(settings.schoolName(), u"实验小学"_s);
        // No temporary file is left beside it.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {u"config.ini"_s});

        // Missing file, failing disk: defaults are reported as not written and nothing appears.
        QFile::remove(m_path);
        QVERIFY(!settings.writeDefaultsIfMissing());
        QVERIFY(!QFile::exists(m_path));
    }

    void unreadableFileIsNotRewrittenFromNothing()
    {
        AppSettings disk(m_path);
        QVERIFY(disk.writeDefaultsIfMissing());
        QVERIFY(disk.setSchoolName(u"实验小学"_s));
        const QByteArray before = readRaw(m_path);

        FailingFileOps failing;
        failing.failWrites = failing.failCopies = failing.failRenames = false;
        failing.failReads = true;
        AppSettings settings(m_path, failing);
        QVERIFY(!settings.setValue(u"Interface"_s, u"Style"_s, u"2"_s));
        QCOMPARE(readRaw(m_path), before);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

XIAOWU_TEST(TestAppSettings)
#include "TestAppSettings.moc"
