#include "TempProgramDir.h"

#include "store/DatabaseTemplate.h"
#include "wages/WageTableFile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

TempProgramDir::TempProgramDir()
{
    QDir root(m_dir.path());
    for (const QString& sub : {u"data"_s, u"backup"_s, u"Sound"_s})
        root.mkpath(sub);
    for (DatabaseKind kind : {DatabaseKind::Student, DatabaseKind::Teacher, DatabaseKind::Admin})
        DatabaseTemplate::writeTo(kind, databasePath(kind));
    const QByteArray wages = WageTableFile::templateBytes();
    for (int sheet = 1; sheet <= WageTableFile::SheetCount; ++sheet) {
        QFile file(m_dir.path() + u"/data/00"_s + QString::number(sheet) + u".xsk"_s);
        if (file.open(QIODevice::WriteOnly))
            file.write(wages);
    }
    if (ServerSchool::wanted()) {
        static std::weak_ptr<ServerSchool> living;
        m_server = living.lock();
        if (!m_server) {
            m_server = std::make_shared<ServerSchool>();
            living = m_server;
        }
    }
}

QString TempProgramDir::databasePath(DatabaseKind kind) const
{
    return m_dir.path() + u"/data/"_s + DatabaseKinds::fileName(kind);
}

QString TempProgramDir::filePath(const QString& relative) const
{
    return m_dir.path() + u'/' + relative;
}
