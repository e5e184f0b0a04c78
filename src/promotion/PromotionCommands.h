#pragma once

#include "promotion/Promotion.h"

#include <QDate>

#include <functional>

class QWidget;
struct Workspace;

// 通用班级毕业升级 and 自设班级毕业升级, after the rights check: the six-month question, the
// window of each run and the return to the home page whatever happened.
class PromotionCommands
{
public:
    explicit PromotionCommands(Workspace& ws);

    void standard();
    void custom();

    enum class Kind { Standard, Custom };
    enum class Ending { Close, Stay };
    // What both windows do on their confirm: the backup and its question, the run, its message
    // and, after the commit only, the date of this run in the settings file.
    static Ending execute(Workspace& ws, Kind kind, QDate graduationDate, bool backup,
        const std::function<Promotion::Result(Promotion&, const QString&)>& run);

private:
    // False when a run of this kind lies under six months back and the user does not want another.
    bool askAgain(Kind kind);

    Workspace& m_ws;
};
