#pragma once

#include <QDialog>

class QPlainTextEdit;

// 离开本校的说明: why and when a former pupil or teacher left, as the record view worded it.
class LeaveNoteDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LeaveNoteDialog(const QString& note, QWidget* parent = nullptr);

    // The window is 286 × 105 with its frame; this is its inside.
    static constexpr int clientWidth = 280;
    static constexpr int clientHeight = 80;

    QPlainTextEdit* 编辑框1;
};
