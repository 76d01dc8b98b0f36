// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Gravok: the desktop program. The game itself lives in the core; this only sets up
// the window, the desktop services and the clock, then runs the game's Main.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "audio/mixer.h"
#include "audio/sound_director.h"
#include "core/rules.h"
#include "info/help.h"
#include "replay/replay_io.h"
#include "replay/replay_store.h"
#include "sdl/audio_device.h"
#include "ui/clock_driver.h"
#include "ui/frame_loop.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/list_watch.h"
#include "ui/name_box.h"
#include "ui/pad_driver.h"
#include "ui/qt_platform.h"
#include "ui/replay_session.h"
#include "ui/replay_watch.h"
#include "ui/settings_layer.h"
#include "ui/sound_keys.h"
#include "ui/start_up.h"
#include "ui/stats_probe.h"
#include "ui/window_settings.h"

namespace {

QtMessageHandler qtMessages = nullptr;

// Our own choice below makes the Wayland platform say that it found no buffer
// integration by that name; that is what we asked for, so the two lines are dropped.
void quietAboutBuffers(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "qt.qpa.wayland") == 0 &&
        message.contains(QLatin1String("client buffer integration")))
        return;
    if (qtMessages)
        qtMessages(type, context, message);
}

// The game paints in software: under Wayland it needs no GL stack (which would take some
// 50 MB of resident memory for nothing), so the shared-memory buffers alone are used,
// unless someone chose otherwise.
bool paintInSoftware()
{
    if (qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        return false;
    qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
    qtMessages = qInstallMessageHandler(quietAboutBuffers);
    return true;
}

} // namespace

namespace {

// Without a sound card the game plays on in silence; it says so once, here.
std::unique_ptr<gravok::sdl::AudioDevice> openSound(gravok::audio::Mixer& mixer)
{
    std::string why;
    auto device = gravok::sdl::AudioDevice::open(mixer, why);
    if (!device)
        std::fprintf(stderr, "gravok: kein Audiogerät, das Spiel läuft ohne Ton (%s)\n", why.c_str());
    return device;
}

// GRAVOK_SOUND_TRACE=1: every request, pause and mute on standard error with the mixer's
// frame count, to line the written samples up with the game (tests, measurements).
void traceSound(gravok::audio::SoundDirector& sound)
{
    if (!std::getenv("GRAVOK_SOUND_TRACE"))
        return;
    sound.trace = [](std::string_view what, std::string_view name, std::uint64_t frame) {
        std::fprintf(stderr, "sound-trace %.*s %.*s %llu\n", static_cast<int>(what.size()), what.data(),
                     static_cast<int>(name.size()), name.data(), static_cast<unsigned long long>(frame));
    };
}

// The settings' rows (volume, sound, smooth motion, full screen), each read from where it
// lives and kept in gravok.conf as it changes; FULL_SCREEN is the window's state as the
// layer opened.
std::array<gravok::ui::SettingRow, gravok::ui::SettingsForm::Rows>
settingRows(gravok::audio::Mixer& mixer, gravok::audio::SoundDirector& sound, gravok::ui::FrameLoop& frames,
            gravok::ui::GameWindow& window, gravok::ui::WindowSettings& settings, bool& fullScreen)
{
    return {{{100, 10, [&] { return mixer.volume(); },
              [&](int v) {
                  mixer.setVolume(v);
                  gravok::ui::storeVolume(settings, v);
              }},
             {1, 1, [&] { return sound.muted() ? 0 : 1; },
              [&](int v) {
                  sound.setMuted(v == 0);
                  gravok::ui::storeMute(settings, sound.muted());
              }},
             {1, 1, [&] { return frames.smooth() ? 1 : 0; },
              [&](int v) {
                  frames.setSmooth(v != 0);
                  gravok::ui::storeSmooth(settings, v != 0);
              }},
             {1, 1, [&] { return fullScreen ? 1 : 0; },
              [&](int v) {
                  if ((v != 0) != fullScreen)
                      window.toggleFullScreen();
                  fullScreen = v != 0;
              }}}};
}

} // namespace

