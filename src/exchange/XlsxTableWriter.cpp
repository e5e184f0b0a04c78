#include "exchange/XlsxTableWriter.h"

#include "exchange/ExportCells.h"
#include "workspace/PageTable.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Excel's limits: the longest text of a cell, the shortest and widest column worth setting.
constexpr qsizetype MaxCellText = 32767;
constexpr int MinWidth = 6;
constexpr int MaxWidth = 60;
constexpr qsizetype MaxSheetName = 31;
constexpr uint8_t A4Paper = 9;
constexpr int PortraitWidth = 90; // column widths that still print readably upright

QByteArray cellText(const QString& text)
{
    // XML 1.0 has no place for other control characters: they would make the file unreadable.
    QString clean = text.left(MaxCellText);
    clean.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\n' && c != u'\t'; });
    return clean.toUtf8();
}

QByteArray sheetName(const QString& title)
{
    QString name = title;
    name.removeIf([](QChar c) { return u"[]:*?/\\"_s.contains(c) || c.unicode() < 0x20; });
    name = name.trimmed();
    while (name.startsWith(u'\''))
        name.remove(0, 1);
    name = name.left(MaxSheetName);
    while (name.endsWith(u'\''))
        name.chop(1);
    return name.isEmpty() ? QByteArray("Sheet1") : name.toUtf8();
}

class Book
{
public:
    explicit Book(const QString& path)
        : m_book(workbook_new(QFile::encodeName(path).constData()))
    { }
    ~Book()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Book(const Book&) = delete;
    Book& operator=(const Book&) = delete;

    lxw_workbook* get() const { return m_book; }
    lxw_error close()
    {
        lxw_workbook* book = std::exchange(m_book, nullptr);
        return book ? workbook_close(book) : LXW_ERROR_CREATING_XLSX_FILE;
    }

private:
    lxw_workbook* m_book;
};

struct Formats
{
    explicit Formats(lxw_workbook* book)
        : m_book(book)
    {
        title = workbook_add_format(book);
        format_set_bold(title);
        format_set_font_size(title, 14);
        format_set_align(title, LXW_ALIGN_CENTER);
        format_set_align(title, LXW_ALIGN_VERTICAL_CENTER);
        head = workbook_add_format(book);
        format_set_align(head, LXW_ALIGN_LEFT);
        caption = workbook_add_format(book);
        format_set_bold(caption);
        format_set_align(caption, LXW_ALIGN_CENTER);
        format_set_bg_color(caption, 0xE8E8E8);
        format_set_border(caption, LXW_BORDER_THIN);
        wrap = workbook_add_format(book);
        format_set_text_wrap(wrap);
    }

    // Shows a number with the decimals its text showed, so "85.50" stays 85.50.
    lxw_format* decimals(int count)
    {
        if (count <= 0)
            return nullptr;
        lxw_format*& made = m_decimals[count];
        if (!made) {
            made = workbook_add_format(m_book);
            format_set_num_format(made, (u"0."_s + QString(count, u'0')).toLatin1().constData());
        }
        return made;
    }

    lxw_format* title;
    lxw_format* head;
    lxw_format* caption;
    lxw_format* wrap;

private:
    lxw_workbook* m_book;
    QHash<int, lxw_format*> m_decimals;
};

QList<int> columnWidths(const PageTable& table)
{
    QList<int> widths;
    for (const QString& caption : table.captions)
        widths << ExportCells::displayWidth(caption);
    for (const QStringList& row : table.rows) {
        for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], ExportCells::displayWidth(row[c]));
    }
    for (int& w : widths)
        w = std::clamp(w + 2, MinWidth, MaxWidth);
    return widths;
}

