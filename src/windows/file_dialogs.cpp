#include "windows/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zx {

namespace {

const QString kFolderKey = QStringLiteral("SavedGames/Folder");

void prepare(QFileDialog& dialog) {
    dialog.setObjectName(QStringLiteral("cdbDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QCoreApplication::translate("zx::FileDialogs", "Zentrix Save File (*.znx)"));
    dialog.setDirectory(savedGamesFolder());
}

}  // namespace

QString savedGamesFolder() {
    // A remembered folder may have gone (a removed stick, a renamed folder).
    const QString remembered = QSettings().value(kFolderKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void rememberSavedGamesFolder(const QString& file) {
    QSettings().setValue(kFolderKey, QFileInfo(file).absolutePath());
}

void prepareSaveDialog(QFileDialog& dialog, const QString& initialPath) {
    prepare(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("znx"));
    // A game that has a file is saved again beside it; a new game's default
    // name goes into the remembered folder.
    const QFileInfo initial(initialPath);
    if (initial.isAbsolute()) dialog.setDirectory(initial.absolutePath());
    dialog.selectFile(initial.isAbsolute() ? initial.fileName() : initialPath);
}

void prepareOpenDialog(QFileDialog& dialog) {
    prepare(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
}

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString file = dialog.selectedFiles().first();
    rememberSavedGamesFolder(file);
    return file;
}

}  // namespace zx
