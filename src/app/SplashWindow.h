#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

// Shown while the main window is created. Its clock keeps it up for a minimum time and until the
// main window reports that its creation has finished; then it asks for the login window.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    // mainWindowTitle reads the main window's title at every tick.
    explicit SplashWindow(std::function<QString()> mainWindowTitle, QWidget* parent = nullptr);

    int ticks() const { return m_ticks; }

    QLabel* 提示标签;
    QLabel* 进度标签;
    QTimer* 启动时钟;

public Q_SLOTS:
    void tick();

Q_SIGNALS:
    void loginDue();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QString()> m_mainWindowTitle;
    QPixmap m_background;
    int m_ticks = 0;
};
