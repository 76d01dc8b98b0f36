// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Gravok: the desktop program. The game itself lives in the core; this only sets up
// the window, the desktop services and the clock, then runs the game's Main.
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "ui/clock_driver.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/qt_platform.h"
#include "ui/replay_session.h"
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
    options.process(app);

    gravok::ui::QtPlatform platform;
    gravok::Game game(platform);
    gravok::ui::GameHost host(game);
    gravok::ui::GameWindow window(host, game.frmHaupt());
    platform.attach(game, host, window);
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