int main(int argc, char** argv)
{
    // Before the toolkit: without a display, QApplication would abort.
    if (const auto answer = gravok::ui::earlyAnswer(std::vector<std::string>(argv, argv + argc))) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    const bool chosenHere = paintInSoftware();
    QApplication app(argc, argv);
    gravok::ui::loadQtGerman(app);
    QApplication::setApplicationName(QStringLiteral("Gravok"));
    QApplication::setApplicationVersion(QStringLiteral(GRAVOK_VERSION));
#ifdef GRAVOK_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(GRAVOK_APP_ID));
#endif

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Gravok – ein Arcade-Spiel"));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption stats(QStringLiteral("stats"),
                                   QStringLiteral("Gibt jede Sekunde Ticks, Bilder, CPU-Zeit und Speicher aus."));
    options.addOption(stats);
    const QCommandLineOption mute(QStringLiteral("mute"),
                                  QStringLiteral("Startet ohne Ton (M schaltet ihn ein und aus)."));
    options.addOption(mute);
    const QCommandLineOption stepped(QStringLiteral("stepped"),
                                     QStringLiteral("Zeigt das Spiel in Schritten statt in flüssiger Bewegung."));
    options.addOption(stepped);
    const QCommandLineOption replayFile(QStringLiteral("replay"),
                                        QStringLiteral("Zeigt ein aufgezeichnetes Spiel: P hält an, Escape beendet, "
                                                       "die Rechts-Taste spult gedrückt vierfach vor."),
                                        QStringLiteral("DATEI"));
    const QCommandLineOption firstGame(QStringLiteral("game"),
                                       QStringLiteral("Beginnt die Wiedergabe mit dem K-ten Spiel der Aufzeichnung."),
                                       QStringLiteral("K"), QStringLiteral("1"));
    options.addOption(replayFile);
    options.addOption(firstGame);
    options.process(app);

    std::optional<gravok::replay::Replay> watched;
    if (options.isSet(replayFile)) {
        const auto text = gravok::replay::readReplayText(options.value(replayFile).toStdString());
        auto parsed = text.index() == 0 ? gravok::replay::parseReplay(std::get<0>(text), gravok::RulesVersion)
                                        : std::variant<gravok::replay::Replay, std::string>(std::get<1>(text));
        if (const auto* why = std::get_if<std::string>(&parsed)) {
            std::fprintf(stderr, "gravok: %s\n", why->c_str());
            QMessageBox box(QMessageBox::Critical, QStringLiteral("Gravok – Wiedergabe"), QString::fromStdString(*why));
            box.setTextFormat(Qt::PlainText);
            gravok::ui::endOnQuitKeys(box, [] {});
            box.exec();
            return 2;
        }
        watched = std::move(std::get<gravok::replay::Replay>(parsed));
    }
    bool gameNumberOk = false;
    const int gameNumber = options.value(firstGame).toInt(&gameNumberOk);
    if (!gameNumberOk || gameNumber < 1) {
        std::fprintf(stderr, "gravok: --game braucht eine Zahl ab 1\n");
        return 2;
    }

    gravok::ui::QtPlatform platform;
    gravok::Game game(platform);
    gravok::ui::GameHost host(game);
    gravok::ui::WindowSettings settings;
    gravok::ui::GameWindow window(host, game.frmHaupt(), &settings);
    platform.attach(game, host, window);
    const bool smooth = !options.isSet(stepped) && gravok::ui::storedSmooth(settings);

    // Sound: the mixer outlives the device that pulls from it; the pause is looked at
    // after every call into the game and at every request.
    gravok::audio::Mixer mixer;
    mixer.setVolume(gravok::ui::storedVolume(settings));
    const auto device = openSound(mixer);
    gravok::audio::SoundDirector sound(device ? &mixer : nullptr, [&game] { return game.frmHaupt().Pausiert != 0; });
    traceSound(sound);
    sound.setMuted(options.isSet(mute) || gravok::ui::storedMute(settings));
    platform.attachSound(sound);
    host.addAfterCall([&sound] { sound.update(); });
    // The name box is a layer of the game window; it types its M into the name.
    const auto muteWindow = [&host](const QWidget* w) {
        return host.isGameWindow(w) && !qobject_cast<gravok::ui::NameLayer*>(host.topLayer());
    };
    gravok::ui::MuteKey muteKey(muteWindow, [&sound, &settings] {
        sound.setMuted(!sound.muted());
        gravok::ui::storeMute(settings, sound.muted());
    });
    host.bindings() = settings.bindings();
    muteKey.setKey([&host](int key) { return host.isActionKey(key, gravok::bind::Action::Sound); });
    app.installEventFilter(&muteKey);
    if (watched) {
        // A recorded run drives the clock and the inputs itself, and is not recorded again.
        gravok::ui::ReplayWatch watch(host, platform, game, *watched, gameNumber, &window);
        gravok::ui::FrameLoop frames(
            window.view(), host, [&watch] { return watch.gameNowMs(); }, [&watch] { return watch.paused(); });
        frames.setSmooth(smooth);
        window.centreOnScreen();
        window.show();
        QTimer::singleShot(0, &window, [&] { watch.start(); });
        return QApplication::exec();
    }
    gravok::ui::ClockDriver driver(host, game.clock);
    gravok::ui::FrameLoop frames(window.view(), host, [&driver] { return driver.gameNowMs(); });
    frames.setSmooth(smooth);
    // The gamepad; GRAVOK_PAD_SCRIPT is the tests' pad, a file of commands (see README).
    gravok::ui::PadDriver pad(host, window);
    if (const QString script = qEnvironmentVariable("GRAVOK_PAD_SCRIPT");
        !script.isEmpty() && !pad.followScript(script))
        qWarning("gravok: kein Testpad für %s", qPrintable(script));
    // Every run is recorded from Main on, so that any game can be watched again.
    gravok::ui::ReplaySession recording(host);
    // A listed game is shown over the running one, which waits beneath in its list.
    platform.watchListed = [&window, smooth](const gravok::replay::ReplayLink& link) {
        const auto why =
            gravok::ui::watchListed(link, gravok::replay::replayFolder(), window.view(), &window, {}, smooth);
        if (!why)
            return;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Gravok"),
                        QStringLiteral("Dieses Spiel kann nicht gezeigt werden: %1").arg(QString::fromStdString(*why)),
                        QMessageBox::Ok, &window);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    // F3 and the pad's B: the settings over the field, paused as for a new game.
    bool fullScreen = false;
    host.openSettings = [&] {
        host.call([&] {
            fullScreen = window.isFullScreen();
            gravok::ui::SettingsForm form;
            form.Left = game.frmHaupt().Left + (game.frmHaupt().Width - form.Width) / 2;
            form.Top = game.frmHaupt().Top + (game.frmHaupt().Height - form.Height) / 2;
            gravok::ui::SettingsLayer layer(host, form, window.view(),
                                            settingRows(mixer, sound, frames, window, settings, fullScreen));
            layer.bindingsChanged = [&] { settings.setBindings(host.bindings()); };
            layer.waitingForButton = [&](bool on) {
                pad.capture = on ? std::function<void(gravok::pad::Button)>(
                                       [&layer](gravok::pad::Button b) { layer.padButton(b); })
                                 : nullptr;
            };
            layer.help = [&] { gravok::HilfeOeffnen(game, "Einstellungen"); };
            struct Release {
                gravok::ui::PadDriver& p;
                ~Release() { p.capture = nullptr; }
            } release{pad};
            gravok::ui::runSettings(host, layer);
        });
    };
    std::unique_ptr<gravok::ui::StatsProbe> probe;
    if (options.isSet(stats)) {
        probe = std::make_unique<gravok::ui::StatsProbe>(game.clock, window.view());
        probe->start();
    }

    // The field shows behind the start-up dialog, which Main opens from the window's load.
    window.showAsRemembered();
    // The window has its buffers now; the help viewer we start makes its own choice.
    if (chosenHere)
        qunsetenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION");
    QTimer::singleShot(0, &window, [&] {
        driver.start();
        pad.start();
        host.call([&] { host.door().main(); });
    });
    const int status = QApplication::exec();
    // The file names the choice, so a player finds where to make it.
    gravok::ui::storeSmooth(settings, gravok::ui::storedSmooth(settings));
    window.remember(); // "Ende" leaves without closing the window
    return status;
}
