#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace helpview {

// Shows one help file, written in Markdown, in a read-only browser.
class HelpWindow : public QMainWindow {
  public:
    HelpWindow(const QString& fileName, const QString& markdown);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

} // namespace helpview
