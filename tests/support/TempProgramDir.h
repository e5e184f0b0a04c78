#pragma once

#include "support/ServerSchool.h"

#include "store/DatabaseKind.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throw-away program directory with data/, backup/ and Sound/, fresh empty databases and the
// five empty wage sheets. In the server run the school itself is a fresh one on the test server
// (ServerSchool) for as long as the directory lives; the files stay, unused by openSchool. A
// directory made while another lives shares its school, as tests that open "the main window's
// database" by its path expect.
class TempProgramDir
{
public:
    TempProgramDir();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // <dir>/data/006.xsk etc.
    QString databasePath(DatabaseKind kind) const;
    QString filePath(const QString& relative) const;
    // The school's own server database in the server run, null otherwise.
    const ServerSchool* server() const { return m_server.get(); }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<ServerSchool> m_server;
};
