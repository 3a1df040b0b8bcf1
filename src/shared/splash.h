#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace shared {

// The suite's splash window: no title bar, a thin border around a client area that shows the
// title art unscaled from its top-left corner, clipped, with a notice line over it. It
// centres itself and unloads itself after its interval; nothing else closes it.
class Splash : public QDialog {
    Q_OBJECT
  public:
    // The interval is 5000 ms; tests and benchmarks may shorten it with QUIBLAX_SPLASH_MS.
    static int defaultIntervalMs();

    explicit Splash(int intervalMs = defaultIntervalMs(), QWidget* parent = nullptr);

    // Shows a fresh splash window and returns once it has unloaded itself; it is modal over
    // the program's windows on the screen.
    static void showModal();

    QWidget* client;
    QTimer* Timer1;
    QLabel* Label1;

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Splash_Form_Load();
    void Splash_Timer1_Timer();

    bool loaded_ = false;
    bool unloading_ = false;
};

} // namespace shared
