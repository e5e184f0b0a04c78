#pragma once

#include <QValidator>

// A byte limit counted in GB18030 (a Chinese character takes 2): what is typed or pasted beyond
// the limit is cut off at the cursor, as the old edit boxes did, never splitting a character.
class GbByteValidator : public QValidator
{
    Q_OBJECT

public:
    GbByteValidator(qsizetype maxBytes, QObject* parent);

    qsizetype maxBytes() const { return m_maxBytes; }
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    qsizetype m_maxBytes;
};
