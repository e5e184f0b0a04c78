#include "store/Schema.h"

#include "store/JetSql.h"
#include "store/SurnameOrder.h"

using namespace Qt::StringLiterals;

namespace Schema {

namespace {

Column text(const QString& name, int width)
{
    return {name, ColumnKind::Text, width};
}

Column int32(const QString& name)
{
    return {name, ColumnKind::Int32, 0};
}

Column int16(const QString& name)
{
    return {name, ColumnKind::Int16, 0};
}

Column bytes(const QString& name)
{
    return {name, ColumnKind::Bytes, 0};
}

Table classTable()
{
    Table t {u"班级表"_s, {text(u"所在班级"_s, 20), text(u"班主任"_s, 10)}, u"所在班级"_s, {}};
    for (int day = 1; day <= 5; ++day) {
        for (int lesson = 1; lesson <= 8; ++lesson)
            t.columns.append(text(u"星期"_s + QString::number(day) + QString::number(lesson), 10));
    }
    t.columns.append(text(u"班级分类"_s, 20));
    for (int slot = 1; slot <= 10; ++slot)
        t.columns.append(text(u"科目"_s + QString::number(slot), 20));
    return t;
}

Table pupilTable(const QString& name)
{
    Table t {name,
        {
            int32(u"学号"_s),
            text(u"姓名"_s, 20),
            text(u"性别"_s, 10),
            text(u"民族"_s, 10),
            text(u"出生日期"_s, 20),
            text(u"入学日期"_s, 20),
            text(u"所在班级"_s, 20),
            text(u"班内职务"_s, 20),
            text(u"家庭住址"_s, 50),
            text(u"联系电话"_s, 20),
            text(u"户籍所在地"_s, 50),
            text(u"籍贯"_s, 50),
            text(u"家长A"_s, 10),
            text(u"家长A姓名"_s, 10),
            text(u"家长A单位"_s, 50),
            text(u"家长A电话"_s, 50),
            text(u"家长B"_s, 10),
            text(u"家长B姓名"_s, 10),
            text(u"家长B单位"_s, 50),
            text(u"家长B电话"_s, 50),
            bytes(u"照片"_s),
            bytes(u"本学期评语"_s),
            bytes(u"综合评语"_s),
        },
        u"学号"_s,
        // SQLite index names are global to a file, so each sibling's 学号 index carries its table.
        {{name + u"_学号"_s, {u"学号"_s}}}};
    QStringList marks;
    for (int slot = 1; slot <= 10; ++slot)
        marks.append(u"期中"_s + QString::number(slot));
    for (int slot = 1; slot <= 10; ++slot)
        marks.append(u"期末"_s + QString::number(slot));
    for (const QString& mark : std::as_const(marks))
        t.columns.append(int16(mark));
    t.columns.append(text(u"离校时间"_s, 20));
    t.columns.append(text(u"离校原因"_s, 200));
    if (name == u"学籍表") {
        // Every per-class page reads the enrolled pupils by class. The marks lie behind the photo in
        // the row, so the score sheet and the class averages are served from a covering index
        // rather than walking each pupil's photo.
        t.indexes.append({u"学籍表_所在班级"_s, {u"所在班级"_s}});
        t.indexes.append({u"学籍表_成绩"_s, QStringList {u"所在班级"_s, u"姓名"_s} + marks});
    }
    if (name == u"毕业表") {
        // 毕业学生列表 and the student view read the graduates of one date out of tens of thousands.
        t.indexes.append({u"毕业表_离校时间"_s, {u"离校时间"_s}});
    }
    return t;
}

Table teacherTable(const QString& name)
{
    return {name,
        {
            int32(u"编号"_s),
            text(u"姓名"_s, 10),
            text(u"性别"_s, 4),
            text(u"民族"_s, 14),
            text(u"出生日期"_s, 20),
            text(u"学历"_s, 20),
            text(u"政治面貌"_s, 20),
            text(u"参加工作时间"_s, 20),
            text(u"调入本校时间"_s, 20),
            text(u"职称"_s, 20),
            text(u"职务或岗位"_s, 20),
            text(u"身份证号"_s, 20),
            text(u"手机号码"_s, 20),
            text(u"家庭住址"_s, 50),
            text(u"住宅电话"_s, 20),
            text(u"籍贯"_s, 50),
            text(u"户籍所在地"_s, 50),
            bytes(u"照片"_s),
            bytes(u"个人简历"_s),
            bytes(u"其他资料"_s),
            text(u"离校时间"_s, 20),
            text(u"离校原因"_s, 200),
        },
        u"编号"_s, {}};
}

QString quoted(const QString& identifier)
{
    return u'"' + identifier + u'"';
}

QString columnDefinition(const Column& column, bool primaryKey)
{
    const QString q = quoted(column.name);
    QString def = q;
    switch (column.kind) {
    case ColumnKind::Text:
        def += u" VARCHAR(%1)"_s.arg(column.width);
        if (primaryKey)
            def += u" PRIMARY KEY"_s;
        def += u" CHECK(length(%1)<=%2)"_s.arg(q).arg(column.width);
        break;
    case ColumnKind::Int32:
        def += u" INTEGER"_s;
        if (primaryKey)
            def += u" PRIMARY KEY"_s;
        def += u" CHECK(%1 IS NULL OR (typeof(%1)='integer' AND %1 BETWEEN -2147483648 AND 2147483647))"_s.arg(q);
        break;
    case ColumnKind::Int16:
        def += u" SMALLINT CHECK(%1 IS NULL OR (typeof(%1)='integer' AND %1 BETWEEN -32768 AND 32767))"_s.arg(q);
        break;
    case ColumnKind::Bytes:
        def += u" BLOB"_s;
        break;
    }
    return def;
}

QString indexStatement(const Table& t, const Index& i, bool ifNotExists)
{
    QStringList columns;
    for (const QString& c : i.columns)
        columns.append(quoted(c));
    return (ifNotExists ? u"CREATE INDEX IF NOT EXISTS "_s : u"CREATE INDEX "_s) + quoted(i.name) + u" ON "_s
        + quoted(t.name) + u" ("_s + columns.join(u',') + u")"_s;
}

QString literal(const QString& text)
{
    QString t = text;
    t.replace(u'\'', u"''"_s);
    return u'\'' + t + u'\'';
}

QString serverColumn(const Column& column, bool primaryKey)
{
    // Names stay unquoted, as every statement names them, so the server folds them alike.
    switch (column.kind) {
    case ColumnKind::Text:
        return column.name + u" VARCHAR(%1)"_s.arg(column.width) + (primaryKey ? u" PRIMARY KEY"_s : QString());
    case ColumnKind::Int32:
        return column.name + (primaryKey ? u" INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"_s : u" INTEGER"_s);
    case ColumnKind::Int16:
        return column.name + u" SMALLINT"_s;
    case ColumnKind::Bytes:
        return column.name + u" BYTEA"_s;
    }
    return {};
}

// SurnameOrder::sortText as an SQL function, made from the same tables.
QString nameKeyFunction()
{
    QStringList compounds;
    QString twoCases;
    for (const QString& c : SurnameOrder::compounds()) {
        compounds << literal(c);
        if (const auto r = SurnameOrder::readings().constFind(c); r != SurnameOrder::readings().constEnd())
            twoCases += u" WHEN "_s + literal(c) + u" THEN "_s + literal(*r) + u" || substr(n, 3)"_s;
    }
    QStringList singles = SurnameOrder::readings().keys();
    singles.sort();
    QString oneCases;
    for (const QString& s : std::as_const(singles)) {
        if (s.size() == 1)
            oneCases += u" WHEN "_s + literal(s) + u" THEN "_s + literal(SurnameOrder::readings().value(s))
                + u" || substr(n, 2)"_s;
    }
    return u"CREATE OR REPLACE FUNCTION "_s + QLatin1StringView(JetSql::nameKeyFunction)
        + u"(n text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$ SELECT CASE"_s
          u" WHEN length(n) > 2 AND left(n, 2) IN ("_s
        + compounds.join(u',') + u") THEN CASE left(n, 2)"_s + twoCases + u" ELSE n END ELSE CASE left(n, 1)"_s
        + oneCases + u" ELSE n END END $$"_s;
}

} // namespace

int Table::columnIndex(QStringView column) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].name == column)
            return i;
    }
    return -1;
}

