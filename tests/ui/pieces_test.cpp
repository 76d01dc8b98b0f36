// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's pure pieces: the letterbox and the opening size, and where a layer
// stands. F11, 1.875 at full HD, 3.75 at 4K and 200 %, the tick rate and the pad's keys
// in the real window: the e2e scripts.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/bindings.h"
#include "core/drawn_place.h"
#include "core/form.h"
#include "core/real_time_pacer.h"
#include "ui/layers/layer.h"
#include "ui/language/language.h"
#include "ui/settings/settings_keys.h"
#include "ui/settings/window_settings.h"
#include "ui/start/command_line.h"
#include "ui/view/game_window.h"
#include "ui/view/letterbox.h"

namespace gravok::ui {
namespace {

// The form fills the area's height or width to the device pixel, centred on a whole
// device pixel; what lies at the form's far corner maps back to it. A window never opens
// larger than the screen's free area; Alt+Enter switches to full screen as F11 does.
TEST(Letterbox, FillsTheAreaToTheDevicePixel)
{
    const std::tuple<const char*, QSizeF, double, double, QPointF> rows[] = {
        {"bars both ways", {1400, 1200}, 1.0, 1200.0 / 576, {33, 0}},
        {"odd bar goes down", {1921, 1080}, 1.0, 1.875, {360, 0}},
        {"width limits", {960, 1080}, 1.0, 1.5, {0, 108}},
        {"fractional ratio", {1536, 864}, 1.25, 1.875, {360, 0}},
    };
    for (const auto& [name, area, dpr, deviceScale, deviceOrigin] : rows) {
        const Letterbox box = fitLetterbox(area, QSizeF(640, 576), dpr);
        EXPECT_DOUBLE_EQ(box.deviceScale(), deviceScale) << name;
        EXPECT_EQ(box.deviceOrigin(), deviceOrigin) << name;
        EXPECT_EQ(box.toForm(box.toWidget(QPointF(640, 576))), QPointF(640, 576)) << name;
    }
    EXPECT_EQ(openingSize(QSize(640, 576), QSize(1920, 1040)), QSize(640, 576));
    EXPECT_EQ(openingSize(QSize(640, 576), QSize(960, 520)), QSize(577, 520)); // 1080p at 200 %
    EXPECT_EQ(openingSize(QSize(640, 576), QSize(480, 1000)), QSize(480, 432));
    EXPECT_TRUE(isFullScreenKey(Qt::Key_Return, Qt::AltModifier));
    EXPECT_TRUE(isFullScreenKey(Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier));
    EXPECT_FALSE(isFullScreenKey(Qt::Key_F11, Qt::ShiftModifier));
}

// Twips as the dialogs' handlers set them: Left by the screen's width, Top by the main
// window's height; the dialog is kept inside the main form (form pixels).
TEST(LayerPlace, CountsFromTheMainWindowAndStaysInside)
{
    // Main window's Left and Top, the dialog's Left, Top, Width and Height; its place.
    const std::tuple<const char*, float, float, float, float, float, float, QPointF> rows[] = {
        {"frmNeu, main window moved down", 9600, 1500, 12135, 4012.5, 4530, 3615, {169, 167.5}},
        {"left of the window", 9600, 0, 0, 2512.5, 4530, 3615, {0, 167.5}},
        {"below the window", 0, 0, 1500, 9000, 4530, 3615, {100, 335}},
        {"bigger than the window sits at its corner", 0, 0, -300, -300, 12000, 9000, {0, 0}},
    };
    for (const auto& [name, mainLeft, mainTop, left, top, width, height, place] : rows) {
        Form main("frmHaupt");
        main.Width = 9600;
        main.Height = 8640;
        main.Left = mainLeft;
        main.Top = mainTop;
        Form dialog("frmTest");
        dialog.Left = left;
        dialog.Top = top;
        dialog.Width = width;
        dialog.Height = height;
        EXPECT_EQ(layerPlace(dialog, main), place) << name;
    }
}

// Between two ticks a picture slides from where the model has it toward its next place,
// the short way round the field, and reaches exactly where a stepped frame draws that
// place; a move it cannot make in one tick, or one that starts or ends a flight, waits
// for the tick where it stands. An input half way turns it without a jump.
TEST(DrawnAhead, SlidesTheShortWayRoundOrWaits)
{
    const Field field{9600, 7200};
    const Mover gravok{480, 480, 100, true}, shuttle{855, 855, 200, true}, shot{135, 135, 300, false},
        heart{270, 270, 0, false};
    struct Row {
        const char* name;
        TickPlace now, next;
        Mover mover;
        double fraction;
        DrawnPoint drawn;
    };
    const Row rows[] = {
        {"straight, at the tick", {1500, 1500, true}, {1590, 1560, true}, gravok, 0, {100, 100}},
        {"straight, half way", {1500, 1500, true}, {1590, 1560, true}, gravok, 0.5, {103, 102}},
        {"straight, next tick", {1500, 1500, true}, {1590, 1560, true}, gravok, 1, {106, 104}},
        {"out at the right", {9570, 1500, true}, {-480, 1500, true}, gravok, 0.5, {639, 100}},
        {"wrapped at the next tick", {9570, 1500, true}, {-480, 1500, true}, gravok, 1, {-32, 100}},
        {"over the seam", {9590, 1500, true}, {-470, 1500, true}, gravok, 0.75, {-31.5, 100}},
        {"out at the left", {-450, 1500, true}, {9600, 1500, true}, gravok, 0.5, {-31, 100}},
        {"out at the bottom", {3000, 7100, true}, {3000, -855, true}, shuttle, 0.5, {200, 476.5}},
        {"out at the top", {3000, -800, true}, {3000, 7200, true}, shuttle, 0.5, {200, -55}},
        {"through a corner", {9570, 7150, true}, {-480, -480, true}, gravok, 0.5, {639, 478.5}},
        {"one largest step", {3000, 3000, true}, {3300, 3300, true}, shot, 0.5, {210, 210}},
        {"a twip more", {3000, 3000, true}, {3301, 3000, true}, shot, 0.5, {200, 200}},
        {"shuttle knocked", {3000, 3000, true}, {3000, 2790, true}, shuttle, 0.5, {200, 200}},
        {"shot launched", {9650, 3000, false}, {9500, 3000, true}, shot, 0.5, {643, 200}},
        {"shot freed", {9500, 3000, true}, {9800, 3000, false}, shot, 0.5, {633, 200}},
        {"gravok placed", {3000, 3000, false}, {3050, 3000, true}, gravok, 0.5, {200, 200}},
        {"heart parked", {600, -2500, true}, {600, -2500, true}, heart, 0.5, {40, -167}},
        {"heart collected", {3000, 3000, true}, {3000, -2500, true}, heart, 0.5, {200, 200}},
        {"hidden at the tick", {3000, 3000, true}, {3090, 3000, false}, gravok, 0.5, {200, 200}},
    };
    for (const Row& r : rows) {
        const DrawnPoint p = drawnOn(wayAhead(r.now, r.next, r.mover, field), r.fraction);
        EXPECT_DOUBLE_EQ(p.x, r.drawn.x) << r.name;
        EXPECT_DOUBLE_EQ(p.y, r.drawn.y) << r.name;
    }

    // A turn half way over the seam: on from where it stands, to the new next place.
    const TickPlace now{9570, 1500, true}, before{-480, 1500, true}, after{-450, 1590, true};
    const Way way = wayAhead(now, before, gravok, field);
    const Way turned = reaimed(way, 0.5, now, after, gravok, field);
    EXPECT_EQ(drawnOn(turned, 0.5), drawnOn(way, 0.5));
    EXPECT_EQ(drawnOn(turned, 0.75), (DrawnPoint{-31.5, 103}));
    EXPECT_EQ(drawnOn(turned, 1), (DrawnPoint{-30, 106}));
    // Turned toward a place it cannot reach in time, it waits where it stands.
    const Way stuck = reaimed(way, 0.5, now, {3000, 3000, true}, gravok, field);
    EXPECT_EQ(drawnOn(stuck, 0.9), drawnOn(way, 0.5));
}

} // namespace
} // namespace gravok::ui

