// The real boxes and dialogs of the Qt services: whose window they are and how they answer.
#include "platform/buttonkeys.h"
#include "platform/services.h"
#include "platform/window.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

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
    // The window manager gives the waiting main window no focus while the message is up.
    EXPECT_TRUE(main.windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);
    // A click on the waiting main window makes it active for a moment; the focus comes back.
    QApplication::setActiveWindow(&main);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&message));
    message.hide();
    EXPECT_FALSE(main.windowHandle()->flags() & Qt::WindowDoesNotAcceptFocus);
    QApplication::setActiveWindow(&main);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
}

TEST(QtServicesKeys, AYesNoBoxAnswersOnlyWithItsButtons) {
    using platform::Answer;
    using platform::Buttons;
    const struct {
        Buttons buttons;
        const char* key;              // what the player does first
        std::optional<Answer> answer; // nullopt: the box stays up
    } rows[] = {
        {Buttons::YesNo, "Esc", std::nullopt},
        {Buttons::YesNo, "close box", std::nullopt},
        {Buttons::YesNoCancel, "Esc", Answer::Cancel},
        {Buttons::OkCancel, "close box", Answer::Cancel},
        {Buttons::Ok, "Esc", Answer::Ok},
    };
    for (const auto& row : rows) {
        bool stayed = false;
        auto poll = std::make_unique<QTimer>();
        QObject::connect(poll.get(), &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            poll->stop();
            if (QString(row.key) == "Esc")
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->windowHandle()->close();
            stayed = box->isVisible();
            if (stayed)
                box->button(QMessageBox::Yes)->click();
        });
        poll->start(5);
        const Answer answer = platform::msgBox("Play again?", row.buttons);
        EXPECT_EQ(stayed, !row.answer) << row.key;
        EXPECT_EQ(answer, row.answer.value_or(Answer::Yes)) << row.key;
    }
}

TEST(QtServicesKeys, EnterPressesTheFocusedButtonInEveryKindOfWindow) {
    platform::enterPressesFocusedButtons(*qApp);
    QWidget window;
    QDialog dialog;
    QMainWindow main;
    main.setCentralWidget(new QWidget);
    for (QWidget* parent : {&window, static_cast<QWidget*>(&dialog), main.centralWidget()}) {
        auto* first = new QPushButton("&First", parent);
        auto* ok = new QPushButton("OK", parent);
        ok->move(0, 40);
        ok->setAutoDefault(false);
        QSignalSpy firstClicks(first, &QPushButton::clicked), okClicks(ok, &QPushButton::clicked);
        parent->window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(parent->window()));
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(okClicks.count(), 2) << parent->metaObject()->className();
        EXPECT_EQ(firstClicks.count(), 0);
        parent->window()->hide();
    }
}

TEST(QtServicesLayout, AMessageBoxIsAsWideAsItsTitleNeedsAndShowsItsWholePrompt) {
    using platform::Buttons;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QString path =
        "/home/player/QUIBLAX/saved-games/the-long-winter-evenings/the-game-of-the-week.squ";
    const struct {
        QString title, prompt;
        Buttons buttons = Buttons::Ok;
    } rows[] = {
        {"Not Now", "x"},
        {"Congratulations", "x"},
        {"A title far longer than its prompt", "x"},
        {"Oops", "The game cannot be read from " + path + "\nIt holds only 30 of the 49."},
        {"Oops", QString("Hangman starts with its usual settings.  ").repeated(9)},
        {"Hangman", path + " already exists!  OverWrite?", Buttons::YesNo},
        {"Oops", "/tmp/" + QString("x").repeated(200) + "/e.squ cannot be read."},
    };
    for (const auto& row : rows) {
        int width = 0;
        bool wholePrompt = false;
        whenShownOver(nullptr, [&](QWidget* box) {
            const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            width = label ? label->width() : 0;
            // Each line, or each word where lines wrap, fits across, and all lines fit down.
            wholePrompt = label && box->rect().contains(label->geometry()) &&
                          label->minimumSizeHint().width() <= label->width() &&
                          label->heightForWidth(label->width()) <= label->height();
        });
        platform::msgBox(row.prompt, row.buttons, platform::Icon::Critical, row.title);
        // The prompt's column alone holds the title beside the title bar's icon and three
        // buttons: a box only that wide in all had its title cut short by the window manager.
        EXPECT_GE(width, metrics.horizontalAdvance(row.title) + 4 * metrics.height())
            << qPrintable(row.title);
        EXPECT_TRUE(wholePrompt) << qPrintable(row.prompt);
    }
}
