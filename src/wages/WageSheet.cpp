#include "wages/WageSheet.h"

#include "sheet/ColumnFit.h"
#include "sheet/SheetPainter.h"
#include "sheet/SheetTable.h"
#include "wages/Money.h"

#include <algorithm>

using namespace Qt::StringLiterals;

WageSheet::WageSheet(SheetTable& table)
    : m_table(table)
{ }

int WageSheet::totalRow() const
{
    return m_table.rowCount();
}

void WageSheet::present(int columnWidth, const QList<int>& needs)
{
    const int rows = m_table.rowCount();
    m_table.setFixedRows(1);
    m_table.setBackground({1, 1, rows, Extra}, White);
    m_table.setReadOnly({rows, 1, 1, Extra}, true);
    m_table.setReadOnly({2, NetPay, rows - 1, 2}, true);
    setColumnWidths(columnWidth, needs);
    m_highlighted = 0;
}

void WageSheet::setColumnWidths(int width, const QList<int>& needs)
{
    // A column narrower than its amount would show "0000.01" for 150000.01 on screen.
    const QList<int> widths = ColumnFit::share(needs, width * int(Extra));
    for (int c = 1; c <= Extra; ++c)
        m_table.setColumnWidth(c, widths[c - 1]);
}

QList<int> WageSheet::textWidths() const
{
    QList<int> needs;
    for (int c = 1; c <= Extra; ++c)
        needs.append(SheetPainter::columnTextWidth(m_table, c));
    return needs;
}

std::pair<int, int> WageSheet::cursorCell(int row, int column) const
{
    column = std::min(column, int(LastDeducted));
    if (row >= totalRow() && totalRow() > 2)
        row = totalRow() - 1;
    return {row, column};
}

void WageSheet::highlight(int row)
{
    if (m_highlighted > 1 && m_highlighted <= m_table.rowCount())
        m_table.setBackground({m_highlighted, 1, 1, Extra}, White);
    m_highlighted = isStaffRow(row) ? row : 0;
    if (m_highlighted)
        m_table.setBackground({m_highlighted, 1, 1, Extra}, Highlight);
}

void WageSheet::cellEdited(int row, int column)
{
    if (!isStaffRow(row) || column < FirstAdded || column > LastDeducted)
        return; // a name, or nothing worked out from it
    const std::optional<Money::Reading> amount = Money::read(m_table.text(row, column));
    const bool counts = amount && amount->positive && amount->cents <= Money::MaxAmount;
    m_table.setText(row, column, counts ? Money::format(amount->cents) : QString());
    m_table.setText(row, NetPay, Money::format(netPay(row)));
    writeTotal(column);
    writeTotal(NetPay);
}

qint64 WageSheet::netPay(int row) const
{
    qint64 sum = 0;
    for (int c = FirstAdded; c <= LastAdded; ++c)
        sum = Money::add(sum, Money::centsOf(m_table.text(row, c)));
    for (int c = FirstDeducted; c <= LastDeducted; ++c)
        sum = Money::add(sum, -Money::centsOf(m_table.text(row, c)));
    return sum;
}

void WageSheet::writeTotal(int column)
{
    qint64 sum = 0;
    for (int r = 2; r < totalRow(); ++r)
        sum = Money::add(sum, Money::centsOf(m_table.text(r, column)));
    m_table.setText(totalRow(), column, Money::format(sum));
}

void WageSheet::recomputeTotals()
{
    for (int c = FirstAdded; c <= NetPay; ++c)
        writeTotal(c);
}

int WageSheet::insertRow(int before)
{
    before = std::clamp(before, 2, totalRow());
    m_table.insertRows(before, 1);
    if (m_highlighted >= before)
        ++m_highlighted;
    // Borders, font and height as the row it was put in front of, so print and screen stay ruled.
    const int model = before + 1;
    m_table.setRowHeight(before, m_table.rowHeight(model));
    for (int c = 1; c <= Extra; ++c) {
        SheetCell cell = m_table.cell(before, c);
        const SheetCell& below = m_table.cell(model, c);
        cell.setBorders(below.borders());
        cell.fontName = below.fontName;
        cell.fontHeight = below.fontHeight;
        cell.background = White;
        cell.setAlignment(c == Name ? SheetAlignment::Centre : SheetAlignment::MiddleRight);
        cell.textColour = c == FirstDeducted || c == LastDeducted ? DeductedText : 0;
        cell.setFlag(SheetCell::ReadOnlyBit, c >= NetPay);
        m_table.setCell(before, c, cell);
    }
    return before;
}

QString WageSheet::nameAt(int row) const
{
    return m_table.text(row, Name);
}

void WageSheet::deleteRow(int row)
{
    if (!isStaffRow(row))
        return;
    m_table.deleteRows(row, 1);
    if (m_highlighted == row)
        m_highlighted = 0;
    else if (m_highlighted > row)
        --m_highlighted;
    recomputeTotals();
}

QStringList WageSheet::itemNames() const
{
    QStringList names;
    for (int c = FirstAdded; c <= LastDeducted; ++c)
        names << m_table.text(1, c);
    return names;
}

void WageSheet::setItemNames(const QStringList& names)
{
    for (int i = 0; i < ItemCount && i < names.size(); ++i)
        m_table.setText(1, FirstAdded + i, names[i]);
}

QString WageSheet::defaultTitle(const QString& schoolName, int sheet)
{
    static const char16_t* const numbers[] = {u"一", u"二", u"三", u"四", u"五"};
    if (sheet < 1 || sheet > 5)
        return schoolName;
    return schoolName + u"教员工资表(表"_s + QString::fromUtf16(numbers[sheet - 1]) + u')';
}

QString WageSheet::payMonth(int year, int month)
{
    return QString::number(year) + u'年' + QString::number(month) + u"月份"_s;
}
