// The real boxes and dialogs of the Qt services: whose window they are and how they answer.
#include "platform/services.h"
#include "platform/window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Once a modal window other than `under` is up, hands it to `look` and then rejects it.
void whenShownOver(QWidget* under, std::function<void(QWidget*)> look) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, under, look] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown || shown == under || !shown->isVisible())
            return;
        poll->deleteLater();
        look(shown);
        if (auto* dialog = qobject_cast<QDialog*>(shown))
            dialog->reject();
    });
    poll->start(5);
}

} // namespace

TEST(QtServicesOwner, TheOwnerIsTheWindowThatWaits) {
    QWidget main;
    main.show();
    QDialog modal;
    modal.setModal(true);
    QWidget message; // a window shown without modality while the main window waits
    struct Row {
        const char* situation;
        std::function<void()> arrange;
        QWidget* owner;
    } rows[] = {
        {"the main window active", [] {}, &main},
        {"another program active", [] { QApplication::setActiveWindow(nullptr); }, &main},
        {"a modal dialog open, another program active",
         [&] {
             modal.show();
             QApplication::setActiveWindow(nullptr);
         },
         &modal},
        {"a message waiting over the disabled main window",
         [&] {
             modal.hide();
             message.show();
             main.setEnabled(false);
             QApplication::setActiveWindow(nullptr);
         },
         &message},
    };
    for (const Row& row : rows) {
        row.arrange();
        EXPECT_EQ(platform::ownerWindow(), row.owner) << row.situation;
    }
}

TEST(QtServicesOwner, BoxesAndDialogsBelongToTheModalWindowEvenWhenTheProgramIsNotActive) {
    QWidget main;
    main.setWindowIcon(QIcon(QPixmap(16, 16)));
    main.show();
    QDialog editor(&main);
    editor.setModal(true);
    editor.show();
    const struct {
        const char* what;
        std::function<void()> show;
    } rows[] = {
        {"message box", [] { platform::msgBox("Saved."); }},
        {"input box", [] { platform::inputBox("Your name?"); }},
        {"file dialog", [] { platform::services().fileDialog({}); }},
    };
    for (const auto& row : rows) {
        // As while the paint program has the focus.
        QApplication::setActiveWindow(nullptr);
        QWidget* owner = nullptr;
        whenShownOver(&editor, [&owner](QWidget* box) { owner = box->parentWidget(); });
        row.show();
        EXPECT_EQ(owner, &editor) << row.what;
    }
}

TEST(QtServicesOwner, AnOwnedWindowStaysUsableWhileItsOwnerIsDisabled) {
    QWidget main;
    main.show();
    QWidget message;
    platform::setOwner(&message, &main);
    message.show();
    main.setEnabled(false);
    ASSERT_TRUE(message.windowHandle());
    EXPECT_EQ(message.windowHandle()->transientParent(), main.windowHandle());
    EXPECT_TRUE(message.isEnabled());
}