lxw_error writeSheet(lxw_workbook* book, const PageTable& table)
{
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName(table.title).constData());
    if (!sheet)
        sheet = workbook_add_worksheet(book, nullptr);
    if (!sheet)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    Formats formats(book);
    const auto columns = static_cast<lxw_col_t>(std::max<qsizetype>(1, table.captions.size()));
    lxw_row_t row = 0;

    const QStringList head = ExportCells::headLines(table);
    for (qsizetype i = 0; i < head.size(); ++i, ++row) {
        lxw_format* format = i == 0 ? formats.title : formats.head;
        const QByteArray text = cellText(head[i]);
        const lxw_error error = columns > 1
            ? worksheet_merge_range(sheet, row, 0, row, columns - 1, text.constData(), format)
            : worksheet_write_string(sheet, row, 0, text.constData(), format);
        if (error != LXW_NO_ERROR)
            return error;
        if (i == 0)
            worksheet_set_row(sheet, row, 24, nullptr);
    }

    const lxw_row_t captionRow = row;
    for (qsizetype c = 0; c < table.captions.size(); ++c)
        worksheet_write_string(
            sheet, row, static_cast<lxw_col_t>(c), cellText(table.captions[c]).constData(), formats.caption);
    ++row;

    for (const QStringList& cells : table.rows) {
        if (row >= LXW_ROW_MAX)
            return LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE;
        for (qsizetype c = 0; c < cells.size() && c < table.captions.size(); ++c) {
            const QString& text = cells[c];
            const auto col = static_cast<lxw_col_t>(c);
            const PageTable::Kind kind = table.kinds.value(c, PageTable::Kind::Text);
            lxw_error error = LXW_NO_ERROR;
            if (const std::optional<double> number = ExportCells::number(text, kind)) {
                const int decimals = kind == PageTable::Kind::Money ? 2 : ExportCells::decimals(text);
                error = worksheet_write_number(sheet, row, col, *number, formats.decimals(decimals));
            } else if (!text.isEmpty()) {
                lxw_format* format = text.contains(u'\n') ? formats.wrap : nullptr;
                error = worksheet_write_string(sheet, row, col, cellText(text).constData(), format);
            }
            if (error != LXW_NO_ERROR)
                return error;
        }
        ++row;
    }

    const QList<int> widths = columnWidths(table);
    int total = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) {
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c], nullptr);
        total += widths[c];
    }
    if (!table.captions.isEmpty()) {
        worksheet_freeze_panes(sheet, captionRow + 1, 0);
        worksheet_autofilter(sheet, captionRow, 0, row - 1, columns - 1);
        worksheet_repeat_rows(sheet, captionRow, captionRow);
    }
    // Printed from the spreadsheet program: A4, the columns on one page's width, the captions on
    // every page.
    worksheet_set_paper(sheet, A4Paper);
    if (total > PortraitWidth)
        worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    return LXW_NO_ERROR;
}

} // namespace

std::optional<QByteArray> XlsxTableWriter::bytes(const PageTable& table, QString* error)
{
    const auto fail = [error](const QString& reason) -> std::optional<QByteArray> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    // libxlsxwriter writes to a path only: a scratch file, read back and dropped.
    QTemporaryFile scratch(QDir(QDir::tempPath()).filePath(u"xiaowu-export-XXXXXX.xlsx"_s));
    if (!scratch.open())
        return fail(u"无法在临时文件夹中创建文件：%1"_s.arg(scratch.errorString()));
    scratch.close();

    Book book(scratch.fileName());
    if (!book.get())
        return fail(u"无法创建Excel工作簿。"_s);
    const lxw_error written = writeSheet(book.get(), table);
    const lxw_error closed = book.close();
    const lxw_error failed = written != LXW_NO_ERROR ? written : closed;
    if (failed != LXW_NO_ERROR)
        return fail(u"生成Excel工作簿时出错（%1）。"_s.arg(QString::fromUtf8(lxw_strerror(failed))));

    QFile file(scratch.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return fail(u"无法读取生成的Excel工作簿：%1"_s.arg(file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError || data.isEmpty())
        return fail(u"无法读取生成的Excel工作簿：%1"_s.arg(file.errorString()));
    return data;
}
