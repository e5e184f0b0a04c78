#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class DbConnection;

// The comment library in 评语表: entries (one sentence, 内容) and model comments (GB18030 bytes
// in 范例) per library and category. Every write reports whether it changed the one row it meant.
class CommentLibrary
{
public:
    struct Item
    {
        qint64 编号 = 0;
        QString text; // 内容 of an entry, the decoded 范例 of a model
    };

    explicit CommentLibrary(DbConnection& db)
        : m_db(db)
    { }

    // The rows of a library and category (an entry category or a model kind) in the order the
    // database keeps them; nothing when the query fails, also part-way.
    std::optional<QList<Item>> entries(const QString& library, const QString& category);
    std::optional<QList<Item>> models(const QString& library, const QString& kind);
    // One model's text; nothing when the row is gone.
    std::optional<QString> model(qint64 number);

    // Adds an entry holding the placeholder sentence and returns its 编号.
    std::optional<qint64> addEntry(const QString& library, const QString& category);
    bool setEntryText(qint64 number, const QString& text);
    bool removeEntry(qint64 number);

    // Models are stored without leading and trailing blanks; returns the new 编号.
    std::optional<qint64> addModel(const QString& library, const QString& kind, const QString& text);
    bool setModelText(qint64 number, const QString& text);
    bool removeModel(qint64 number, const QString& library);

    // An entry sentence holds 1 to 100 bytes.
    static bool entryTextFits(const QString& text);
    // What the model list shows of a model: its first 70 bytes, whole characters only.
    static QString modelItemText(const QString& model);
    // The stored form of a model: blanks trimmed, "\r\n" line breaks, GB18030 bytes.
    static QByteArray modelBytes(const QString& text);

    QString lastError() const { return m_lastError; }

private:
    std::optional<QList<Item>> rows(const QString& library, const QString& category, bool models);
    std::optional<qint64> insertRow(
        const QString& library, const QString& category, const QString& text, const QByteArray& model);
    bool changedOne(bool executed);

    DbConnection& m_db;
    QString m_lastError;
};
