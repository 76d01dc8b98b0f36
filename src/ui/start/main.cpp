// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Gravok: the desktop program. The game itself lives in the core; this only sets up
// the toolkit, reads the command line and runs the game or a recording in the window.
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>

#include "ui/start/application.h"
#include "ui/start/command_line.h"
#include "ui/start/program.h"

int main(int argc, char** argv)
{
    // Before the toolkit: without a display, QApplication would abort.
    if (const auto answer = gravok::ui::earlyAnswer(std::vector<std::string>(argv, argv + argc))) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    const bool softwareChosenHere = gravok::ui::paintInSoftware();
    QApplication app(argc, argv);
    gravok::ui::setUpApplication();
    const auto line = gravok::ui::readCommandLine(QApplication::arguments());
    if (!line)
        return 2;
    if (line->replay)
        return gravok::ui::watchRecording(*line);
    return gravok::ui::playGame(*line, softwareChosenHere);
}
