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
#include <filesystem>
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
    ServedPlatform(std::filesystem::path dir, std::uint64_t seed) : RecordingPlatform(std::move(dir))
    {
        this->seed = seed;
    }
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

// One golden game watched in game time, a frame every FrameMs, its figures added to FIG.
class Watch {
public:
    Watch(const replay::Replay& r, Figures& fig)
        : scratch_(GRAVOK_DATA_DIR),
          platform_(scratch_.programDir(), r.random),
          game_(platform_),
          player_(game_, r),
          h_(game_.frmHaupt()),
          drawing_(game_),
          fig_(fig),
          nextFrame_(static_cast<double>(game_.clock.now()))
    {
        game_.random.reseed(r.random);
        platform_.player = &player_;
        player_.start();
    }

    void run()
    {
        while (!player_.finished()) {
            const auto ticks = game_.clock.ticksRun();
            const auto inputs = player_.inputsDelivered();
            player_.play(1);
            const double now = static_cast<double>(game_.clock.now());
            if (h_.Pausiert != 0 || game_.clock.held() || game_.windows().size() != 1) {
                stand();
                continue;
            }
            const long long due = game_.clock.nextTickOf(*h_.tmeBewegung);
            if (due != tickAt_)
                movementTick(now, due);
            else if (player_.inputsDelivered() != inputs || game_.clock.ticksRun() != ticks)
                looked(now, player_.inputsDelivered() != inputs);
            framesUntil(now);
        }
    }

private:
    // An input whose change to the shuttle's next place the frames should show.
    struct Pending {
        double at, f0;
        DrawnPoint before, after;
        bool framed = false, seen = false;
    };

    void stand()
    {
        drawing_.stand();
        frames_.clear();
        pending_.clear();
        tickAt_ = -1;
    }

    // The frames of the last interval against the way the tick took, and the delays of its
    // inputs; then the next interval sets out.
    void movementTick(double now, long long due)
    {
        if (tickAt_ >= 0)
            judgeFrames();
        judgeDelays(now);
        pending_.clear();
        frames_.clear();
        inputThisTick_ = false;
        h_.movingPictures(moving_);
        start_.clear();
        for (const auto& m : moving_)
            start_.push_back(AheadDrawing::placeOf(m));
        tickAt_ = due;
        drawing_.sampled(now);
    }

    void judgeFrames()
    {
        h_.movingPictures(moving_);
        const Field field{h_.fraHintergrund->Width, h_.fraHintergrund->Height};
        for (std::size_t i = 0; i < moving_.size() && i < start_.size(); ++i) {
            const Way ideal = wayAhead(start_[i], AheadDrawing::placeOf(moving_[i]),
                                       AheadDrawing::moverOf(moving_[i], moving_[i]), field);
            if (!ideal.slides || ideal.start == ideal.end)
                continue;
            for (const Frame& f : frames_) {
                const auto it = f.at.find(moving_[i].control);
                const DrawnPoint drawn = it != f.at.end() ? it->second : ideal.start;
                (inputThisTick_ ? fig_.input : fig_.quiet).push_back(distance(drawn, drawnOn(ideal, f.fraction)));
            }
        }
    }

    // Inputs whose change a player could see (a device pixel at least) in each look.
    void judgeDelays(double now)
    {
        for (const Pending& p : pending_) {
            const double d = distance(p.before, p.after);
            if (d < 1)
                continue;
            const double stepped = now - p.at;
            fig_.stepped.push_back(stepped);
            // Drawn ahead, a change not seen yet shows in the first frame after the tick.
            if (!p.framed)
                fig_.nextFrame.push_back(nextFrame_ - p.at);
            if (!p.seen)
                fig_.seen.push_back(nextFrame_ - p.at);
            // Drawn between the last two ticks, it shows once it has slid a device pixel.
            double g = nextFrame_ - now;
            while (g / 50 * d < 1)
                g += FrameMs;
            fig_.behind.push_back(stepped + g);
        }
    }

    // An input or another timer's tick between two movement ticks: foretold again.
    void looked(double now, bool input)
    {
        const DrawnPoint before = shuttleLanding();
        drawing_.sampled(now);
        const DrawnPoint after = shuttleLanding();
        if (!input)
            return;
        inputThisTick_ = true;
        if (!(before == after))
            pending_.push_back({now, drawing_.fraction(now), before, after});
    }

    void framesUntil(double now)
    {
        for (; nextFrame_ <= now; nextFrame_ += FrameMs) {
            ++fig_.frames;
            // With nothing sliding the window paints the model as it stands.
            if (drawing_.anyMoves())
                drawing_.drawn(nextFrame_, out_);
            else
                out_.clear();
            Frame f{drawing_.fraction(nextFrame_), {}, drawing_.ahead() && drawing_.anyMoves()};
            for (const auto& d : out_)
                f.at.emplace(d.control, d.at);
            fig_.ahead += f.ahead ? 1 : 0;
            for (Pending& p : pending_)
                framed(p, f.fraction);
            frames_.push_back(std::move(f));
        }
    }

    void framed(Pending& p, double fraction)
    {
        const double d = distance(p.before, p.after);
        if (d < 1)
            return;
        if (!p.framed) {
            p.framed = true;
            fig_.nextFrame.push_back(nextFrame_ - p.at);
        }
        if (!p.seen && d * (fraction - p.f0) / (1 - p.f0) >= 1) {
            p.seen = true;
            fig_.seen.push_back(nextFrame_ - p.at);
        }
    }

    // Where the shuttle is drawn at the movement tick.
    DrawnPoint shuttleLanding()
    {
        drawing_.drawn(static_cast<double>(tickAt_), out_);
        for (const auto& d : out_)
            if (d.control == h_.imgShuttle)
                return d.at;
        return DrawnPoint{px(h_.imgShuttle->Left), px(h_.imgShuttle->Top)};
    }

    ScratchDir scratch_;
    ServedPlatform platform_;
    Game game_;
    replay::ReplayPlayer player_;
    FrmHaupt& h_;
    AheadDrawing drawing_;
    Figures& fig_;
    std::vector<FrmHaupt::Moving> moving_;
    std::vector<TickPlace> start_;
    std::vector<Frame> frames_;
    std::vector<AheadDrawing::Drawn> out_;
    std::vector<Pending> pending_;
    bool inputThisTick_ = false;
    long long tickAt_ = -1;
    double nextFrame_;
};

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
            Watch(r, fig).run();
        }
        std::printf("%s\n", moved ? "keys moved between ticks:" : "as recorded (keys just after a tick):");
        report(fig);
    }
    return 0;
}
