#include "records/TextRowsModel.h"
#include "support/TestRegistry.h"

#include <QItemSelectionModel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList column(const TextRowsModel& model, int c)
{
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.text(row, c);
    return out;
}

} // namespace

class TestTextRowsModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Sorts permute the rows shown: equal keys keep the order they are in, the current row follows
    // its row, and a row taken out stays out of every later sort with the keys read before.
    void sortsPermuteTheRowsShown()
    {
        TextRowsModel model;
        model.setBlankKeyColumn(true);
        model.setTitles({QString(), u"学号"_s, u"班级"_s});
        model.setRows({{u"3"_s, u"乙"_s}, {u"1"_s, u"甲"_s}, {u"2"_s, u"乙"_s}, {u"4"_s, u"甲"_s}});
        QCOMPARE(model.text(0, 0), u"0"_s); // a blank key column
        QItemSelectionModel selection(&model);
        selection.setCurrentIndex(model.index(2, 1), QItemSelectionModel::ClearAndSelect);

        model.sort(2, SortAs::Text, Qt::AscendingOrder);
        QCOMPARE(column(model, 1), (QStringList {u"1"_s, u"4"_s, u"3"_s, u"2"_s}));
        QCOMPARE(model.text(selection.currentIndex().row(), 1), u"2"_s);
        QCOMPARE(model.index(0, 0).data(TextRowsModel::LoadPositionRole).toInt(), 1);

        model.sort(1, SortAs::Number, Qt::DescendingOrder);
        QCOMPARE(column(model, 1), (QStringList {u"4"_s, u"3"_s, u"2"_s, u"1"_s}));
        model.removeShownRow(1);
        model.sort(2, SortAs::Text, Qt::DescendingOrder); // keys of column 2 kept from the first sort
        QCOMPARE(column(model, 1), (QStringList {u"2"_s, u"4"_s, u"1"_s}));
        QCOMPARE(model.rowOf(1, u"1"_s), 2);
        QCOMPARE(model.rowOf(1, u"3"_s), -1);

        // Marks belong to rows, not to places: they follow a sort and go with the next fill.
        model.setMarkedRows({false, true, false, false}, Qt::red, Qt::yellow, 2);
        const auto marked = [&](int row) { return model.index(row, 1).data(Qt::BackgroundRole).isValid(); };
        QCOMPARE(model.rowOf(1, u"1"_s), 2);
        QVERIFY(marked(2) && !marked(0) && !marked(1));
        QCOMPARE(model.index(2, 0).data(Qt::ToolTipRole).toString(), u"甲"_s);

        model.setRows({{u"9"_s, u"丙"_s}});
        QCOMPARE(column(model, 2), QStringList {u"丙"_s});
        QVERIFY(!marked(0));
    }
};

XIAOWU_TEST(TestTextRowsModel)
#include "TestTextRowsModel.moc"
