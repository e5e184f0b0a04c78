#pragma once

#include "XTestInput.h"

#include "support/FakeServices.h"

#include "access/RightsString.h"
#include "access/Session.h"
#include "app/Features.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "store/DbConnection.h"
#include "students/StudentsFixture.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// The program as main() builds it, on a temp program directory, with message boxes and file
// dialogs scripted (FakeServices) and everything else real, on the X server the tests were given.
// Header only: test_realinput alone uses it.
struct RealProgram
{
    RealProgram()
    {
        if (startup.start()) {
            main = startup.mainWindow();
            // The splash would wait 14 ticks for the login window; the tests log in themselves.
            main->closeSplash();
        }
    }

    Workspace& ws() { return startup.features()->workspace(); }
    DbConnection& students() { return main->studentDb(); }

    // Logged in as the built-in administrator without the login window, the main window on show.
    bool enter()
    {
        main->setSession({QStringLiteral(u"内部管理员"), RightsString::super()});
        main->showAfterLogin();
        return activate(main);
    }

    // Shown, on top and holding the X input focus, the pointer over it, as a click would leave it.
    bool activate(QWidget* window)
    {
        window->show();
        window->raise();
        if (!QTest::qWaitForWindowExposed(window, 5000))
            return false;
        window->activateWindow();
        x.focus(window);
        return QTest::qWaitForWindowActive(window, 5000);
    }

    bool addClass(const QString& name)
    {
        QStringList subjects {QStringLiteral(u"语文"), QStringLiteral(u"数学")};
        while (subjects.size() < 10)
            subjects << QString();
        return StudentsFixture::addClass(students(), name, QStringLiteral(u"周老师"), subjects);
    }

    QVariant value(const QString& sql, const QVariantList& parameters = {})
    {
        auto rows = students().query(sql, parameters);
        if (!rows)
            return {};
        rows->first();
        return rows->pastLast() ? QVariant() : rows->value(1);
    }

    FakeServices desk;
    Startup startup {desk.services, desk.paths};
    MainWindow* main = nullptr;
    XTestInput x {qgetenv("XIAOWU_XVFB_DISPLAY")};
};
