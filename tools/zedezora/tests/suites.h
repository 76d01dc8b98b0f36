// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Each suite runs its QtTest class and returns the number of failed cases.
int runHelpFileTests(int argc, char** argv);
