// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gravok::ui {

struct CommandLine;

// The two ways to run, each until the program ends; the exit status.
// The game played: from its Main on, recorded, with the pad, the settings and the list's
// watching of listed games. SOFTWARE_CHOSEN_HERE: the painting choice is ours to forget.
int playGame(const CommandLine& line, bool softwareChosenHere);
// A recorded run shown in the window (--replay); 2 when it cannot be read.
int watchRecording(const CommandLine& line);

} // namespace gravok::ui
