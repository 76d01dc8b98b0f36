// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Gravok: the desktop program. The game itself lives in the core; this only sets up
// the window, the desktop services and the clock, then runs the game's Main.
#include <cstdio>
#include <memory>
#include <variant>

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/rules.h"
#include "replay/replay_io.h"
#include "ui/clock_driver.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/qt_platform.h"
#include "ui/replay_session.h"
#include "ui/replay_watch.h"
#include "ui/stats_probe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
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
            QMessageBox::critical(nullptr, QStringLiteral("Gravok – Wiedergabe"), QString::fromStdString(*why));
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
    gravok::ui::GameWindow window(host, game.frmHaupt());
    platform.attach(game, host, window);
    if (watched) {
        // A recorded run drives the clock and the inputs itself, and is not recorded again.
        gravok::ui::ReplayWatch watch(host, platform, game, *watched, gameNumber, &window);
        window.centreOnScreen();
        window.show();
        QTimer::singleShot(0, &window, [&] { watch.start(); });
        return QApplication::exec();
    }
    gravok::ui::ClockDriver driver(host, game.clock);
    // Every run is recorded from Main on, so that any game can be watched again.
    gravok::ui::ReplaySession recording(host);
    std::unique_ptr<gravok::ui::StatsProbe> probe;
    if (options.isSet(stats)) {
        probe = std::make_unique<gravok::ui::StatsProbe>(game.clock, window.view());
        probe->start();
    }

    // The field shows behind the start-up dialog, which Main opens from the window's load.
    window.centreOnScreen();
    window.show();
    QTimer::singleShot(0, &window, [&] {
        driver.start();
        host.call([&] { host.door().main(); });
    });
    return QApplication::exec();
}
