// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gravok::ui {

// The game paints in software: under Wayland it needs no GL stack (which would take some
// 50 MB of resident memory for nothing), so the shared-memory buffers alone are used,
// unless someone chose otherwise. Before the toolkit starts; true if the choice was ours.
bool paintInSoftware();
// Once the window has its buffers: the help viewer we start makes its own choice.
void forgetSoftwareChoice();

// The application's name, version and desktop entry.
void setUpApplication();

} // namespace gravok::ui
