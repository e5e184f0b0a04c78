#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The comment library shipped with the empty students database. The source is a UTF-8 text, one
// row per line in 编号 order: 库别 TAB 类别 TAB text. Entries (分类1..分类7) keep the text in 内容;
// model comments keep it, as GB18030 bytes, in 范例. In the text, "\r" and "\n" stand for CR and LF
// and "\\" for a backslash. Empty lines and lines starting with '#' are skipped.
namespace CommentLibrarySeed {

struct Row
{
    QString library;
    QString category;
    QString text;
    bool isModel() const;
};

// Rows of the source, or nothing when a line is malformed (its number in *errorLine).
std::optional<QList<Row>> parse(const QByteArray& utf8, int* errorLine = nullptr);

} // namespace CommentLibrarySeed
