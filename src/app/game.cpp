// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game.h"

#include "app/frm_haupt.h"

namespace gravok {

Game::Game(Platform& p) : platform(p), haupt_(std::make_unique<FrmHaupt>(*this)) {}

Game::~Game() = default;

void Game::Main()
{
    windows_.push_back(haupt_.get());
    haupt_->load();
    platform.showWindow(*haupt_);
}

void Game::copyStateFrom(const Game& other)
{
    Start = other.Start;
    random = other.random;
    clock.copyStateFrom(other.clock);
    haupt_->copyStateFrom(*other.haupt_);
    windows_.assign(1, haupt_.get());
}

void Game::showModal(Form& dialog)
{
    if (lookingAhead)
        throw NotForeseeable{};
    windows_.push_back(&dialog);
    clock.hold();
    struct Restore {
        Game& g;
        ~Restore()
        {
            g.windows_.pop_back();
            g.clock.release();
        }
    } restore{*this};
    dialog.load();
    if (!dialog.closed())
        platform.runModal(dialog);
}

void Game::placeDialog(Form& dialog)
{
    dialog.Top = haupt_->Height / 2 - dialog.Height / 2;
    dialog.Left = platform.screenWidthTwips() / 2 - dialog.Width / 2;
}

Form* Game::window(std::string_view name)
{
    for (Form* f : windows_)
        if (f->Name == name)
            return f;
    return nullptr;
}

} // namespace gravok
