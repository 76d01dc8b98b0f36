// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
class QCoreApplication;

namespace gravok::ui {

// The game paints in software: under Wayland it needs no GL stack (which would take some
// 50 MB of resident memory for nothing), so the shared-memory buffers alone are used,
// unless someone chose otherwise. Before the toolkit starts; true if the choice was ours.
bool paintInSoftware();
// Once the window has its buffers: the help viewer we start makes its own choice.
void forgetSoftwareChoice();

// The application's name, version and desktop entry, and Qt's own texts in German.
void setUpApplication(QApplication& app);

// Loads Qt's own German texts (Debian's qt6-translations-l10n), so the few standard texts
// the toolkit shows match the game. False when they are not installed.
bool loadQtGerman(QCoreApplication& app);

} // namespace gravok::ui
