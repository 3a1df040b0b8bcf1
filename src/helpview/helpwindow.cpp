#include "helpwindow.h"

#include <QFileInfo>
#include <QTextBrowser>

namespace helpview {

HelpWindow::HelpWindow(const QString& fileName, const QString& markdown) {
    setWindowTitle(QFileInfo(fileName).completeBaseName() + " - Help");
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    browser_->setMarkdown(markdown);
    setCentralWidget(browser_);
    resize(560, 480);
}

} // namespace helpview
