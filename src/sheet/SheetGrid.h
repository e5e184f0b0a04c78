#pragma once

#include "sheet/SheetPrintJob.h"
#include "sheet/SheetTable.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>

class QLineEdit;

// A scrolling view of one SheetTable with a cell cursor and in-place editing.
//
// Sizes are the table's tenths of a millimetre scaled by zoom(); the fixed rows and columns stay in
// view and, without a background of their own, show the button face. The cursor never rests on a
// fixed row or column; it is (0, 0) while the table has no other cell. Arrow keys, Home/End,
// PageUp/PageDown and the mouse move it. Typing starts editing the cursor's cell with the typed
// text (F2 and a double-click edit the present text); Enter confirms the edit, Escape or leaving
// the cell drops it; a read-only cell does not enter editing. Keys the grid does not use (Insert,
// Delete, F-keys …) go on to the parent, and right clicks give the usual context-menu event, so a
// page can add its own commands.
//
// A text too big for its cell is shown on one line ending in "…", and whole as the cell's tooltip.
//
// The grid paints with the same SheetPainter the printer uses. It repaints when the table commits;
// while detached it neither paints the table nor follows its commits (for rebuilding a sheet).
class SheetGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit SheetGrid(QWidget* parent = nullptr);
    ~SheetGrid() override;

    // Shows `table` (not owned) and repaints; the cursor is kept if it still fits.
    void attach(SheetTable* table);
    void detach();
    SheetTable* table() const { return m_table; }

    void setZoom(int percent);
    int zoom() const { return m_zoom; }

    // Moves the cursor (clamped to the cells that are not fixed; a merged block's cells go to its
    // first cell), scrolls it into view and emits cursorMoved when it changed.
    void setCursorCell(int row, int column);
    int cursorRow() const { return m_row; }
    int cursorColumn() const { return m_column; }

    bool isEditing() const { return m_editing; }
    // Starts editing the cursor's cell with `text`; false for a read-only cell or no cursor.
    bool editCell(const QString& text);

    // The cell's block on the viewport (empty when not in view).
    QRect cellRect(int row, int column) const;

    // "%d" stands for the page number in preview and print; default "第 %d 页".
    void setPageNumberText(const QString& pattern) { m_pageNumberText = pattern; }
    // Hears (pages painted, pages in all) while preview or print paints.
    void setPrintProgress(std::function<void(int done, int total)> progress) { m_printProgress = std::move(progress); }
    // Qt's print preview of the attached table, following its page setup. A table that cannot be
    // laid out on pages opens no window: Failed, with printErrorString() for the window to show.
    SheetPrintJob::Outcome printPreview();
    // The print dialog, then a print job named `jobName` ("打印报表", "打印课程表"). A failure is
    // returned with printErrorString() for the window to show.
    SheetPrintJob::Outcome print(const QString& jobName);
    QString printErrorString() const { return m_printError; }

Q_SIGNALS:
    void cursorMoved(int row, int column);
    // An edit of (row, column) was confirmed with Enter and changed the cell's text.
    void cellChanged(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Axis
    {
        QList<double> edges; // edges[i] = far edge of line i (1-based), edges[0] = 0
        int fixed = 0;
        double fixedExtent() const { return edges[fixed]; }
        double total() const { return edges.last(); }
    };

    double unit() const;
    Axis rowAxis() const;
    Axis columnAxis() const;
    // The line under a viewport coordinate, 0 when none.
    static int hit(const Axis& axis, double at, int scroll);
    static double viewStart(const Axis& axis, int line, int scroll);
    void refresh();
    void updateScrollBars();
    void ensureVisible(int row, int column);
    void moveCursorBy(int rows, int columns);
    void placeCursor(int row, int column, bool emitMove);
    void beginEdit(const QString& text);
    void confirmEdit();
    void cancelEdit();

    QPointer<SheetTable> m_table;
    QMetaObject::Connection m_commitConnection;
    int m_zoom = 100;
    int m_row = 0;
    int m_column = 0;
    QLineEdit* m_editor = nullptr;
    bool m_editing = false;
    bool m_forwarding = false;
    int m_editRow = 0;
    int m_editColumn = 0;
    QString m_pageNumberText;
    QString m_printError;
    std::function<void(int done, int total)> m_printProgress;
};
