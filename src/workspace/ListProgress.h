#pragma once

class QProgressBar;

// 进度条1 while a long list loads: shown at 0, one step per row (back to 0 past its end), hidden
// again when the object goes.
class ListProgress
{
public:
    explicit ListProgress(QProgressBar* bar);
    ~ListProgress();
    ListProgress(const ListProgress&) = delete;
    ListProgress& operator=(const ListProgress&) = delete;

    void step();

private:
    QProgressBar* m_bar;
};