namespace gravok::ui {
namespace {

std::string fileText(const std::string& path)
{
    std::ifstream in(std::string(GRAVOK_SOURCE_DIR) + "/" + path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The man page's OPTIONS: the options each .TP entry names, as "--name" (roff's \- undone).
std::set<std::string> manPageOptions()
{
    const std::string page = fileText("packaging/gravok.6.in");
    const auto from = page.find(".SH OPTIONS");
    const auto to = page.find(".SH ", from + 1);
    std::istringstream section(page.substr(from, to - from));
    std::set<std::string> names;
    bool entry = false;
    for (std::string line; std::getline(section, line); entry = line == ".TP") {
        if (!entry)
            continue;
        for (std::size_t at = 0; (at = line.find("\\-\\-", at)) != std::string::npos; at += 4) {
            std::size_t end = at + 4;
            while (end < line.size() && std::isalpha(static_cast<unsigned char>(line[end])))
                ++end;
            names.insert("--" + line.substr(at + 4, end - at - 4));
        }
    }
    return names;
}

// Each option is told once, in one table: --help prints every one of them in its own
// words, the man page's OPTIONS and the README name exactly those, and the README names
// every key of gravok.conf, the bindings' too.
TEST(OneTable, OptionsAndSettingsAgreeWithTheirPages)
{
    const std::string help = *earlyAnswer({"gravok", "--help"});
    const std::string readme = fileText("README.md");
    std::set<std::string> table;
    for (const CommandOption& o : commandOptions()) {
        const std::string name = std::string("--") + o.name;
        table.insert(name);
        EXPECT_NE(help.find(name), std::string::npos) << name;
        EXPECT_NE(help.find(o.help[0]), std::string::npos) << name;
        EXPECT_NE(readme.find("`" + name), std::string::npos) << name << " in the README";
    }
    EXPECT_EQ(manPageOptions(), table);
    EXPECT_NE(help.find("\n  --stats         Gibt"), std::string::npos) << "the options' column";
    const auto line = [](const QStringList& args) { return readCommandLine(QStringList{"gravok"} + args); };
    EXPECT_TRUE(line({"--stats", "--stepped"})->stats && !line({"--stepped"})->mute);
    EXPECT_EQ(line({"--replay", "r.txt", "--game", "3"})->game, 3);
    EXPECT_EQ(line({"--replay", "r.txt"})->replay, "r.txt");
    EXPECT_FALSE(line({"--game", "0"}) || line({"--game", "x"}));
    for (const int speed : {50, 60, 70, 80, 90, 100})
        EXPECT_EQ(line({"--speed", QString::number(speed)})->speed, speed);
    for (const char* bad : {"40", "55", "110", "0", "x", ""})
        EXPECT_FALSE(line({"--speed", bad})) << bad;
    EXPECT_EQ(line({})->speed, std::nullopt);
    EXPECT_EQ(earlyAnswer({"gravok", "--stats"}), std::nullopt);
    EXPECT_EQ(earlyAnswer({"gravok", "--", "--help"}), std::nullopt);

    std::vector<std::string> keys;
    for (const SettingKey& k : settingKeys())
        keys.emplace_back(k.name);
    for (const auto& [key, value] : bind::Bindings().stored())
        keys.push_back(key);
    for (const std::string& key : keys)
        EXPECT_NE(readme.find(key), std::string::npos) << key << " in the README";
}

// The assists as gravok.conf keeps them: each step of the speed, and anything else back to
// full speed; fire "hold" unless it says "toggle".
TEST(Settings, AssistsReadBackOrFallToTheirDefaults)
{
    const std::pair<const char*, int> speeds[] = {{"50", 50},  {"60", 60},   {"70", 70},  {"80", 80},
                                                  {"90", 90},  {"100", 100}, {"40", 100}, {"110", 100},
                                                  {"55", 100}, {"x", 100},   {"", 100},   {"-50", 100}};
    const std::pair<const char*, int> fire[] = {{"toggle", 1}, {"hold", 0}, {"Toggle", 0}, {"1", 0}};
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("gravok.conf"));
    const auto read = [&file](const std::string& text, Setting setting) {
        std::ofstream(file.toStdString()) << text;
        return WindowSettings(file).number(setting);
    };
    for (const auto& [text, speed] : speeds)
        EXPECT_EQ(read(std::string("[game]\nspeed=") + text + "\n", Setting::Speed), speed) << text;
    for (const auto& [text, toggles] : fire)
        EXPECT_EQ(read(std::string("[input]\nfire=") + text + "\n", Setting::Fire), toggles) << text;
    EXPECT_EQ(read("", Setting::Speed), 100);
}

// Real time becomes whole milliseconds of game time at the rate asked for; the part of a
// millisecond left is carried, a stall gives at most the largest step.
TEST(RealTimePacer, CarriesTheRestAndCapsAStall)
{
    constexpr std::int64_t Ms = 1'000'000;
    struct Row {
        const char* name;
        RealTimePacer::Rate rate;
        std::vector<std::int64_t> readingsNs;
        std::vector<std::int64_t> takenMs;
    };
    const Row rows[] = {
        {"whole and parts", {1, 1}, {Ms / 2, Ms, 3 * Ms + Ms / 2}, {0, 1, 2}},
        {"a stall", {1, 1}, {Ms / 2, 500 * Ms, 500 * Ms + Ms / 2}, {0, 100, 0}},
        {"four times as fast", {4, 1}, {Ms / 2, 10 * Ms, 1000 * Ms}, {2, 38, 400}},
        {"half as fast", {1, 2}, {Ms, 3 * Ms, 4 * Ms}, {0, 1, 1}},
        {"the game at 60 %", {60, 100}, {50 * Ms, 100 * Ms, 150 * Ms, 1000 * Ms}, {30, 30, 30, 60}},
    };
    for (const Row& r : rows) {
        RealTimePacer pacer;
        pacer.setRate(r.rate, 0);
        std::vector<std::int64_t> taken;
        for (const std::int64_t at : r.readingsNs)
            taken.push_back(pacer.take(at));
        EXPECT_EQ(taken, r.takenMs) << r.name;
    }
}

} // namespace
} // namespace gravok::ui

