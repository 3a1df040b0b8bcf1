#pragma once

#include "platform/commondialog.h"
#include "shared/textfile.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pelmora::editor {

// The puzzle editor: a solution and a picture, saved as a puzzle file with its bitmap beside
// it; the picture is drawn in the paint program.
class Form3 : public QDialog {
    Q_OBJECT
  public:
    // EditState values.
    static constexpr int Clean = 0;
    static constexpr int Modified = 1;
    static constexpr int Painting = 2;
    static constexpr int AskedToSave = 3;
    static constexpr int SaveNotDone = 4;

    explicit Form3(QWidget* parent = nullptr);

    void Form_Load();
    void Text1_Change();
    void Command1_Click(); // Save
    void Command2_Click(); // Close
    void Command3_Click(); // Load
    void Command4_Click(); // P Brush
    void Command5_Click(); // Clear

    // The picture the box shows and Save writes.
    const QImage& picture() const { return picture_; }

    int EditState = Clean;
    QLabel* Picture1;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    platform::CommonDialog CMDialog1;

    // How long the paint program may take to open its window, and how often it is asked.
    int paintOpenTimeoutMs = 30000;
    int paintPollMs = 100;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void showPicture(const QImage& picture);
    // Asks the save question; false when the user wanted a save that did not take place.
    bool saveQuestionAllowsGoingOn(const QString& question);
    // Runs the puzzle dialog; the chosen path, or empty when cancelled.
    QString choosePuzzleFile(const QString& title, int action);
    // Writes the puzzle file and then its picture, putting the old puzzle file back when the
    // picture fails; on failure problem says why and whether the files are as they were.
    bool writePuzzle(const QString& puzzlePath, const QString& picturePath, QString* problem);
    void refuseWhilePainting(const QString& title);
    void unload();
    bool paintWindowExists() const;

    QImage picture_;
    shared::TextEncoding encoding_ = shared::TextEncoding::SingleByte; // of the puzzle loaded
    bool unloaded_ = false;
};

} // namespace pelmora::editor
