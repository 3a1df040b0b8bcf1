#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QTimer;

namespace shared {

// The suite's splash window: borderless, the title art drawn unscaled from the top-left
// corner and clipped, a notice line; centres itself and unloads itself after its interval.
class Splash : public QDialog {
    Q_OBJECT
  public:
    // The interval is 5000 ms; tests and benchmarks may shorten it with QUIBLAX_SPLASH_MS.
    static int defaultIntervalMs();

    explicit Splash(int intervalMs = defaultIntervalMs(), QWidget* parent = nullptr);

    // Shows a fresh splash window modally and returns once it has unloaded itself.
    static void showModal();

    QTimer* Timer1;
    QLabel* Label1;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Splash_Form_Load();
    void Splash_Timer1_Timer();

    QPixmap art_;
    bool loaded_ = false;
};

} // namespace shared
