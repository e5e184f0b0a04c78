#pragma once

#include <QDate>
#include <QString>

namespace WelcomeLine {

// "        欢迎使用校务管理系统！ 今天是2026年9月1日  星期二"; Sunday reads "星期日".
QString forDate(QDate date);

} // namespace WelcomeLine
