// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-shotcheck: holds a screenshot of the real window, at scale 1, against the game's
// own headless model, so the layout is written down once, in the core.
//
//   gravok-shotcheck model SHOT PROGRAM_DIR ART_DIR X,Y,W,H (episode N | replay FILE)
//     exit 0 when, at some tick of the first 200, the shuttle and every gravok stand where
//     the model has them: the start of episode N, or the recorded game played on.
//   gravok-shotcheck where CONTROL PROGRAM_DIR X,Y,W,H
//     prints "X,Y", the middle of a control of the game window relative to the window.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <sstream>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/pictures.h"
#include "core/recording_platform.h"
#include "core/rules.h"
#include "replay/replay_io.h"
#include "replay/replay_player.h"
#include "ui/view/form_layout.h"
#include "ui/view/letterbox.h"

namespace {

using namespace gravok;

// A control of the main form on the screen, where the window's letterbox puts it.
QRect onScreen(QRect window, const Form& form, const Control& c)
{
    const auto box = ui::fitLetterbox(QSizeF(window.size()), QSizeF(ui::formBox(form).size()));
    const QRect r = ui::controlBox(c);
    return {window.topLeft() + box.toWidget(QPointF(r.topLeft())).toPoint(), r.size()};
}

// Whether the shot shows 80 % of the sprite's drawn pixels (each channel within 40) with
// its top-left corner within a pixel of AT; pixels outside CLIP are left out.
bool shows(const QImage& shot, const QImage& sprite, QPoint at, QRect clip)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int total = 0, hits = 0;
            for (int y = 0; y < sprite.height(); ++y)
                for (int x = 0; x < sprite.width(); ++x) {
                    const QRgb s = sprite.pixel(x, y);
                    const QPoint p = at + QPoint(x + dx, y + dy);
                    if (qAlpha(s) < 128 || qRed(s) + qGreen(s) + qBlue(s) < 30 || !clip.contains(p))
                        continue;
                    const QRgb o = shot.pixel(p);
                    ++total;
                    hits += std::max({std::abs(qRed(o) - qRed(s)), std::abs(qGreen(o) - qGreen(s)),
                                      std::abs(qBlue(o) - qBlue(s))}) <= 40;
                }
            if (total > 0 && hits * 5 >= total * 4)
                return true;
        }
    return false;
}

// The first tick at which the shuttle and every gravok in play stand on the shot where
// the model has them; NEXT moves the model on by a tick, false when it cannot go on.
int matchingTick(const QImage& shot, const std::string& art, QRect window, FrmHaupt& h,
                 const std::function<bool()>& next)
{
    const QRect field = onScreen(window, h, *h.fraHintergrund) & shot.rect();
    for (int t = 0; t <= 200; ++t) {
        std::vector<const Control*> shown{h.imgShuttle};
        for (int k = 1; k <= 10; ++k)
            if (h.imgGravok(k)->Picture() != 0 && h.imgGravok(k)->Tag != "0")
                shown.push_back(h.imgGravok(k));
        bool all = shown.size() > 1;
        for (const Control* c : shown) {
            const QImage sprite(QString::fromStdString(art + "/" + std::to_string(c->Picture()) + ".png"));
            all = all &&
                  shows(shot, sprite.convertToFormat(QImage::Format_ARGB32), onScreen(window, h, *c).topLeft(), field);
        }
        if (all) {
            std::cout << "ok   the shuttle and " << shown.size() - 1 << " gravoks where the model has them at tick "
                      << t << "\n";
            return 0;
        }
        if (!next())
            break;
    }
    std::cout << "FAIL no tick up to 200 shows what the screenshot shows\n";
    return 1;
}

// The recorded game, played on by its own inputs in a folder of its own.
int replayModel(const QImage& shot, const std::string& art, QRect window, const std::string& file)
{
    const auto text = replay::readReplayText(file);
    const auto parsed = text.index() == 0 ? replay::parseReplay(std::get<0>(text), RulesVersion)
                                          : std::variant<replay::Replay, Message>(std::get<1>(text));
    if (const auto* why = std::get_if<Message>(&parsed)) {
        std::cout << "FAIL " << why->text() << "\n";
        return 1;
    }
    const replay::Replay& rec = std::get<replay::Replay>(parsed);
    QTemporaryDir dir;
    RecordingPlatform platform(dir.path().toStdString(), static_cast<float>(shot.width()) * TwipsPerPixel);
    platform.seed = rec.random;
    std::istringstream lines(rec.inputs);
    for (std::string line; std::getline(lines, line);) {
        if (line == "input-cancel")
            platform.inputAnswers.emplace_back(std::nullopt);
        else if (line.starts_with("input "))
            platform.inputAnswers.emplace_back(line.substr(6));
    }
    Game game(platform);
    game.random.reseed(rec.random);
    replay::ReplayPlayer player(game, rec);
    platform.modalLoop = [&](Form& f) {
        while (!f.closed() && !player.finished())
            player.play(50);
        if (!f.closed())
            f.Unload();
    };
    player.start();
    return matchingTick(shot, art, window, game.frmHaupt(), [&] {
        player.play(50);
        return !player.finished();
    });
}

int run(int argc, char** argv)
{
    const std::string check = argc > 1 ? argv[1] : "";
    int x = 0, y = 0, w = 0, h = 0;
    const bool where = check == "where" && argc == 5, model = check == "model" && argc == 8;
    if ((!where && !model) || std::sscanf(argv[where ? 4 : 5], "%d,%d,%d,%d", &x, &y, &w, &h) != 4) {
        std::cerr << "usage: gravok-shotcheck model SHOT DIR ART X,Y,W,H (episode N | replay FILE)\n"
                     "       gravok-shotcheck where CONTROL DIR X,Y,W,H\n";
        return 2;
    }
    const QRect window(x, y, w, h);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (where) {
        RecordingPlatform platform(argv[3]);
        Game game(platform);
        const Control* c = game.frmHaupt().find(argv[2]);
        if (!c)
            return 2;
        const QPoint middle = onScreen(window, game.frmHaupt(), *c).center() - window.topLeft();
        std::cout << middle.x() << "," << middle.y() << "\n";
        return 0;
    }
    const QImage shot = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    if (std::string(argv[6]) == "replay")
        return replayModel(shot, argv[4], window, argv[7]);
    // The start-up dialog answered with the episode, as Enter on the real one does.
    RecordingPlatform platform(argv[3], static_cast<float>(shot.width()) * TwipsPerPixel);
    Game game(platform);
    platform.modalLoop = [&](Form& neu) {
        if (Control* opt = neu.find(std::string("opt") + argv[7]))
            neu.selectOption(*opt);
        neu.keyDown(key::Enter, 0);
    };
    game.Main();
    return matchingTick(shot, argv[4], window, game.frmHaupt(), [&] {
        game.clock.advance(50);
        return true;
    });
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gravok-shotcheck: %s\n", e.what());
        return 2;
    }
}
