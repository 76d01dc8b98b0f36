// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How well smooth motion drawn ahead follows the game: the four golden games played in game
// time, a frame every 1/60 s drawn by the window's own AheadDrawing, each frame's places
// set against the way toward the place the real next tick gave, and the delay from an
// input to the first frame that shows it, beside the stepped look and smooth motion drawn
// between the last two ticks. Run by hand: gravok-ahead-replays [REPLAY_DIR]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/ahead_drawing.h"
#include "app/game.h"
#include "core/pictures.h"
#include "core/recording_platform.h"
#include "players/scratch_dir.h"
#include "replay/replay_player.h"
#include "replay_run.h"

namespace gravok {
namespace {

constexpr double FrameMs = 1000.0 / 60;
constexpr double Scale = 1.875; // device pixels per field pixel, 1920 × 1080 fullscreen

// Dialogs are served from the recording, as a watching window serves them.
class ServedPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;
    replay::ReplayPlayer* player = nullptr;
    void runModal(Form& form) override
    {
        while (!form.closed() && !player->finished())
            player->play(1);
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&) override { return player->answer(); }
};

double px(float twips)
{
    return static_cast<double>(std::lround(twips / TwipsPerPixel));
}

double distance(DrawnPoint a, DrawnPoint b)
{
    return std::hypot(a.x - b.x, a.y - b.y) * Scale;
}

struct Figures {
    std::vector<double> quiet, input; // device pixels off the ideal way, per moving picture and frame
    std::vector<double> nextFrame, seen, stepped, behind; // ms from an input to the frame showing it
    long frames = 0, ahead = 0;
};

struct Frame {
    double fraction;
    std::map<const Control*, DrawnPoint> at;
    bool ahead;
};

void play(const replay::Replay& r, Figures& fig)
{
    ScratchDir scratch(GRAVOK_DATA_DIR);
    ServedPlatform platform(scratch.programDir());
    platform.seed = r.random;
    Game game(platform);
    game.random.reseed(r.random);
    replay::ReplayPlayer player(game, r);
    platform.player = &player;
    player.start();
    FrmHaupt& h = game.frmHaupt();
    AheadDrawing drawing(game);
    std::vector<FrmHaupt::Moving> moving;
    std::vector<TickPlace> start;
    std::vector<Frame> frames;
    std::vector<AheadDrawing::Drawn> out;
    struct Pending {
        double at, f0;
        DrawnPoint before, after;
        bool framed = false, seen = false;
    };
    std::vector<Pending> pending;
    bool inputThisTick = false;
    long long tickAt = -1;
    double nextFrame = static_cast<double>(game.clock.now());
    const auto shuttleLanding = [&] {
        drawing.drawn(static_cast<double>(tickAt), out);
        for (const auto& d : out)
            if (d.control == h.imgShuttle)
                return d.at;
        return DrawnPoint{px(h.imgShuttle->Left), px(h.imgShuttle->Top)};
    };
    while (!player.finished()) {
        const auto ticks = game.clock.ticksRun();
        const auto inputs = player.inputsDelivered();
        player.play(1);
        const double now = static_cast<double>(game.clock.now());
        const bool standing = h.Pausiert != 0 || game.clock.held() || game.windows().size() != 1;
        if (standing) {
            drawing.stand();
            frames.clear();
            pending.clear();
            tickAt = -1;
            continue;
        }
        const long long due = game.clock.nextTickOf(*h.tmeBewegung);
        if (due != tickAt) { // a movement tick: the frames of the last interval against it
            h.movingPictures(moving);
            for (std::size_t i = 0; tickAt >= 0 && i < moving.size() && i < start.size(); ++i) {
                const Control& c = *moving[i].control;
                const Way ideal =
                    wayAhead(start[i], AheadDrawing::placeOf(moving[i]), AheadDrawing::moverOf(moving[i], moving[i]),
                             {h.fraHintergrund->Width, h.fraHintergrund->Height});
                if (!ideal.slides || ideal.start == ideal.end)
                    continue;
                for (const Frame& f : frames) {
                    const auto it = f.at.find(&c);
                    const DrawnPoint drawn = it != f.at.end() ? it->second : ideal.start;
                    const double off = distance(drawn, drawnOn(ideal, f.fraction));
                    (inputThisTick ? fig.input : fig.quiet).push_back(off);
                }
            }
            // Inputs whose change a player could see (a device pixel at least) in each look.
            for (const Pending& p : pending) {
                const double d = distance(p.before, p.after);
                if (d < 1)
                    continue;
                const double stepped = now - p.at;
                fig.stepped.push_back(stepped);
                // Drawn ahead, a change not seen yet shows in the first frame after the tick.
                if (!p.framed)
                    fig.nextFrame.push_back(nextFrame - p.at);
                if (!p.seen)
                    fig.seen.push_back(nextFrame - p.at);
                // Drawn between the last two ticks, it shows once it has slid a device pixel.
                double g = nextFrame - now;
                while (g / 50 * d < 1)
                    g += FrameMs;
                fig.behind.push_back(stepped + g);
            }
            pending.clear();
            frames.clear();
            inputThisTick = false;
            h.movingPictures(moving);
            start.clear();
            for (const auto& m : moving)
                start.push_back(AheadDrawing::placeOf(m));
            tickAt = due;
            drawing.sampled(now);
        } else if (player.inputsDelivered() != inputs || game.clock.ticksRun() != ticks) {
            const DrawnPoint before = shuttleLanding();
            drawing.sampled(now);
            const DrawnPoint after = shuttleLanding();
            if (player.inputsDelivered() != inputs) {
                inputThisTick = true;
                if (!(before == after))
                    pending.push_back({now, drawing.fraction(now), before, after});
            }
        }
        for (; nextFrame <= now; nextFrame += FrameMs) {
            ++fig.frames;
            // With nothing sliding the window paints the model as it stands.
            if (drawing.anyMoves())
                drawing.drawn(nextFrame, out);
            else
                out.clear();
            Frame f{drawing.fraction(nextFrame), {}, drawing.ahead() && drawing.anyMoves()};
            for (const auto& d : out)
                f.at.emplace(d.control, d.at);
            fig.ahead += f.ahead ? 1 : 0;
            for (Pending& p : pending) {
                if (distance(p.before, p.after) < 1)
                    continue;
                if (!p.framed) {
                    p.framed = true;
                    fig.nextFrame.push_back(nextFrame - p.at);
                }
                const double shown = distance(p.before, p.after) * (f.fraction - p.f0) / (1 - p.f0);
                if (!p.seen && shown >= 1) {
                    p.seen = true;
                    fig.seen.push_back(nextFrame - p.at);
                }
            }
            frames.push_back(std::move(f));
        }
    }
}

// The recorded keys come just after a tick. Each run of them moved on into its tick by 1
// to 48 ms, taken from the advance that follows: the game the same, the keys between ticks
// as a player presses them.
std::string keysBetweenTicks(const std::string& inputs)
{
    std::istringstream in(inputs);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string moved;
    int k = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::size_t j = i;
        while (j < lines.size() && lines[j].starts_with("key "))
            ++j;
        const bool advanceAfter = j < lines.size() && lines[j].starts_with("advance ");
        const int d = 1 + (k++ * 37) % 48;
        if (j == i || !advanceAfter || i == 0 || !lines[i - 1].starts_with("advance ") ||
            std::stoi(lines[j].substr(8)) <= d) {
            moved += lines[i] + '\n';
            continue;
        }
        moved += "advance " + std::to_string(d) + '\n';
        for (; i < j; ++i)
            moved += lines[i] + '\n';
        moved += "advance " + std::to_string(std::stoi(lines[j].substr(8)) - d) + '\n';
    }
    return moved;
}

