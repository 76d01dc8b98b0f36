// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The words the player reads, marked for the window's catalogue of translations.
#pragma once

// A text the player reads, in the context it is shown in: the name of its form, or
// "Meldungen" for a message. In the core it is the German text as it stands, and the
// model, the harness, the list and replays keep it so; the window shows its translation.
#define GRAVOK_TEXT(context, text) text
