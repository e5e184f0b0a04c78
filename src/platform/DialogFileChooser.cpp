#include "platform/DialogFileChooser.h"

#include <QApplication>
#include <QFileDialog>

namespace {

QWidget* owner()
{
    QWidget* widget = QApplication::activeModalWidget();
    return widget ? widget : QApplication::activeWindow();
}

std::optional<QString> chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace

std::optional<QString> DialogFileChooser::openFile(
    const QString& caption, const QString& filter, const QString& startDir)
{
    return chosen(QFileDialog::getOpenFileName(owner(), caption, startDir, filter));
}

std::optional<QString> DialogFileChooser::saveFile(
    const QString& caption, const QString& filter, const QString& startPath)
{
    return chosen(QFileDialog::getSaveFileName(owner(), caption, startPath, filter));
}
