#include "students/StudentViewKind.h"

using namespace Qt::StringLiterals;

namespace StudentViewKinds {

QString text(StudentViewKind kind)
{
    switch (kind) {
    case StudentViewKind::Enrolled:
        return u"在校学生"_s;
    case StudentViewKind::Graduate:
        return u"毕业学生"_s;
    case StudentViewKind::Leaver:
        break;
    }
    return u"离校学生"_s;
}

std::optional<StudentViewKind> fromText(const QString& text)
{
    for (StudentViewKind kind : {StudentViewKind::Enrolled, StudentViewKind::Graduate, StudentViewKind::Leaver}) {
        if (text == StudentViewKinds::text(kind))
            return kind;
    }
    return std::nullopt;
}

QString table(StudentViewKind kind)
{
    switch (kind) {
    case StudentViewKind::Enrolled:
        return u"学籍表"_s;
    case StudentViewKind::Graduate:
        return u"毕业表"_s;
    case StudentViewKind::Leaver:
        break;
    }
    return u"转退表"_s;
}

} // namespace StudentViewKinds
