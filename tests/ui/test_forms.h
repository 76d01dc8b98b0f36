// Scenes for the view tests: a started game over the recording desktop, small forms
// built in code, and pixel helpers.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

#include "app/game.h"
#include "core/form.h"
#include "core/recording_platform.h"
#include "ui/form_view.h"

namespace gravok::ui::test {

// The game after Main, its start-up dialog closed at once.
struct StartedGame {
    RecordingPlatform platform{std::filesystem::temp_directory_path()};
    Game game{platform};
    StartedGame() { game.Main(); }
};

// A game being played: Enter in the start-up dialog chose the first episode, read from
// the shipped episode files.
struct PlayingGame {
    RecordingPlatform platform{GRAVOK_DATA_DIR};
    Game game{platform};
    PlayingGame()
    {
        platform.modalLoop = [](Form& f) { f.keyDown(13, 0); };
        game.Main();
    }
};

// A form that writes down its events.
class LoggingForm : public Form {
public:
    explicit LoggingForm(float widthPx = 400, float heightPx = 300) : Form("frmTest")
    {
        Width = widthPx * 15;
        Height = heightPx * 15;
    }
    void keyDown(int code, int) override { log.push_back("key " + std::to_string(code)); }
    void mouseDown(Control& c) override { log.push_back("down " + c.fullName()); }
    void mouseUp(Control& c) override { log.push_back("up " + c.fullName()); }
    void click(Control& c) override { log.push_back("click " + c.fullName()); }

    std::string joinedLog() const
    {
        std::string out;
        for (const std::string& line : log)
            out += (out.empty() ? "" : "|") + line;
        return out;
    }
    std::vector<std::string> log;
};

// Positions in whole pixels, turned into twips.
inline Control pixelControl(ControlKind kind, std::string name, int x, int y, int w, int h)
{
    return makeControl(kind, std::move(name), x * 15.0f, y * 15.0f, w * 15.0f, h * 15.0f);
}

// The view rendered at a widget size, as plain 32-bit RGB.
inline QImage renderAt(FormView& view, QSize size)
{
    view.resize(size);
    view.sync();
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline bool isBlack(const QImage& img, int x, int y)
{
    return (img.pixel(x, y) & 0xFFFFFF) == 0;
}

// Lit enough to be a white outline, even where it is smoothed.
inline bool isBright(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y).lightness() > 128;
}

inline bool allBlack(const QImage& img, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!isBlack(img, x, y))
                return false;
    return true;
}

// A bitmap resource as the view should show it: each pixel a scale × scale block.
inline QImage bitmap(int n, int scale = 1)
{
    const QImage img = QImage(QStringLiteral(":/art/%1.png").arg(n)).convertToFormat(QImage::Format_RGB32);
    return img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace gravok::ui::test
