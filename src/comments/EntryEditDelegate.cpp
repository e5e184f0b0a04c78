#include "comments/EntryEditDelegate.h"

#include "comments/CommentKinds.h"
#include "text/GbText.h"

#include <QLineEdit>

void EntryEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    // A refused text comes back whole so the teacher can mend it; a stored one starts within the limit.
    if (!m_pending.isNull())
        line->setText(m_pending);
    else
        line->setText(GbText::leftBytes(index.data().toString(), CommentKinds::EntryMaxBytes));
    m_pending = QString();
}

void EntryEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        Q_EMIT edited(index.siblingAtColumn(1).data().toLongLong(), line->text());
}
