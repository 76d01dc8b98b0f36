// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/message.h"
#include "replay/replay_links.h"

class QWidget;

namespace gravok::ui {

class FormView;
class ReplayWatch;

// Shows the listed game LINK names (its replay in FOLDER) over the view OVER, with a game
// of its own in a scratch directory, and returns when the showing ends: Escape, or the
// watched game's end. The running game beneath is not called meanwhile by anything of
// this; its window's title is given back. The German reason when the replay cannot be shown.
// STARTED sees the showing once it runs (tests). SMOOTH draws it with smooth motion.
std::optional<Message> watchListed(const replay::ReplayLink& link, const std::filesystem::path& folder, FormView& over,
                                   QWidget* window, const std::function<void(ReplayWatch&)>& started = {},
                                   bool smooth = true);

} // namespace gravok::ui
