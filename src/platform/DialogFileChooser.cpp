#include "platform/DialogFileChooser.h"

#include "platform/FileDialogModel.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

QWidget* owner()
{
    QWidget* widget = QApplication::activeModalWidget();
    return widget ? widget : QApplication::activeWindow();
}

std::optional<QString> run(QFileDialog& dialog)
{
    // Qt's own dialog (no native one on this desktop) gets Chinese dates and room to show them.
    if (dialog.testOption(QFileDialog::DontUseNativeDialog) || !dialog.findChildren<QTreeView*>().isEmpty()) {
        dialog.setProxyModel(new FileDialogModel(&dialog));
        dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 460)));
        if (auto* view = dialog.findChild<QTreeView*>(u"treeView"_s)) {
            const int date = view->fontMetrics().horizontalAdvance(u"2026/12/31 23:59"_s) + 24;
            view->header()->resizeSection(FileDialogModel::NameColumn, 300);
            view->header()->resizeSection(FileDialogModel::DateColumn, date);
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> DialogFileChooser::openFile(
    const QString& caption, const QString& filter, const QString& startDir)
{
    QFileDialog dialog(owner(), caption, startDir, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return run(dialog);
}

std::optional<QString> DialogFileChooser::saveFile(
    const QString& caption, const QString& filter, const QString& startPath)
{
    QFileDialog dialog(owner(), caption, startPath, filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without a suffix gets the one of the kind chosen in the dialog (and the question
    // about replacing a file is then asked about the right name).
    const auto suffixOf = [](const QString& nameFilter) {
        static const QRegularExpression pattern(u"\\*\\.(\\w+)"_s);
        return pattern.match(nameFilter).captured(1);
    };
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString& nameFilter) { dialog.setDefaultSuffix(suffixOf(nameFilter)); });
    return run(dialog);
}
