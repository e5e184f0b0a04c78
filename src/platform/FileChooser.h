#pragma once

#include <QString>

#include <optional>

// The open-file and save-file dialogs.
class FileChooser
{
public:
    virtual ~FileChooser() = default;

    // filter is a Qt name filter such as "图片文件 (*.jpg *.bmp *.gif)"; nothing when cancelled.
    virtual std::optional<QString> openFile(const QString& caption, const QString& filter, const QString& startDir = {})
        = 0;
    virtual std::optional<QString> saveFile(
        const QString& caption, const QString& filter, const QString& startPath = {})
        = 0;
};
