#include "platform/titlebar.h"

#include <gtest/gtest.h>

using platform::FrameHints;

TEST(FrameHints, TheTitleBarCarriesTheButtonsTheWindowHasAndNoMore) {
    constexpr unsigned Framed = FrameHints::Border | FrameHints::Title;
    constexpr unsigned Sizable = FrameHints::Resize | FrameHints::Move;
    constexpr unsigned AllButtons =
        FrameHints::Menu | FrameHints::MinimizeButton | FrameHints::MaximizeButton;
    const Qt::WindowFlags titleOnly = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    const Qt::WindowFlags closeOnly = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const Qt::WindowFlags everyButton = Qt::Window | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                        Qt::WindowCloseButtonHint;
    const struct {
        const char* window;
        Qt::WindowFlags flags;
        bool fixed;
        FrameHints hints;
    } rows[] = {
        {"an about box, the special-square message", titleOnly, true, {FrameHints::Move, Framed}},
        {"Nibbolet, Gimbo, a message box",
         closeOnly,
         true,
         {FrameHints::Move | FrameHints::Close, Framed | FrameHints::Menu}},
        {"the suite's about program, Hangman's about box",
         everyButton,
         false,
         {Sizable | FrameHints::Minimize | FrameHints::Maximize | FrameHints::Close,
          Framed | FrameHints::ResizeHandles | AllButtons}},
        {"every button asked of a fixed window: no maximise",
         everyButton,
         true,
         {FrameHints::Move | FrameHints::Minimize | FrameHints::Close,
          Framed | FrameHints::Menu | FrameHints::MinimizeButton}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::frameHints(row.flags, row.fixed), row.hints) << row.window;
}
