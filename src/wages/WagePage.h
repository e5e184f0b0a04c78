#pragma once

#include "workspace/PageView.h"

#include <QWidget>

#include <functional>
#include <memory>

class PageFrame;
class QComboBox;
class QLabel;
class QPushButton;
class SheetGrid;
class SheetTable;
class WageSheet;
struct Workspace;

// Page 7: one of the five wage sheets in a grid. Every change is in its file when the command that
// made it has finished; the rules are WageSheet's, this page shows and asks.
class WagePage : public QWidget, public PageView
{
    Q_OBJECT

public:
    WagePage(Workspace& ws, PageFrame& frame, QWidget* parent = nullptr);
    ~WagePage() override;

    // Opens sheet 1 .. 5 (the right over wage data is checked here, however the sheet was asked
    // for). A refusal or an unreadable file leaves the open sheet, its title and the selector as
    // they were.
    bool openSheet(int sheet);
    // 添加一行, 删除一行, 标题设置.
    void insertRow();
    void deleteRow();
    void titleSettings();

    // 0 while none is open.
    int openSheetNumber() const { return m_open; }
    // The disk refused the last change: it is on screen only.
    bool hasUnsavedChanges() const { return m_unsaved; }
    // 工资数据源: the open sheet's table; null while none is open.
    SheetTable* table() const { return m_table.get(); }

    void applyLayout(int windowWidth, int screenWidth) override;
    // Null while no sheet is open.
    std::optional<PageTable> pageTable() const override;
    ReportBuild buildReport(SheetTable& sheet, const QDate& today) override;

    // Puts the check marks of 打开工资表N and 工资表N on the sheet just opened.
    std::function<void(int sheet)> markOpenSheet;

    QLabel* 选择工资表标签;
    QComboBox* 工资表组合框;
    QPushButton* 工资设置按钮;
    QPushButton* 插入一行钮;
    QPushButton* 删除一行钮;
    QLabel* 工资日期标签;
    SheetGrid* 工资表格;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cursorMoved(int row, int column);
    void cellChanged(int row, int column);
    // Writes the open sheet over its file; says so when that fails.
    bool save();
    void showSelectorItem(int sheet);
    // Ten equal columns that fill the grid.
    int columnWidth() const;
    // The screen's zoom, or less when the texts need more than the grid's width; `needs` is the
    // sheet's textWidths().
    int zoom(int screenWidth, const QList<int>& needs) const;
    void fitColumns();
    void fitColumns(const QList<int>& needs);

    Workspace& m_ws;
    PageFrame& m_frame;
    std::unique_ptr<SheetTable> m_table;
    std::unique_ptr<WageSheet> m_sheet;
    int m_open = 0;
    QString m_path;
    bool m_unsaved = false;
};
