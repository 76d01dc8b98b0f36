// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start/program.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <variant>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/frm_haupt.h"
#include "audio/mixer.h"
#include "audio/sound_director.h"
#include "core/rules.h"
#include "info/help.h"
#include "replay/replay_io.h"
#include "replay/replay_store.h"
#include "sdl/audio_device.h"
#include "ui/frames/clock_driver.h"
#include "ui/frames/frame_loop.h"
#include "ui/frames/stats_probe.h"
#include "ui/host/qt_platform.h"
#include "ui/host/running_game.h"
#include "ui/host/watch_platform.h"
#include "ui/input/fire_toggle.h"
#include "ui/input/mute_key.h"
#include "ui/language/language.h"
#include "ui/input/pad_driver.h"
#include "ui/layers/name_box.h"
#include "ui/layers/settings_layer.h"
#include "ui/replays/list_watch.h"
#include "ui/replays/replay_session.h"
#include "ui/replays/replay_watch.h"
#include "ui/settings/setting_rows.h"
#include "ui/settings/window_settings.h"
#include "ui/start/application.h"
#include "ui/start/command_line.h"
#include "ui/view/game_window.h"

namespace gravok::ui {
namespace {

// Without a sound card the game plays on in silence; it says so once, here.
std::unique_ptr<sdl::AudioDevice> openSound(audio::Mixer& mixer)
{
    std::string why;
    auto device = sdl::AudioDevice::open(mixer, why);
    if (!device)
        std::fprintf(stderr, "gravok: kein Audiogerät, das Spiel läuft ohne Ton (%s)\n", why.c_str());
    return device;
}

// GRAVOK_SOUND_TRACE=1: every request, pause and mute on standard error with the mixer's
// frame count, to line the written samples up with the game (tests, measurements).
void traceSound(audio::SoundDirector& sound)
{
    if (!std::getenv("GRAVOK_SOUND_TRACE"))
        return;
    sound.trace = [](std::string_view what, std::string_view name, std::uint64_t frame) {
        std::fprintf(stderr, "sound-trace %.*s %.*s %llu\n", static_cast<int>(what.size()), what.data(),
                     static_cast<int>(name.size()), name.data(), static_cast<unsigned long long>(frame));
    };
}

// The language the player chose, or the desktop's.
void speakAsChosen(Translations& translations, const WindowSettings& settings)
{
    translations.use(languageOf(LanguageChoice(settings.number(Setting::Language)), processEnvironment()));
}

// A game of platform P in the program's window, with its settings, its sound and the mute
// key: what both ways to run share.
template <typename P>
struct WindowedGame {
    explicit WindowedGame(const CommandLine& line)
    {
        speakAsChosen(translations, settings);
        run.platform.attach(run.game, run.host, window);
        mixer.setVolume(settings.number(Setting::Volume));
        run.platform.attachSound(sound);
        traceSound(sound);
        sound.setMuted(line.mute || settings.flag(Setting::Muted));
        // The pause is looked at after every call into the game and at every request.
        run.host.addAfterCall([this] { sound.update(); });
        run.host.bindings() = settings.bindings();
        muteKey.setKey([this](int key) { return run.host.isActionKey(key, bind::Action::Sound); });
        qApp->installEventFilter(&muteKey);
    }

