#pragma once

#include "platform/FileChooser.h"

// The desktop's open-file and save-file dialogs.
class DialogFileChooser : public FileChooser
{
public:
    std::optional<QString> openFile(const QString& caption, const QString& filter, const QString& startDir) override;
    std::optional<QString> saveFile(const QString& caption, const QString& filter, const QString& startPath) override;
};
