#pragma once

#include <QWidget>
#include <functional>
#include <memory>

// A program's main window started as its main() starts it: made, loaded, shown.
using StartProgram = std::function<std::unique_ptr<QWidget>()>;

template <class MainWindow> std::unique_ptr<QWidget> started() {
    auto window = std::make_unique<MainWindow>();
    window->Form_Load();
    window->show();
    return window;
}
