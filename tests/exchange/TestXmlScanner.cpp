#include "exchange/QtXmlCursor.h"
#include "exchange/XmlScanner.h"
#include "support/DataRows.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the workbook reader sees of a part: elements with their r, t and s attributes, the texts
// of <t> and <v>, <f> skipped, and whether the part was refused.
template<typename Reader>
QString trace(const QByteArray& xml)
{
    Reader reader(xml);
    QString out;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == Reader::EndElement) {
            out += u"</"_s + reader.name().toString() + u'>';
        } else if (token == Reader::StartElement) {
            const QString name = reader.name().toString();
            out += u'<' + name;
            for (const auto attribute : {"r"_L1, "t"_L1, "s"_L1})
                out += u' ' + reader.attribute(attribute).toString();
            out += u'>';
            if (name == u"t" || name == u"v")
                out += u'[' + reader.readElementText() + u']';
            else if (name == u"f")
                reader.skipCurrentElement();
        }
    }
    return reader.hasError() ? out + u" error"_s : out;
}

} // namespace

// The quick reader gives what QXmlStreamReader gives, or stops and leaves the part to it.
class TestXmlScanner : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithQXmlStreamReader_data()
    {
        addColumns<QByteArray, bool>({"xml", "taken"});
        const QByteArray ns = "xmlns=\"urn:main\" xmlns:x14ac=\"urn:ac\" xmlns:mc=\"urn:mc\" mc:Ignorable=\"x14ac\"";
        QTest::newRow("as spreadsheet programs write it")
            << ("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet " + ns
                   + "><sheetData><row r=\"1\" spans=\"1:3\" x14ac:dyDescent=\"0.25\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
                     "<c r='B1' s = \"2\"><f>SUM(A1:A9)</f><v>4.5</v></c><c r=\"C1\" s=\"1\"/></row><!-- note -->"
                     "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t xml:space=\"preserve\"> "
                     "张&amp;&lt;&#x4E2D;&#20013;"
                     "&#x1F600; </t></is></c><c><v/></c></row></sheetData><?pi data?></worksheet>\n")
            << true;
        QTest::newRow("prefixed elements, CDATA") << QByteArray(
            "<x:sst xmlns:x=\"urn:main\"><x:si><x:t><![CDATA[a<b>]]>c</x:t><x:rPh><x:t>k</x:t></x:rPh>"
            "</x:si></x:sst>") << true;
        QTest::newRow("carriage returns") << QByteArray("<sst><si><t>a\r\nb\rc</t></si></sst>") << false;
        QTest::newRow("reference in a read attribute") << QByteArray("<row r=\"&#49;\"/>") << false;
        QTest::newRow("other encoding") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><t>\xE9</t>")
                                        << false;
        QTest::newRow("DTD entity") << QByteArray("<!DOCTYPE t [<!ENTITY n \"x\">]><t>&n;</t>") << false;
        QTest::newRow("child element in a text") << QByteArray("<si><t>a<b>x</b>c</t></si>") << false;
        QTest::newRow("non-ASCII name") << QByteArray("<表><c/></表>") << false;
        QTest::newRow("end tags with blanks") << QByteArray("<row><cv>1</cv \n><c></c\t></row>") << true;
        const auto attributes = [](int n) {
            QByteArray xml = "<c";
            for (int i = 0; i < n; ++i)
                xml += " a" + QByteArray::number(i) + "=\"\"";
            return xml + " r=\"A1\"/>";
        };
        QTest::newRow("as many attributes as the scanner holds") << attributes(63) << true;
        QTest::newRow("one attribute more") << attributes(64) << false;
        // Refused by both.
        QTest::newRow("cut off") << QByteArray("<sheetData><row r=\"1\"><c><v>1</v>") << false;
        QTest::newRow("crossed tags") << QByteArray("<a><b></a></b>") << false;
        QTest::newRow("end tag longer") << QByteArray("<a><b></bc></a>") << false;
        QTest::newRow("end tag shorter") << QByteArray("<a><bc></b></a>") << false;
        QTest::newRow("end tag running into non-ASCII") << QByteArray("<a><b></b\xC3\xA9></a>") << false;
        QTest::newRow("end tag cut off") << QByteArray("<a><b></b") << false;
        QTest::newRow("undeclared prefix") << QByteArray("<x:row r=\"1\"/>") << false;
        QTest::newRow("twice the same attribute") << QByteArray("<c r=\"A1\" r=\"A2\"/>") << false;
        QTest::newRow("no space between attributes") << QByteArray("<c r=\"A1\"t=\"s\"/>") << false;
        QTest::newRow("unknown entity") << QByteArray("<t>&nbsp;</t>") << false;
        QTest::newRow("reference to no character") << QByteArray("<t>&#1;</t>") << false;
        QTest::newRow("bad UTF-8") << QByteArray("<t>\xC3\x28</t>") << false;
        QTest::newRow("control character") << QByteArray("<t>a\x01</t>") << false;
        QTest::newRow("text after the root") << QByteArray("<a/>b") << false;
        QTest::newRow("two roots") << QByteArray("<a/><b/>") << false;
        QTest::newRow("]]> in text") << QByteArray("<t>a]]>b</t>") << false;
        QTest::newRow("< in an attribute") << QByteArray("<c r=\"<\"/>") << false;
        QTest::newRow("XML 1.1") << QByteArray("<?xml version=\"1.1\"?><a/>") << false;
        QTest::newRow("declaration later") << QByteArray("<a><?xml version=\"1.0\"?></a>") << false;
        QTest::newRow("nothing") << QByteArray() << false;
        QTest::newRow("nested past the scanner's depth")
            << (QByteArray("<a>").repeated(300) + QByteArray("</a>").repeated(300)) << false;
    }
    void agreesWithQXmlStreamReader()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, taken);
        const QString ours = trace<XmlScanner>(xml);
        QCOMPARE(!ours.endsWith(u" error"_s), taken);
        if (taken)
            QCOMPARE(ours, trace<QtXmlCursor>(xml));
    }

    // A shared string's index, read without its text, as toInt() reads that text; a part the
    // scanner refuses is read again by QXmlStreamReader.
    void elementNumbers_data()
    {
        addColumns<QByteArray, bool>({"element", "taken"});
        for (const char* v : {"<v>12</v>", "<v>0012</v>", "<v>123456789</v>", "<v>1234567890</v>", "<v>99999999999</v>",
                 "<v> 12 </v>", "<v>-3</v>", "<v>12a</v>", "<v></v>", "<v/>", "<v>1<!--c-->2</v>", "<v>&#49;2</v>"})
            QTest::newRow(v) << QByteArray(v) << true;
        QTest::newRow("crossed tags") << QByteArray("<v>12</w>") << false;
    }
    void elementNumbers()
    {
        QFETCH(QByteArray, element);
        QFETCH(bool, taken);
        const QByteArray xml = "<c>" + element + "<n/></c>";
        const auto read = [&]<typename Reader>(Reader reader) {
            while (!reader.atEnd() && !(reader.readNext() == Reader::StartElement && reader.name() == u"v")) { }
            bool ok = false;
            const int n = reader.readElementInt(&ok);
            // Where the reader was left: on to the next element.
            const bool next = reader.readNext() == Reader::StartElement && reader.name() == u"n";
            return std::tuple(n, ok, next && !reader.hasError());
        };
        const auto ours = read(XmlScanner(xml));
        QCOMPARE(std::get<2>(ours), taken);
        if (taken)
            QCOMPARE(ours, read(QtXmlCursor(xml)));
    }
};

XIAOWU_TEST(TestXmlScanner)
#include "TestXmlScanner.moc"
