#include "prefs/ManualWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ManualWindow::ManualWindow(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(u"使用手册"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    // Never larger than the screen it opens on (800 × 600 has no room for 960 × 720).
    QSize size(960, 720);
    if (const QScreen* on = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(on->availableGeometry().size() * 9 / 10);
    resize(size);

    手册浏览框 = new QTextBrowser(this);
    手册浏览框->setObjectName(u"手册浏览框"_s);
    手册浏览框->setOpenExternalLinks(true);

    QString html;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        html = QString::fromUtf8(file.readAll());
    // Qt's rich text draws no gradients and knows no "inherit": the page's white heading would
    // vanish on the light page and the menu names fall back to a serif face.
    html.replace(u"</head>"_s,
        u"<style>header, header h1, header p { color: #1f4f9e; } "
        u"kbd, span.ui { font-family: 'Noto Sans CJK SC' !important; }</style></head>"_s);
    // The pictures' relative names resolve against the manual's folder.
    手册浏览框->document()->setBaseUrl(QUrl::fromLocalFile(path));
    手册浏览框->setHtml(html);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(手册浏览框);
}
