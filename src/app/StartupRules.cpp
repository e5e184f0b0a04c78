#include "app/StartupRules.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace StartupRules {

namespace {

const QStringList& frames()
{
    static const QStringList all {u"■ □ □ □ □"_s, u"□ ■ □ □ □"_s, u"□ □ ■ □ □"_s, u"□ □ □ ■ □"_s, u"□ □ □ □ ■"_s};
    return all;
}

} // namespace

QString mainTitle()
{
    return u"校务管理系统 v3.0"_s;
}

QString initialFrame()
{
    return frames().first();
}

QString nextFrame(const QString& frame)
{
    const qsizetype at = frames().indexOf(frame);
    if (at < 0)
        return frame;
    return frames().at((at + 1) % frames().size());
}

bool loginDue(int ticks, const QString& mainWindowTitle)
{
    return ticks >= minimumTicks && mainWindowTitle == mainTitle();
}

} // namespace StartupRules
