// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pure pieces: the letterbox, the opening size, the window keys, where a
// layer stands, the pacing of real time into game time, the key codes and the command
// line's early answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/form.h"
#include "ui/clock_driver.h"
#include "ui/game_window.h"
#include "ui/key_map.h"
#include "ui/layer.h"
#include "ui/letterbox.h"
#include "ui/start_up.h"

namespace gravok::ui {
namespace {

// The form fills the area's height or width to the device pixel, centred on a whole
// device pixel; what lies at the form's far corner maps back to it.
TEST(Letterbox, FillsTheAreaToTheDevicePixel)
{
    const struct {
        const char* name;
        QSizeF area;
        double dpr, deviceScale;
        QPointF deviceOrigin;
    } rows[] = {
        {"doubled", {1280, 1152}, 1.0, 2.0, {0, 0}},
        {"bars both ways", {1400, 1200}, 1.0, 1200.0 / 576, {33, 0}},
        {"4K at 200 %", {1920, 1080}, 2.0, 3.75, {720, 0}},
        {"odd bar goes down", {1921, 1080}, 1.0, 1.875, {360, 0}},
        {"width limits", {960, 1080}, 1.0, 1.5, {0, 108}},
        {"fractional ratio", {1536, 864}, 1.25, 1.875, {360, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const Letterbox box = fitLetterbox(r.area, QSizeF(640, 576), r.dpr);
        EXPECT_DOUBLE_EQ(box.deviceScale(), r.deviceScale);
        EXPECT_EQ(box.deviceOrigin(), r.deviceOrigin);
        const QPointF far = box.toWidget(QPointF(640, 576));
        EXPECT_TRUE(far.x() <= r.area.width() + 1e-9 && far.y() <= r.area.height() + 1e-9);
        const double slackX = r.area.width() * r.dpr - 640 * r.deviceScale;
        const double slackY = r.area.height() * r.dpr - 576 * r.deviceScale;
        EXPECT_LT(std::min(slackX, slackY), 1.0);
        EXPECT_EQ(box.toForm(far), QPointF(640, 576));
    }
}

// A window never opens larger than the screen's free area.
TEST(Letterbox, TheWindowOpensWithinTheFreeArea)
{
    EXPECT_EQ(openingSize(QSize(640, 576), QSize(1920, 1040)), QSize(640, 576));
    EXPECT_EQ(openingSize(QSize(640, 576), QSize(960, 520)), QSize(577, 520)); // 1080p at 200 %
    EXPECT_EQ(openingSize(QSize(640, 576), QSize(480, 1000)), QSize(480, 432));
}

// F11 and Alt+Enter switch to full screen; Enter alone is the game's.
TEST(WindowKeys, OnlyF11AndAltEnterSwitchToFullScreen)
{
    EXPECT_TRUE(isFullScreenKey(Qt::Key_F11, Qt::NoModifier));
    EXPECT_TRUE(isFullScreenKey(Qt::Key_Return, Qt::AltModifier));
    EXPECT_TRUE(isFullScreenKey(Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier));
    EXPECT_FALSE(isFullScreenKey(Qt::Key_Return, Qt::NoModifier));
    EXPECT_FALSE(isFullScreenKey(Qt::Key_F11, Qt::ShiftModifier));
}

// Twips as the dialogs' handlers set them: Left by the screen's width, Top by the main
// window's height; the dialog is kept inside the main form.
TEST(LayerPlace, CountsFromTheMainWindowAndStaysInside)
{
    const struct {
        const char* name;
        QPointF mainAt, dialogAt;
        QSizeF dialogSize;
        QPointF place; // form pixels in the main form
    } rows[] = {
        {"frmNeu on a 1920 px screen", {9600, 0}, {12135, 2512.5}, {4530, 3615}, {169, 167.5}},
        {"main window moved down", {9600, 1500}, {12135, 4012.5}, {4530, 3615}, {169, 167.5}},
        {"left of the window", {9600, 0}, {0, 2512.5}, {4530, 3615}, {0, 167.5}},
        {"below the window", {0, 0}, {1500, 9000}, {4530, 3615}, {100, 335}},
        {"bigger than the window sits at its corner", {0, 0}, {-300, -300}, {12000, 9000}, {0, 0}},
    };
    for (const auto& r : rows) {
        Form main("frmHaupt");
        main.Width = 9600;
        main.Height = 8640;
        main.Left = static_cast<float>(r.mainAt.x());
        main.Top = static_cast<float>(r.mainAt.y());
        Form dialog("frmTest");
        dialog.Left = static_cast<float>(r.dialogAt.x());
        dialog.Top = static_cast<float>(r.dialogAt.y());
        dialog.Width = static_cast<float>(r.dialogSize.width());
        dialog.Height = static_cast<float>(r.dialogSize.height());
        EXPECT_EQ(layerPlace(dialog, main), r.place) << r.name;
    }
}

// Readings of the real clock in milliseconds; a negative one restarts the pacer there
// (the time behind a dialog is forgotten).
TEST(RealTimePacer, CarriesFractionsCapsStallsAndForgetsHeldTime)
{
    const struct {
        const char* name;
        std::vector<double> readingsMs;
        std::vector<std::int64_t> advances;
    } rows[] = {
        {"fractions carry over", {0.6, 1.2, 1.8, 2.4, 3.0}, {0, 1, 0, 1, 1}},
        {"60 Hz frames add up", {16.7, 33.4, 50.1}, {16, 17, 17}},
        {"a stall is capped", {10, 5010, 5026}, {10, 100, 16}},
        {"the cap is not exceeded", {100.9, 201.8}, {100, 100}},
        {"held time is forgotten", {20, -3000, 3050}, {20, 50}},
    };
    for (const auto& r : rows) {
        RealTimePacer pacer;
        pacer.restart(0);
        std::vector<std::int64_t> got;
        for (const double ms : r.readingsMs)
            if (ms < 0)
                pacer.restart(static_cast<std::int64_t>(-ms * 1e6));
            else
                got.push_back(pacer.take(static_cast<std::int64_t>(ms * 1e6)));
        EXPECT_EQ(got, r.advances) << r.name;
    }
}

// The handlers' own numbers at the ends of each range; the pad's keys go out as Qt keys
// and must come back as the same codes.
TEST(KeyMap, GivesTheHandlersCodesAndTakesThePadsKeysBack)
{
    const std::pair<int, int> rows[] = {
        {Qt::Key_A, 65},     {Qt::Key_Z, 90},      {Qt::Key_0, 48},     {Qt::Key_9, 57},     {Qt::Key_F1, 112},
        {Qt::Key_F12, 123},  {Qt::Key_Left, 37},   {Qt::Key_Down, 40},  {Qt::Key_Space, 32}, {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Shift, -1}, {Qt::Key_F13, -1},
    };
    for (const auto& [qtKey, code] : rows)
        EXPECT_EQ(virtualKey(qtKey).value_or(-1), code) << "Qt key " << qtKey;
    for (const int code : {13, 27, 32, 37, 38, 39, 40, 80, 112, 113, 115}) {
        const auto key = qtKeyFor(code);
        ASSERT_TRUE(key.has_value()) << code;
        EXPECT_EQ(virtualKey(key->key), code);
    }
    EXPECT_FALSE(qtKeyFor(65).has_value());
}

// Help and version are answered before any window; anything else starts the game.
TEST(StartUp, EarlyAnswers)
{
    const std::string help = "Aufruf: gravok", version = "Gravok " GRAVOK_VERSION "\n";
    const struct {
        std::vector<std::string> args;
        std::string starts; // empty: no early answer, the window starts
    } rows[] = {
        {{}, ""},
        {{"-platform", "offscreen"}, ""},
        {{"--help"}, help},
        {{"--stats", "-h"}, help},
        {{"-?"}, help},
        {{"-v"}, version},
        {{"--version", "--help"}, version},
        {{"--", "--help"}, ""},
    };
    for (const auto& r : rows) {
        std::vector<std::string> argv{"gravok"};
        argv.insert(argv.end(), r.args.begin(), r.args.end());
        const auto answer = earlyAnswer(argv);
        ASSERT_EQ(answer.has_value(), !r.starts.empty()) << argv.back();
        EXPECT_EQ(answer.value_or("").rfind(r.starts, 0), 0u) << argv.back();
    }
}

} // namespace
} // namespace gravok::ui
