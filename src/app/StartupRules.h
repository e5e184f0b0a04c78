#pragma once

#include <QString>

// The splash window's rules: the progress frames and when the login window may follow.
namespace StartupRules {

// The main window carries this title once its creation has finished.
QString mainTitle();

constexpr int tickInterval = 300; // ms
constexpr int minimumTicks = 14; // so the splash stays at least 4.2 s, however fast the machine

QString initialFrame();
// The frame after the given one; a text that is not one of the five frames stays as it is.
QString nextFrame(const QString& frame);
bool loginDue(int ticks, const QString& mainWindowTitle);

} // namespace StartupRules
