#pragma once

#include "aboutlayout.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPointer>

class QPushButton;

namespace shared {

// The icon picture of an about window: a focusable picture box.
class IconPicture : public QLabel {
  public:
    IconPicture(const QPixmap& icon, QWidget* parent);
};

// A horizontal rule drawn as a line control.
class RuleLine : public QWidget {
  public:
    RuleLine(QLine twips, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A game's about box, laid out by its row of the about-box table.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(const AboutLayout& layout, const QPixmap& icon, QWidget* parent = nullptr);

    const AboutLayout& layout() const { return layout_; }
    IconPicture* Picture1;
    QLabel* titleLabel;
    QLabel* noticeLabel;
    QPushButton* Command1;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void Form_Activate();
    void Command1_Click();

    const AboutLayout& layout_;
    bool loaded_ = false;
};

// Shows a game's about box modally: a fresh, centred box each time, or, where OK only hides
// the box, the same box again where it was left.
class AboutBoxHost {
  public:
    AboutBoxHost(AboutGame game, QPixmap icon, QWidget* parent);
    ~AboutBoxHost();
    void showModal();
    // The loaded box of the hiding kind, or nullptr.
    AboutBox* loaded() const { return kept_; }

  private:
    const AboutLayout& layout_;
    QPixmap icon_;
    QWidget* parent_;
    QPointer<AboutBox> kept_;
};

} // namespace shared