bool Table::ordersByRowid() const
{
    const int key = columnIndex(primaryKey);
    return key < 0 || columns[key].kind == ColumnKind::Text;
}

QList<Table> tables(DatabaseKind kind)
{
    switch (kind) {
    case DatabaseKind::Student:
        return {
            classTable(),
            pupilTable(u"学籍表"_s),
            pupilTable(u"毕业表"_s),
            pupilTable(u"转退表"_s),
            Table {u"毕业时间表"_s, {text(u"毕业时间"_s, 50)}, {}, {}},
            Table {u"记号表"_s, {int32(u"ID"_s), int32(u"学号"_s)}, {}, {{u"ID"_s, {u"ID"_s}}}},
            Table {u"评语表"_s,
                {int32(u"编号"_s), text(u"库别"_s, 20), text(u"类别"_s, 20), text(u"内容"_s, 120), bytes(u"范例"_s)},
                u"编号"_s, {}},
        };
    case DatabaseKind::Teacher:
        return {
            teacherTable(u"教员表"_s),
            teacherTable(u"退休表"_s),
            teacherTable(u"调离表"_s),
            Table {u"记号表"_s, {int32(u"ID"_s), int32(u"教员编号"_s)}, {}, {{u"ID"_s, {u"ID"_s}}}},
        };
    case DatabaseKind::Admin:
        return {
            Table {u"用户表"_s, {text(u"用户名"_s, 20), text(u"密码"_s, 10), text(u"权限"_s, 20)}, {}, {}},
        };
    }
    return {};
}

