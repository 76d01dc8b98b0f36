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
#include "ui/stats_probe.h"
#include "ui/window_settings.h"

namespace {

QtMessageHandler qtMessages = nullptr;

// Our own choice below makes the Wayland platform say that it found no buffer
// integration by that name; that is what we asked for, so the two lines are dropped.
void quietAboutBuffers(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "qt.qpa.wayland") == 0 && message.contains(QLatin1String("client buffer integration")))
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

int main(int argc, char** argv)
{
    const bool chosenHere = paintInSoftware();
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
    gravok::ui::WindowSettings settings;
    gravok::ui::GameWindow window(host, game.frmHaupt(), &settings);
    platform.attach(game, host, window);
    gravok::ui::ClockDriver driver(host, game.clock);
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
        host.call([&] { game.Main(); });
    });
    const int status = QApplication::exec();
    window.remember(); // "Ende" leaves without closing the window
    return status;
}
