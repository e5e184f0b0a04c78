#pragma once

#include <QWidget>

class QTextBrowser;

// 使用手册 inside the program, for a desktop without a web browser.
class ManualWindow : public QWidget
{
    Q_OBJECT

public:
    // path: the HTML manual; the pictures it names are found beside it.
    explicit ManualWindow(const QString& path, QWidget* parent = nullptr);

    QTextBrowser* 手册浏览框;
};
