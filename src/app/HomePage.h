#pragma once

#include <QPixmap>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

// Page 0 of the main window: the school's picture with its name, the notice above it and the
// EXIT button below. Its parts are placed in proportion to the page, whatever its size.
class HomePage : public QWidget
{
    Q_OBJECT

public:
    explicit HomePage(QWidget* parent = nullptr);

    void setSchoolTitle(const QString& title);

    QLabel* 首页底色标签;
    QLabel* 图片框5;
    QLabel* 首页校名标签;
    QLabel* 标识标签;
    QFrame* 图片框4;
    QPushButton* 退出图形按钮;

Q_SIGNALS:
    void exitRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeParts();

    QPixmap m_picture;
};
