// Gravok: the desktop program. The game itself lives in the core; this only sets up
// the window, the desktop services and the clock, then runs the game's Main.
#include <QApplication>
#include <QTimer>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "ui/clock_driver.h"
#include "ui/game_host.h"
#include "ui/game_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gravok"));

    gravok::ui::QtPlatform platform;
    gravok::Game game(platform);
    gravok::ui::GameHost host(game);
    gravok::ui::GameWindow window(host, game.frmHaupt());
    platform.attach(game, host, window);
    gravok::ui::ClockDriver driver(host, game.clock);

    // The field shows behind the start-up dialog, which Main opens from the window's load.
    window.centreOnScreen();
    window.show();
    QTimer::singleShot(0, &window, [&] {
        driver.start();
        host.call([&] { game.Main(); });
    });
    return QApplication::exec();
}
