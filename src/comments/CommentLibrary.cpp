#include "comments/CommentLibrary.h"

#include "comments/CommentKinds.h"
#include "store/DbConnection.h"
#include "store/RecordSet.h"
#include "store/Transaction.h"
#include "text/GbText.h"
#include "text/LineBreaks.h"

#include <algorithm>

using namespace Qt::StringLiterals;

std::optional<QList<CommentLibrary::Item>> CommentLibrary::entries(const QString& library, const QString& category)
{
    return rows(library, category, false);
}

std::optional<QList<CommentLibrary::Item>> CommentLibrary::models(const QString& library, const QString& kind)
{
    return rows(library, kind, true);
}

std::optional<QList<CommentLibrary::Item>> CommentLibrary::rows(
    const QString& library, const QString& category, bool models)
{
    auto rs = m_db.query(u"select * from 评语表 where 库别=? and 类别=? order by 编号"_s, {library, category});
    if (!rs) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    const int number = rs->position(u"编号");
    const int text = rs->position(models ? u"范例" : u"内容");
    QList<Item> items;
    for (rs->first(); !rs->pastLast(); rs->next()) {
        items.append(
            {rs->number(number), models ? LineBreaks::forDisplay(GbText::fromBytes(rs->bytes(text))) : rs->text(text)});
    }
    if (rs->failed()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    return items;
}

std::optional<QString> CommentLibrary::model(qint64 number)
{
    auto rs = m_db.query(u"select * from 评语表 where 编号=?"_s, {number});
    if (!rs || rs->pastLast()) {
        m_lastError = rs ? u"no row "_s + QString::number(number) : m_db.lastError();
        return std::nullopt;
    }
    return LineBreaks::forDisplay(GbText::fromBytes(rs->bytes(u"范例")));
}

std::optional<qint64> CommentLibrary::addEntry(const QString& library, const QString& category)
{
    return insertRow(library, category, CommentKinds::entryPlaceholder(), QByteArray(""));
}

bool CommentLibrary::setEntryText(qint64 number, const QString& text)
{
    if (!entryTextFits(text)) {
        m_lastError = u"entry of %1 bytes"_s.arg(GbText::byteLength(text));
        return false;
    }
    return changedOne(m_db.execute(u"update 评语表 set 内容=? where 编号=?"_s, {text, number}));
}

bool CommentLibrary::removeEntry(qint64 number)
{
    return changedOne(m_db.execute(u"delete * from 评语表 where 编号=?"_s, {number}));
}

std::optional<qint64> CommentLibrary::addModel(const QString& library, const QString& kind, const QString& text)
{
    return insertRow(library, kind, QString(u""_s), modelBytes(text));
}

bool CommentLibrary::setModelText(qint64 number, const QString& text)
{
    return changedOne(m_db.execute(u"update 评语表 set 范例=? where 编号=?"_s, {modelBytes(text), number}));
}

bool CommentLibrary::removeModel(qint64 number, const QString& library)
{
    return changedOne(m_db.execute(u"delete * from 评语表 where 编号=? and 库别=?"_s, {number, library}));
}

std::optional<qint64> CommentLibrary::insertRow(
    const QString& library, const QString& category, const QString& text, const QByteArray& model)
{
    // The database alone would give the highest number again once its row is deleted. Row ID=2 of
    // 记号表 remembers the highest number ever given; a file without that row starts from the rows.
    Transaction t(m_db);
    auto used = m_db.query(u"select max(编号) as 最大编号 from 评语表"_s);
    auto mark = used ? m_db.query(u"select 学号 from 记号表 where ID=2"_s) : nullptr;
    if (!t.isActive() || !used || !mark) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    used->first();
    mark->first();
    const qint64 highest
        = std::max(used->pastLast() ? 0 : used->number(u"最大编号"), mark->pastLast() ? 0 : mark->number(u"学号"));
    const bool marked = !mark->pastLast();
    used.reset();
    mark.reset();
    const qint64 number = highest + 1;
    const bool written = m_db.execute(u"insert into 评语表 (编号,库别,类别,内容,范例) values (?,?,?,?,?)"_s,
                             {number, library, category, text, model})
        && (marked ? m_db.execute(u"update 记号表 set 学号=? where ID=2"_s, {number})
                   : m_db.execute(u"insert into 记号表 (ID,学号) values (2,?)"_s, {number}));
    if (!written || !t.commit()) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    return number;
}

bool CommentLibrary::changedOne(bool executed)
{
    if (!executed) {
        m_lastError = m_db.lastError();
        return false;
    }
    // A row removed meanwhile changes nothing: that is no success.
    if (m_db.changes() != 1) {
        m_lastError = u"the row is gone"_s;
        return false;
    }
    return true;
}

bool CommentLibrary::entryTextFits(const QString& text)
{
    const qsizetype bytes = GbText::byteLength(text);
    return bytes >= 1 && bytes <= CommentKinds::EntryMaxBytes;
}

QString CommentLibrary::modelItemText(const QString& model)
{
    // One line per model in the list: its line breaks show as blanks.
    QString text = GbText::leftBytes(LineBreaks::forStorage(model), CommentKinds::ModelItemBytes);
    return text.replace(u"\r\n"_s, u"  "_s).replace(u'\r', u' ');
}

QByteArray CommentLibrary::modelBytes(const QString& text)
{
    QByteArray bytes = GbText::toBytes(LineBreaks::forStorage(GbText::trimBlanks(text)));
    // Empty bytes, not NULL: an empty model is still a model.
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}
