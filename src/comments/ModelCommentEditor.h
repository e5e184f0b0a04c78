#pragma once

#include <QDialog>

class GrowthLineLimit;
class Prompt;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

// 编辑评语范例: a model comment written or mended, at most 14 lines as its box shows them. The
// comment window stores what it returns.
class ModelCommentEditor : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Add, Modify };

    ModelCommentEditor(Mode mode, const QString& text, Prompt& prompt, QWidget* parent = nullptr);

    // The text as it is stored: without leading and trailing blanks.
    QString text() const;

    QGroupBox* 分组框1;
    QPlainTextEdit* 编辑框1;
    QPushButton* 按钮1;
    QPushButton* 按钮2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    GrowthLineLimit* m_limit = nullptr;
};
