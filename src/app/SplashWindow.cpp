#include "app/SplashWindow.h"

#include "app/StartupRules.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

using namespace Qt::StringLiterals;

SplashWindow::SplashWindow(std::function<QString()> mainWindowTitle, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_mainWindowTitle(std::move(mainWindowTitle))
    , m_background(u":/icons/splash.png"_s)
{
    setObjectName(u"SplashWindow"_s);
    setFixedSize(460, 235);

    提示标签 = new QLabel(u"系统数据正在载入中请稍侯..."_s, this);
    提示标签->setObjectName(u"提示标签"_s);
    提示标签->setStyleSheet(u"color: white;"_s);
    提示标签->setGeometry(16, 202, 260, 26);

    进度标签 = new QLabel(StartupRules::initialFrame(), this);
    进度标签->setObjectName(u"进度标签"_s);
    进度标签->setStyleSheet(u"color: #ffe27a; font-size: 16px;"_s);
    进度标签->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    进度标签->setGeometry(290, 202, 154, 26);

    启动时钟 = new QTimer(this);
    启动时钟->setObjectName(u"启动时钟"_s);
    // A coarse timer may fire up to 5 % early; the splash must stay its full time.
    启动时钟->setTimerType(Qt::PreciseTimer);
    启动时钟->setInterval(StartupRules::tickInterval);
    connect(启动时钟, &QTimer::timeout, this, &SplashWindow::tick);
    启动时钟->start();
}

void SplashWindow::tick()
{
    进度标签->setText(StartupRules::nextFrame(进度标签->text()));
    进度标签->repaint();
    ++m_ticks;
    if (StartupRules::loginDue(m_ticks, m_mainWindowTitle())) {
        启动时钟->stop();
        Q_EMIT loginDue();
    }
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_background);
    QFont name(u"楷体_GB2312"_s);
    name.setPixelSize(34);
    name.setBold(true);
    p.setFont(name);
    const QRect nameBox(22, 40, 300, 48);
    p.setPen(QColor(0x0d, 0x2a, 0x52));
    p.drawText(nameBox.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, u"校务管理系统"_s);
    p.setPen(Qt::white);
    p.drawText(nameBox, Qt::AlignLeft | Qt::AlignVCenter, u"校务管理系统"_s);
    QFont version = font();
    version.setPixelSize(16);
    p.setFont(version);
    p.setPen(QColor(0xff, 0xe2, 0x7a));
    p.drawText(QRect(26, 90, 240, 24), Qt::AlignLeft | Qt::AlignVCenter, u"Version 3.0"_s);
}
