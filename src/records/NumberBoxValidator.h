#pragma once

#include <QValidator>

// The number box of a record: digits only, full-width ones (２０１９) read as their ASCII digits,
// and no value beyond what the number column holds. refusal() says why the last input was refused,
// so the window can tell the user where the number is typed rather than when the save fails.
class NumberBoxValidator : public QValidator
{
    Q_OBJECT

public:
    NumberBoxValidator(qint64 maximum, QObject* parent);

    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

    // Empty when the last refused input was not a number at all (a letter typed): nothing to explain.
    QString refusal() const { return m_refusal; }
    qint64 maximum() const { return m_maximum; }

private:
    qint64 m_maximum;
    mutable QString m_refusal;
};
