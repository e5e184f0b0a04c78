#pragma once

#include <QString>

#include <xlsxwriter.h>

// The functions of libxlsxwriter this program calls, from a copy of the library loaded on first
// use with its own symbols bound first. Linked the ordinary way, its zip calls would land in the
// zip code QuaZip also exports under the same names, and the first workbook written would crash.
struct XlsxLibrary
{
#define XIAOWU_XLSX_FUNCTIONS(F)                                                                                       \
    F(workbook_new)                                                                                                    \
    F(workbook_add_worksheet)                                                                                          \
    F(workbook_add_format)                                                                                             \
    F(workbook_close)                                                                                                  \
    F(format_set_bold)                                                                                                 \
    F(format_set_font_size)                                                                                            \
    F(format_set_align)                                                                                                \
    F(format_set_bg_color)                                                                                             \
    F(format_set_border)                                                                                               \
    F(format_set_text_wrap)                                                                                            \
    F(format_set_num_format)                                                                                           \
    F(worksheet_write_string)                                                                                          \
    F(worksheet_write_number)                                                                                          \
    F(worksheet_merge_range)                                                                                           \
    F(worksheet_set_row)                                                                                               \
    F(worksheet_set_column)                                                                                            \
    F(worksheet_freeze_panes)                                                                                          \
    F(worksheet_autofilter)                                                                                            \
    F(worksheet_repeat_rows)                                                                                           \
    F(worksheet_set_paper)                                                                                             \
    F(worksheet_set_landscape)                                                                                         \
    F(worksheet_fit_to_pages)                                                                                          \
    F(lxw_strerror)

#define XIAOWU_XLSX_POINTER(name) decltype(&::name) name = nullptr;
    XIAOWU_XLSX_FUNCTIONS(XIAOWU_XLSX_POINTER)
#undef XIAOWU_XLSX_POINTER

    // The library, loaded once; null, with the reason in `error`, when it cannot be loaded.
    static const XlsxLibrary* get(QString* error = nullptr);
};