namespace gravok::ui {
namespace {

// "Automatisch" as Qt's locale reads the desktop: LANGUAGE's list where a locale is set,
// then LC_ALL, LC_MESSAGES, LANG; German for C, POSIX and what has no catalogue.
TEST(Language, FollowsTheDesktopsVariables)
{
    struct Row {
        const char* name;
        std::map<std::string, std::string> env;
        Language language;
    };
    const Row rows[] = {
        {"nothing set", {}, Language::German},
        {"English LANG", {{"LANG", "en_US.UTF-8"}}, Language::English},
        {"German LANG", {{"LANG", "de_DE.UTF-8"}}, Language::German},
        {"C", {{"LANG", "C"}}, Language::German},
        {"POSIX", {{"LC_ALL", "POSIX"}, {"LANG", "en_GB"}}, Language::German},
        {"no catalogue", {{"LANG", "fr_FR.UTF-8"}}, Language::German},
        {"LC_ALL before LANG", {{"LC_ALL", "en_GB.UTF-8"}, {"LANG", "de_DE"}}, Language::English},
        {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "de_AT@euro"}, {"LANG", "en_US"}}, Language::German},
        {"LANGUAGE's first we have", {{"LANGUAGE", "fr:en:de"}, {"LANG", "fr_FR"}}, Language::English},
        {"LANGUAGE ignored under C", {{"LANGUAGE", "en"}, {"LANG", "C.UTF-8"}}, Language::German},
        {"LANGUAGE with none of ours", {{"LANGUAGE", "fr:it"}, {"LANG", "en_US"}}, Language::English},
    };
    for (const Row& r : rows) {
        const Environment env = [&r](const char* name) -> std::optional<std::string> {
            const auto it = r.env.find(name);
            return it == r.env.end() ? std::nullopt : std::optional(it->second);
        };
        EXPECT_EQ(desktopLanguage(env), r.language) << r.name;
        EXPECT_EQ(languageOf(LanguageChoice::German, env), Language::German) << r.name;
        EXPECT_EQ(languageOf(LanguageChoice::English, env), Language::English) << r.name;
    }
}

} // namespace
} // namespace gravok::ui