std::string spread(std::vector<double> v, const char* unit)
{
    if (v.empty())
        return "-";
    std::sort(v.begin(), v.end());
    const auto at = [&](double share) {
        return v[static_cast<std::size_t>(share * static_cast<double>(v.size() - 1))];
    };
    char text[128];
    std::snprintf(text, sizeof text, "median %.1f, p99 %.1f, max %.1f %s (%zu)", at(0.5), at(0.99), v.back(), unit,
                  v.size());
    return text;
}

void report(const Figures& fig)
{
    std::printf("  frames drawn ahead: %ld of %ld (%.1f %%)\n", fig.ahead, fig.frames,
                fig.frames ? 100.0 * static_cast<double>(fig.ahead) / static_cast<double>(fig.frames) : 0.0);
    std::printf("  off the way to the real next place, no input in the tick: %s\n",
                spread(fig.quiet, "device px").c_str());
    std::printf("  off the way to the real next place, an input in the tick: %s\n",
                spread(fig.input, "device px").c_str());
    std::printf("  input to the next frame, drawn ahead: %s\n", spread(fig.nextFrame, "ms").c_str());
    std::printf("  input to a device pixel's change, drawn ahead: %s\n", spread(fig.seen, "ms").c_str());
    std::printf("  input to the change, stepped: %s\n", spread(fig.stepped, "ms").c_str());
    std::printf("  input to a device pixel's change, drawn behind: %s\n", spread(fig.behind, "ms").c_str());
}

} // namespace
} // namespace gravok

int main(int argc, char** argv)
{
    using namespace gravok;
    const std::string dir = argc > 1 ? argv[1] : GRAVOK_SOURCE_DIR "/tests/replays";
    for (const bool moved : {false, true}) {
        Figures fig;
        for (int episode = 1; episode <= 4; ++episode) {
            const auto read = readReplayFile(dir + "/episode" + std::to_string(episode) + ".replay");
            if (const auto* why = std::get_if<Message>(&read)) {
                std::fprintf(stderr, "gravok-ahead-replays: %s\n", why->text().c_str());
                return 2;
            }
            replay::Replay r = std::get<replay::Replay>(read);
            if (moved)
                r.inputs = keysBetweenTicks(r.inputs);
            play(r, fig);
        }
        std::printf("%s\n", moved ? "keys moved between ticks:" : "as recorded (keys just after a tick):");
        report(fig);
    }
    return 0;
}
