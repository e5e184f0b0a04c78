#include "app/ServerWatch.h"

#include "platform/Prompt.h"
#include "store/StoreChoice.h"
#include "workspace/ProgramState.h"

#include <QPointer>

using namespace Qt::StringLiterals;

ServerWatch::ServerWatch(Prompt& prompt, ProgramState& state, QObject* parent)
    : QObject(parent)
    , m_prompt(prompt)
    , m_state(state)
{
    QPointer<ServerWatch> self(this);
    StoreChoice::setServerListener([self](bool lost) {
        // Queued: the failing statement runs to its end and its own command says what failed
        // first; the box does not open in the middle of a transaction.
        if (self)
            QMetaObject::invokeMethod(
                self,
                [self, lost] {
                    if (self)
                        self->heard(lost);
                },
                Qt::QueuedConnection);
    });
}

ServerWatch::~ServerWatch()
{
    StoreChoice::setServerListener({});
}

QString ServerWatch::lostText()
{
    return u"与数据库服务器的连接中断了，刚才的操作没有完成，也没有保存其中任何一部分。\r\n"_s
           u"屏幕上的资料仍然保留着。服务器恢复后程序会自动重新连接，请到那时再操作一次。"_s;
}

QString ServerWatch::backText()
{
    return u"已重新连接上数据库服务器。"_s;
}

void ServerWatch::heard(bool lost)
{
    if (lost == m_lost)
        return;
    m_lost = lost;
    m_state.setStatusHint(lost ? u"与数据库服务器的连接已中断！"_s : backText());
    // One box per loss, however many connections and commands meet it while it is on screen.
    if (!lost || m_telling)
        return;
    m_telling = true;
    m_prompt.show(lostText(), u"连接中断"_s, Prompt::Icon::Warning);
    m_telling = false;
}
