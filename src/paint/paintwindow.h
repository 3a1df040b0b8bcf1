#pragma once

#include "drawing.h"

#include <QMainWindow>

class QActionGroup;

namespace paint {

class Canvas;

// The paint program's window: the picture, the tools, the colour palette, Save and Exit.
class PaintWindow : public QMainWindow {
    Q_OBJECT
  public:
    // path: where Save writes; picture: what it starts with.
    PaintWindow(const QString& path, const QImage& picture);

    Canvas* canvas() const { return canvas_; }
    bool modified() const { return modified_; }
    QAction* toolAction(Tool tool) const;
    QAction* SaveItem;
    QAction* ExitItem;
    QList<QWidget*> paletteButtons;

    // Writes the picture in the format the file's name says; on failure says so, returns false.
    bool save();

    // The title for a file: its name with a capital first letter, as in "Pelmtemp.bmp - Paint".
    static QString titleFor(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildTools();
    void buildPalette();
    void chooseColour(const QColor& colour);

    QString path_;
    Canvas* canvas_;
    QActionGroup* tools_;
    QWidget* currentColour_;
    bool modified_ = false;
};

} // namespace paint
