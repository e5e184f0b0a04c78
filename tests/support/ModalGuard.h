#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

// A modal window nobody answers would hold a GUI test until CTest's timeout. The guard closes any
// modal still open one poll after it first saw it and fails the running test, naming the window.
// A test answers its own modals with QTimer::singleShot queued before they open, which always runs
// before the guard's second look. A handler that itself runs long with its modal open (nested
// dialogs, a whole promotion) marks the window with answering(), so a busy machine's slow handler
// is not taken for a modal nobody answers. Header only: the support library stays free of widgets.
class ModalGuard
{
public:
    ModalGuard()
    {
        m_timer.setInterval(100);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { poll(); });
        m_timer.start();
    }

    const QStringList& closed() const { return m_closed; }

    // The test is answering this window right now: the guard leaves it alone.
    static void answering(QWidget* window) { window->setProperty("modalGuardAnswering", true); }

private:
    void poll()
    {
        using namespace Qt::StringLiterals;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->property("modalGuardAnswering").toBool()) {
            m_seen = nullptr;
            return;
        }
        if (!modal || modal != m_seen) {
            m_seen = modal;
            return;
        }
        m_seen = nullptr;
        QString what = QString::fromLatin1(modal->metaObject()->className()) + u" \""_s + modal->windowTitle() + u'"';
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            what += u": "_s + box->text();
        m_closed << what;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTest::qFail(qPrintable(u"unexpected modal window "_s + what), __FILE__, __LINE__);
    }

    QTimer m_timer;
    QPointer<QWidget> m_seen;
    QStringList m_closed;
};
