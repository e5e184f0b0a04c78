#include "sheet/SheetTable.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "wages/DesCipher.h"
#include "wages/WageTableFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

DesCipher::Key keyOf(const QByteArray& hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    DesCipher::Key key {};
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
}

// Length field, payload, then `padding` bytes, enciphered as the files are.
QByteArray sealWith(quint32 length, const QByteArray& payload, int padding)
{
    QByteArray plain(4, '\0');
    qToLittleEndian(length, plain.data());
    plain += payload + QByteArray(padding, '\0');
    return DesCipher(WageTableFile::key()).encrypt(plain);
}

} // namespace

class TestWageFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void desKnownAnswers_data()
    {
        addColumns<QByteArray, QByteArray, QByteArray>({"key", "plain", "cipher"});
        QTest::newRow("wage key, ABCDEFGH") << "5237544d00000000"_ba
                                            << "4142434445464748"_ba
                                            << "8e32a91817659ea9"_ba;
        QTest::newRow("wage key, zeros") << "5237544d00000000"_ba
                                         << "0000000000000000"_ba
                                         << "9971c4f5ab275cda"_ba;
        QTest::newRow("classic vector") << "0123456789abcdef"_ba
                                        << "4e6f772069732074"_ba
                                        << "3fa40e8a984d4815"_ba;
    }
    void desKnownAnswers()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);
        const DesCipher des(keyOf(key));
        QCOMPARE(des.encrypt(QByteArray::fromHex(plain)).toHex(), cipher);
        QCOMPARE(des.decrypt(QByteArray::fromHex(cipher)).toHex(), plain);
        QVERIFY(des.encrypt("odd"_ba).isEmpty());
    }

    void keyComesFromThePassPhrase()
    {
        const DesCipher::Key key = WageTableFile::key();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(key.data()), 8).toHex(), "5237544d00000000"_ba);
    }

    void lengthFieldMustFitTheFile_data()
    {
        addColumns<int, int>({"payloadSize", "padding"});
        QTest::addColumn<qint64>("length"); // -1: the payload's own size
        QTest::addColumn<bool>("accepted");
        QTest::newRow("no padding: L = size - 4") << 12 << 0 << qint64(-1) << true;
        QTest::newRow("seven bytes: L = size - 11") << 13 << 7 << qint64(-1) << true;
        QTest::newRow("a whole block too much") << 12 << 8 << qint64(-1) << false;
        QTest::newRow("L = 0") << 12 << 0 << qint64(0) << false;
        QTest::newRow("L beyond the file") << 12 << 0 << qint64(13) << false;
        QTest::newRow("L = 0x7FFFFFFF") << 12 << 0 << qint64(0x7FFFFFFF) << false;
        QTest::newRow("L = 0xFFFFFFFF") << 12 << 0 << qint64(0xFFFFFFFF) << false;
    }
    void lengthFieldMustFitTheFile()
    {
        QFETCH(int, payloadSize);
        QFETCH(int, padding);
        QFETCH(qint64, length);
        QFETCH(bool, accepted);
        const QByteArray payload(payloadSize, 'p');
        const QByteArray file = sealWith(quint32(length < 0 ? payloadSize : length), payload, padding);
        QCOMPARE(file.size() % 8, 0);
        const std::optional<QByteArray> got = WageTableFile::unseal(file);
        QCOMPARE(got.has_value(), accepted);
        if (accepted)
            QCOMPARE(*got, payload);
    }

    void sealedSheetsComeBackWhole()
    {
        SheetTable sheet;
        sheet.reset(3, 10);
        sheet.setText(2, 1, u"王老师"_s);
        sheet.setText(2, 2, u"1234.50"_s);
        const QByteArray file = WageTableFile::write(sheet);
        QCOMPARE(file.size() % 8, 0);
        const QByteArray plain = DesCipher(WageTableFile::key()).decrypt(file);
        const qint64 length = qFromLittleEndian<quint32>(plain.constData());
        QVERIFY(length + 4 <= file.size() && file.size() < length + 12);
        QVERIFY(plain.mid(length + 4).count('\0') == plain.size() - length - 4);
        SheetTable back;
        QVERIFY(WageTableFile::read(file, back));
        QCOMPARE(back.data(), sheet.data());
    }

    void templateIsAnEmptyWageSheet()
    {
        SheetTable sheet;
        QVERIFY(WageTableFile::read(WageTableFile::templateBytes(), sheet));
        QCOMPARE(sheet.columnCount(), 10);
        QVERIFY(sheet.rowCount() >= 3);
        QCOMPARE(sheet.fixedRows(), 1);
        QCOMPARE(sheet.text(1, 1), u"姓名"_s);
        QCOMPARE(sheet.text(1, 9), u"实发工资"_s);
        QCOMPARE(sheet.text(sheet.rowCount(), 1), u"合计："_s);
        QCOMPARE(sheet.cell(2, 1).fontName, u"宋体"_s);
        QCOMPARE(sheet.cell(2, 7).textColour, 128u);
        QVERIFY(sheet.cell(2, 9).isReadOnly() && sheet.cell(2, 10).isReadOnly() && !sheet.cell(2, 8).isReadOnly());
    }

    // Another DES implementation reads what we write.
    void opensslDeciphersOurFiles()
    {
        const QString openssl = QStandardPaths::findExecutable(u"openssl"_s);
        if (openssl.isEmpty())
            QSKIP("openssl is not installed: the second DES implementation is missing");
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(WageTableFile::templateBytes());
        file.close();
        QProcess process;
        process.start(openssl,
            {u"enc"_s, u"-d"_s, u"-des-ecb"_s, u"-K"_s, u"5237544d00000000"_s, u"-nopad"_s, u"-provider"_s, u"legacy"_s,
                u"-provider"_s, u"default"_s, u"-in"_s, file.fileName()});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QByteArray plain = process.readAllStandardOutput();
        const qint64 length = qFromLittleEndian<quint32>(plain.constData());
        QCOMPARE(plain.size(), WageTableFile::templateBytes().size());
        QVERIFY(length + 4 <= plain.size() && plain.size() < length + 12);
        QCOMPARE(plain.mid(4, 4), "SDTW"_ba);
        SheetTable sheet;
        QVERIFY(sheet.load(plain.mid(4, length)));
        QCOMPARE(sheet.text(sheet.rowCount(), 1), u"合计："_s);
    }
};

XIAOWU_TEST(TestWageFile)
#include "TestWageFile.moc"
