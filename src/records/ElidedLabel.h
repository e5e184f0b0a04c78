#pragma once

#include <QLabel>

// A value box of a record card. A text longer than the box is cut with "…" at its edge instead of
// widening the card's column, and the whole text shows as the tooltip. The box takes the width its
// layout gives it, whatever the text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text as drawn in the present width.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
};
