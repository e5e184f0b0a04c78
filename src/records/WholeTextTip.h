#pragma once

#include <QObject>

class QLineEdit;

// A line edit whose text is longer than the box shows the whole text as its tooltip, measured
// when the mouse rests on it (the box's width is only known then).
class WholeTextTip : public QObject
{
    Q_OBJECT

public:
    // Once per edit; the tip lives as long as the edit.
    static void attach(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WholeTextTip(QLineEdit* edit);
};
