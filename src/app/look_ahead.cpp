// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/look_ahead.h"

#include "app/frm_haupt.h"
#include "app/game.h"

namespace gravok {
namespace {

// A desktop with no effects: sounds go nowhere, and whatever would wait for the player,
// leave the game or reach for a file ends the look ahead.
class SilentPlatform final : public Platform {
public:
    [[nodiscard]] std::filesystem::path programDir() const override { throw NotForeseeable{}; }
    [[nodiscard]] float screenWidthTwips() const override { return 0; }
    [[nodiscard]] std::uint64_t clockSeed() const override { return 0; }
    void showWindow(Form& /*form*/) override {}
    void runModal(Form& /*form*/) override { throw NotForeseeable{}; }
    bool startProgram(const std::string& /*program*/, const std::string& /*argument*/) override
    {
        throw NotForeseeable{};
    }
    void openUrl(const std::string& /*url*/) override { throw NotForeseeable{}; }
    std::optional<std::string> inputBox(const std::string& /*prompt*/, const std::string& /*title*/) override
    {
        throw NotForeseeable{};
    }
    void message(const Message& /*message*/) override { throw NotForeseeable{}; }
    void setBusyCursor(bool /*busy*/) override {}
    void endProgram() override { throw NotForeseeable{}; }
};

} // namespace

struct LookAhead::Copy {
    SilentPlatform platform;
    Game game{platform};
    Copy() { game.lookingAhead = true; }
};

LookAhead::LookAhead() : copy_(std::make_unique<Copy>()) {}

LookAhead::~LookAhead() = default;

bool LookAhead::predict(const Game& real)
{
    if (real.windows().size() != 1 || real.clock.held())
        return false;
    Game& game = copy_->game;
    game.copyStateFrom(real);
    const long long due = game.clock.nextTickOf(*game.frmHaupt().tmeBewegung);
    if (due < 0)
        return false;
    tickAt_ = static_cast<std::uint64_t>(due);
    const int level = game.Start.Level;
    try {
        game.clock.advance(tickAt_ - game.clock.now());
    } catch (...) {
        return false; // a dialog, or a fault the real tick will meet and report itself
    }
    return game.Start.Level == level && !game.frmHaupt().gameEnded() && game.frmHaupt().Pausiert == 0;
}

const FrmHaupt& LookAhead::next() const
{
    return copy_->game.frmHaupt();
}

} // namespace gravok
