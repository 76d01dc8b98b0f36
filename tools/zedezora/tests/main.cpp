// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "suites.h"

// One executable for all the viewer's suites; they share the QApplication.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    failed += runHelpFileTests(argc, argv);
    return failed == 0 ? 0 : 1;
}