    RunningGame<P> run;
    WindowSettings settings;
    Translations translations;
    GameWindow window{run.host, run.game.frmHaupt(), &settings};
    // The mixer outlives the device that pulls from it.
    audio::Mixer mixer;
    std::unique_ptr<sdl::AudioDevice> device = openSound(mixer);
    audio::SoundDirector sound{device ? &mixer : nullptr, [this] { return run.game.frmHaupt().Pausiert != 0; }};
    // The name box is a layer of the game window; it types its M into the name.
    MuteKey muteKey{
        [this](const QWidget* w) { return run.host.isGameWindow(w) && !qobject_cast<NameLayer*>(run.host.topLayer()); },
        [this] {
            sound.setMuted(!sound.muted());
            settings.store(Setting::Muted, sound.muted());
        }};
};

// A listed game is shown over the running one, which waits beneath in its list.
void watchFromList(const replay::ReplayLink& link, GameWindow& window, bool smooth)
{
    const auto why = watchListed(link, replay::replayFolder(), window.view(), &window, {}, smooth);
    if (!why)
        return;
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Gravok"),
        QCoreApplication::translate("Gravok", "Dieses Spiel kann nicht gezeigt werden: %1").arg(shown(*why)),
        QMessageBox::Ok, &window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// F3 and the pad's B: the settings over the field, paused as for a new game. While a line
// waits for a pad button, the pad's next button goes to it.
void openSettings(WindowedGame<QtPlatform>& g, FrameLoop& frames, PadDriver& pad, ClockDriver& clock, FireToggle& fire)
{
    GameHost& host = g.run.host;
    const FrmHaupt& haupt = g.run.game.frmHaupt();
    bool fullScreen = g.window.isFullScreen();
    std::vector<SettingRow> rows =
        settingRows({g.mixer, g.sound, frames, g.window, g.settings, g.translations, clock, fire, fullScreen});
    SettingsForm form(rows);
    form.Left = haupt.Left + (haupt.Width - form.Width) / 2;
    form.Top = haupt.Top + (haupt.Height - form.Height) / 2;
    SettingsLayer layer(host, form, g.window.view(), std::move(rows));
    layer.bindingsChanged = [&] { g.settings.setBindings(host.bindings()); };
    layer.waitingForButton = [&](bool on) {
        pad.capture = on ? std::function<void(pad::Button)>([&layer](pad::Button b) { layer.padButton(b); }) : nullptr;
    };
    layer.help = [&] { HilfeOeffnen(g.run.game, "Einstellungen"); };
    struct Release {
        PadDriver& p;
        ~Release() { p.capture = nullptr; }
    } release{pad};
    runSettings(host, layer);
}

} // namespace

int playGame(const CommandLine& line, bool softwareChosenHere)
{
    WindowedGame<QtPlatform> g(line);
    GameHost& host = g.run.host;
    const bool smooth = !line.stepped && g.settings.flag(Setting::Smooth);
    const FrmHaupt& haupt = g.run.game.frmHaupt();
    ClockDriver driver(host, g.run.game.clock);
    FrameLoop frames(g.window.view(), host, [&driver] { return driver.gameNowMs(); });
    // "Feuer: umschalten": Space at a held key's pace until the next press, a pause, a
    // dialog or the game's end.
    FireToggle fire([&host] { host.call([&host] { host.door().key(key::Space); }); },
                    [&host, &haupt] { return !host.topLayer() && haupt.shotsWork(); }, desktopTiming());
    fire.setToggles(g.settings.number(Setting::Fire) == 1);
    host.fireToggle = &fire;
    host.addAfterCall([&fire, &haupt] {
        if (fire.firing() && !haupt.shotsWork())
            fire.stop();
    });
    frames.setSmooth(smooth);
    // The gamepad; GRAVOK_PAD_SCRIPT is the tests' pad, a file of commands (docs/TESTING.md).
    PadDriver pad(host, g.window);
    if (const QString script = qEnvironmentVariable("GRAVOK_PAD_SCRIPT");
        !script.isEmpty() && !pad.followScript(script))
        qWarning("gravok: kein Testpad für %s", qPrintable(script));
    // Every run is recorded from Main on, so that any game can be watched again.
    ReplaySession recording(host);
    driver.speedChanged = [&recording](int percent) { recording.noteSpeed(percent); };
    driver.setSpeed(line.speed.value_or(g.settings.number(Setting::Speed)));
    g.run.platform.watchListed = [&g, smooth](const replay::ReplayLink& link) {
        watchFromList(link, g.window, smooth);
    };
    host.openSettings = [&] { host.call([&] { openSettings(g, frames, pad, driver, fire); }); };
    std::unique_ptr<StatsProbe> probe;
    if (line.stats) {
        probe = std::make_unique<StatsProbe>(g.run.game.clock, g.window.view());
        probe->aheadCounts = [&frames] { return frames.aheadCounts(); };
        probe->start();
    }

    // The field shows behind the start-up dialog, which Main opens from the window's load.
    g.window.showAsRemembered();
    if (softwareChosenHere)
        forgetSoftwareChoice();
    QTimer::singleShot(0, &g.window, [&] {
        driver.start();
        pad.start();
        host.call([&] { host.door().main(); });
    });
    const int status = QApplication::exec();
    host.fireToggle = nullptr;
    // The file names the choice, so a player finds where to make it.
    g.settings.store(Setting::Smooth, g.settings.flag(Setting::Smooth));
    g.window.remember(); // "Ende" leaves without closing the window
    return status;
}

int watchRecording(const CommandLine& line)
{
    const auto text = replay::readReplayText(*line.replay);
    auto parsed = text.index() == 0 ? replay::parseReplay(std::get<0>(text), RulesVersion)
                                    : std::variant<replay::Replay, Message>(std::get<1>(text));
    if (const auto* why = std::get_if<Message>(&parsed)) {
        std::fprintf(stderr, "gravok: %s\n", why->text().c_str());
        const WindowSettings settings;
        Translations translations;
        speakAsChosen(translations, settings);
        QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("Gravok", "Gravok – Wiedergabe"),
                        shown(*why));
        box.setTextFormat(Qt::PlainText);
        endOnQuitKeys(box, [] {});
        box.exec();
        return 2;
    }
    const replay::Replay& recorded = std::get<replay::Replay>(parsed);
    WindowedGame<WatchPlatform> g(line);
    // A recorded run drives the clock and the inputs itself, and is not recorded again.
    ReplayWatch watch(g.run.host, g.run.platform, g.run.game, recorded, line.game, &g.window);
    FrameLoop frames(
        g.window.view(), g.run.host, [&watch] { return watch.gameNowMs(); }, [&watch] { return watch.paused(); });
    frames.setSmooth(!line.stepped && g.settings.flag(Setting::Smooth));
    g.window.centreOnScreen();
    g.window.show();
    QTimer::singleShot(0, &g.window, [&] { watch.start(); });
    return QApplication::exec();
}

} // namespace gravok::ui
