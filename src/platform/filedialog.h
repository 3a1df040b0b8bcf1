#pragma once

#include "services.h"

#include <QFileDialog>
#include <optional>

class QLineEdit;

namespace platform {

// The Open / Save As dialog on the screen: Qt's own dialog, the same on every desktop, whose
// name box works as the described one does. A typed name that no file has exactly is found
// ignoring case (Open); the default extension goes only on a name that has none and names no
// file; a wildcard in the last part of a name that names no file filters the list.
class FileDialog : public QFileDialog {
  public:
    FileDialog(const FileDialogRequest& request, QWidget* owner);
    // The chosen full path, once the dialog has been accepted.
    const QString& chosen() const { return chosen_; }

  protected:
    void accept() override;

  private:
    QLineEdit* nameBox() const;
    // The name box's text as one path, relative to the folder shown.
    QString typedPath() const;
    void followNameBox();
    bool folderPicked() const;
    void filterBy(const QFileInfo& typed);

    FileDialogRequest request_;
    QString chosen_;
};

// Runs the dialog modally: the chosen full path, or nullopt when the user cancels.
std::optional<QString> runFileDialog(const FileDialogRequest& request, QWidget* owner);

} // namespace platform