const Table* table(DatabaseKind kind, QStringView name)
{
    static const QList<Table> all[]
        = {tables(DatabaseKind::Student), tables(DatabaseKind::Teacher), tables(DatabaseKind::Admin)};
    for (const Table& t : all[static_cast<int>(kind)]) {
        if (t.name == name)
            return &t;
    }
    return nullptr;
}

int textWidth(DatabaseKind kind, QStringView tableName, QStringView column)
{
    const Table* t = table(kind, tableName);
    const int index = t ? t->columnIndex(column) : -1;
    return index >= 0 && t->columns[index].kind == ColumnKind::Text ? t->columns[index].width : 0;
}

QStringList createStatements(DatabaseKind kind)
{
    QStringList statements;
    for (const Table& t : tables(kind)) {
        QStringList defs;
        for (const Column& c : t.columns)
            defs.append(columnDefinition(c, c.name == t.primaryKey));
        statements.append(u"CREATE TABLE "_s + quoted(t.name) + u" (\n    "_s + defs.join(u",\n    "_s) + u"\n)"_s);
        for (const Index& i : t.indexes)
            statements.append(indexStatement(t, i, false));
    }
    return statements;
}

QStringList indexStatements(DatabaseKind kind)
{
    QStringList statements;
    for (const Table& t : tables(kind)) {
        for (const Index& i : t.indexes)
            statements.append(indexStatement(t, i, true));
    }
    return statements;
}

} // namespace Schema

namespace Schema {

QStringList serverStatements(DatabaseKind kind)
{
    // ICU's Chinese order is pinyin; ties fall back to the bytes, as the file store's collation does.
    QStringList statements {
        u"CREATE COLLATION IF NOT EXISTS pinyin (provider = icu, locale = 'zh-u-co-pinyin')"_s, nameKeyFunction()};
    for (const Table& t : tables(kind)) {
        QStringList defs;
        for (const Column& c : t.columns)
            defs.append(serverColumn(c, c.name == t.primaryKey));
        // Last, so that inserts of every column by position leave it to the server.
        if (t.ordersByRowid())
            defs.append(QString::fromUtf16(rowOrderColumn) + u" BIGINT GENERATED ALWAYS AS IDENTITY"_s);
        statements.append(u"CREATE TABLE "_s + t.name + u" (\n    "_s + defs.join(u",\n    "_s) + u"\n)"_s);
        for (const Index& i : t.indexes)
            statements.append(
                u"CREATE INDEX "_s + i.name + u" ON "_s + t.name + u" ("_s + i.columns.join(u',') + u")"_s);
    }
    return statements;
}

QStringList serverKeyResets(DatabaseKind kind)
{
    QStringList statements;
    for (const Table& t : tables(kind)) {
        const int key = t.primaryKey.isEmpty() ? -1 : t.columnIndex(t.primaryKey);
        if (key < 0 || t.columns[key].kind != ColumnKind::Int32)
            continue;
        statements.append(
            u"SELECT setval(pg_get_serial_sequence('%1', '%2'), coalesce(max(%2), 0) + 1, false) FROM %1"_s.arg(
                t.name.toLower(), t.primaryKey.toLower()));
    }
    return statements;
}

} // namespace Schema
