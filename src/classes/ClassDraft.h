#pragma once

#include <QString>
#include <QStringList>

// A class about to be added, as the settings window's inputs describe it: a standard class is a
// grade followed directly by a class number, a custom class any name the user types.
struct ClassDraft
{
    enum class Refusal { None, NoClassNumber, NoCustomName, NoHeadTeacher };

    bool custom = false;
    QString grade;
    QString number;
    QString customName;
    QString headTeacher;

    // The first rule the draft breaks. Blanks alone count as no class number or name, but a head
    // teacher is refused only when the text is empty.
    Refusal refusal() const;
    QString name() const;
    QString category() const;

    // The grade prefixes the promotion rewrites; their order is the promotion order.
    static QStringList grades();
    static QStringList classNumbers();
};
