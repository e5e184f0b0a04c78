#pragma once

#include <QStyledItemDelegate>

// In-place editing of a library entry: the edit starts on at most 100 bytes of the sentence (or on
// the text just refused, to be mended), and the text typed is handed on as edited() instead of
// going into the list: the list shows a sentence only once the database holds it.
class EntryEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The next edit starts with this text instead of the item's.
    void setPendingText(const QString& text) { m_pending = text; }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

Q_SIGNALS:
    // The entry's 编号 (second column) and the text the edit ended with.
    void edited(qint64 number, const QString& text) const;

private:
    mutable QString m_pending;
};
