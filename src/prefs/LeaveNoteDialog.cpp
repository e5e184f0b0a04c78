#include "prefs/LeaveNoteDialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

LeaveNoteDialog::LeaveNoteDialog(const QString& note, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"LeaveNoteDialog"_s);
    setWindowTitle(u"离开本校的说明"_s);

    编辑框1 = new QPlainTextEdit(this);
    编辑框1->setObjectName(u"编辑框1"_s);
    // The notes are worded with CR LF; the edit box breaks lines at LF alone.
    QString text = u"\r\n"_s + note;
    text.replace(u"\r\n"_s, u"\n"_s);
    编辑框1->setPlainText(text);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(编辑框1);
    resize(clientWidth, clientHeight);
}
