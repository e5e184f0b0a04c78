#include "app/HomePage.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

HomePage::HomePage(QWidget* parent)
    : QWidget(parent)
    , m_picture(u":/icons/homepicture.png"_s)
{
    首页底色标签 = new QLabel(this);
    首页底色标签->setObjectName(u"首页底色标签"_s);
    首页底色标签->setAutoFillBackground(true);
    首页底色标签->setStyleSheet(u"background-color: #e8eff8;"_s);

    图片框5 = new QLabel(this);
    图片框5->setObjectName(u"图片框5"_s);
    图片框5->setAlignment(Qt::AlignCenter);

    首页校名标签 = new QLabel(图片框5);
    首页校名标签->setObjectName(u"首页校名标签"_s);
    QFont nameFont(u"楷体_GB2312"_s);
    nameFont.setPointSize(30);
    nameFont.setBold(true);
    首页校名标签->setFont(nameFont);
    首页校名标签->setStyleSheet(u"color: #fffbe8;"_s);
    auto* shadow = new QGraphicsDropShadowEffect(首页校名标签);
    shadow->setOffset(2, 2);
    shadow->setBlurRadius(6);
    shadow->setColor(QColor(0x20, 0x30, 0x20));
    首页校名标签->setGraphicsEffect(shadow);

    标识标签 = new QLabel(u"本系统为中小学校办公室管理学籍、教员档案、成绩、评语、工资及课程表而设计"_s, this);
    标识标签->setObjectName(u"标识标签"_s);
    标识标签->setStyleSheet(u"color: #40506a;"_s);

    图片框4 = new QFrame(this);
    图片框4->setObjectName(u"图片框4"_s);
    auto* exitLayout = new QHBoxLayout(图片框4);
    exitLayout->setContentsMargins(0, 0, 0, 0);
    退出图形按钮 = new QPushButton(u"EXIT"_s, 图片框4);
    退出图形按钮->setObjectName(u"退出图形按钮"_s);
    退出图形按钮->setCursor(Qt::PointingHandCursor);
    退出图形按钮->setStyleSheet(
        u"QPushButton { color: white; font-weight: bold; font-size: 15px; letter-spacing: 2px;"
        " background-color: #c62828; border: 2px solid #7a1010; border-radius: 8px; padding: 6px 22px; }"
        " QPushButton:hover { background-color: #e53935; }"
        " QPushButton:pressed { background-color: #8e1b1b; }"_s);
    exitLayout->addWidget(退出图形按钮);
    connect(退出图形按钮, &QPushButton::clicked, this, &HomePage::exitRequested);
}

void HomePage::setSchoolTitle(const QString& title)
{
    首页校名标签->setText(title);
    placeParts();
}

void HomePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeParts();
}

void HomePage::placeParts()
{
    const int w = width();
    const int h = height();
    首页底色标签->setGeometry(0, 0, w, h);

    // The picture takes the whole width and 0.6 of the height, a little above the middle.
    const int pictureHeight = qRound(h * 0.6);
    const int pictureTop = h / 2 - pictureHeight / 2 - 20;
    图片框5->setGeometry(0, pictureTop, w, pictureHeight);
    if (!m_picture.isNull() && w > 0 && pictureHeight > 0) {
        // Filled and cropped rather than stretched, so the building keeps its shape; the picture is
        // wide enough that usual windows only lose some of its sides.
        const QPixmap scaled
            = m_picture.scaled(w, pictureHeight, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        图片框5->setPixmap(
            scaled.copy((scaled.width() - w) / 2, (scaled.height() - pictureHeight) / 2, w, pictureHeight));
    }

    标识标签->adjustSize();
    标识标签->move(20, std::max(0, pictureTop - 32));

    首页校名标签->adjustSize();
    首页校名标签->move(std::max(10, w - 首页校名标签->width() - 80), pictureHeight - 首页校名标签->height() - 8);

    图片框4->adjustSize();
    const int pictureBottom = pictureTop + pictureHeight;
    图片框4->move(w - 图片框4->width() - 50, pictureBottom + (h - pictureBottom - 图片框4->height()) / 2);
}
