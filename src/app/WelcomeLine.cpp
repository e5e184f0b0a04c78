#include "app/WelcomeLine.h"

#include "text/DateText.h"

using namespace Qt::StringLiterals;

namespace WelcomeLine {

QString forDate(QDate date)
{
    // QDate counts Monday as 1 and Sunday as 7.
    static const QString numerals = u"一二三四五六日"_s;
    const int day = date.dayOfWeek();
    const QString weekday = day >= 1 && day <= 7 ? QString(numerals[day - 1]) : QString();
    return u"        欢迎使用校务管理系统！ 今天是"_s + DateText::format(date) + u"  星期"_s + weekday;
}

} // namespace WelcomeLine
