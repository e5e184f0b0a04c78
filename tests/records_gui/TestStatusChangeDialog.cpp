#include "records/StatusChangeDialog.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"
#include "support/TypeAsUser.h"
#include "text/GbText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStatusChangeDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reason goes into a 150-byte column: typing stops there, counted in GB18030 bytes.
    void reasonStopsAtOneHundredFiftyBytes_data()
    {
        addColumns<int, QString, QString>({"mode", "typed", "kept"});
        for (const auto& [mode, name] :
            {std::pair {StatusChangeMode::Leave, "leave"}, std::pair {StatusChangeMode::RetireOrTransfer, "retire"}}) {
            QTest::addRow("%s, 151 letters", name) << int(mode) << QString(151, u'a') << QString(150, u'a');
            QTest::addRow("%s, 76 hanzi", name) << int(mode) << QString(76, u'转') << QString(75, u'转');
            QTest::addRow("%s, hanzi across the end", name)
                << int(mode) << QString(149, u'a') + u"转"_s << QString(149, u'a');
        }
    }

    void reasonStopsAtOneHundredFiftyBytes()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        StatusChangeDialog dialog(StatusChangeMode(mode), QDate(2026, 9, 1));
        QComboBox* box
            = StatusChangeMode(mode) == StatusChangeMode::Leave ? dialog.离校原因组合框 : dialog.退休调离组合框;
        dialog.show();
        typeOver(box->lineEdit(), typed);
        QCOMPARE(box->currentText(), kept);
        QVERIFY(GbText::toBytes(box->currentText()).size() <= 150);
    }
};

XIAOWU_TEST(TestStatusChangeDialog)
#include "TestStatusChangeDialog.moc"
