// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-shotcheck: checks a screenshot of the real game window against the game's own
// model. The model is the headless game (as gravok-sim runs it) brought to the same
// moment by the same keys; positions come from it and the window's letterbox, so the
// layout is written down once, in the core.
//
//   gravok-shotcheck CHECK --shot FILE --dir PROGRAM_DIR --art ART_DIR --main X,Y,W,H
//                    [--episode N] [--keys "Up Left ..."] [--max-ticks N]
//                    [--words "Game over!"] [--name TYPED]
//   A dialog is a layer of the game window, looked for where the model places it.
//   gravok-shotcheck seed-list PROGRAM_DIR   writes three known entries to Punkte.lst
//   gravok-shotcheck where CONTROL --main X,Y,W,H ...   prints "X,Y": the middle of a
//                    control of the game window, relative to the window (for a click)
//
// Prints one line per finding ("ok   NAME: ..." or "FAIL NAME: ..."); exit status 0 when
// all hold, 1 when one fails, 2 on a usage error.
#include <cstdlib>
#include <iostream>
#include <sstream>

#include <QGuiApplication>

#include "checks.h"
#include "scene.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "scores/score_list.h"

namespace {

using namespace gravok;
using namespace gravok::shotcheck;

int usage(const std::string& why)
{
    std::cerr << "gravok-shotcheck: " << why << "\nchecks:";
    for (const auto& n : checkNames())
        std::cerr << ' ' << n;
    std::cerr << "\nusage: gravok-shotcheck CHECK --shot FILE --dir DIR --art DIR --main X,Y,W,H"
                 " [--episode N] [--keys \"K ...\"] [--max-ticks N]\n       gravok-shotcheck seed-list DIR\n";
    return 2;
}

std::optional<QRect> rect(const std::string& text)
{
    int x = 0, y = 0, w = 0, h = 0;
    char c1 = 0, c2 = 0, c3 = 0;
    std::istringstream in(text);
    if (!(in >> x >> c1 >> y >> c2 >> w >> c3 >> h) || c1 != ',' || c2 != ',' || c3 != ',' || w <= 0 || h <= 0)
        return std::nullopt;
    return QRect(x, y, w, h);
}

// Entries a player could have left: the dialog must list all three, highest first.
int seedList(const std::filesystem::path& dir)
{
    const Kodierer kodierer;
    const char* entries[][3] = {{"150", "Erika", "1"}, {"1230", "Testpilot", "2"}, {"-40", "Otto", "1"}};
    for (const auto& e : entries) {
        const std::string line = kodierer.encode(entryText(e[0], e[1], std::atoi(e[2])), Schluessel);
        if (const auto problem = appendLine(dir, line)) {
            std::cerr << "gravok-shotcheck: " << problem->path << ": " << problem->reason << "\n";
            return 1;
        }
    }
    return 0;
}

int where(const std::string& name, const ShotInput& in)
{
    Scene scene(in.programDir, 28800.0f);
    const Control* c = scene.haupt().find(name);
    if (!c)
        return usage("no control " + name + " in frmHaupt");
    const QPoint middle = ScreenMap::fitted(in.mainWindow, scene.haupt()).controlRect(*c).center();
    const QPoint inWindow = middle - in.mainWindow.topLeft();
    std::cout << inWindow.x() << "," << inWindow.y() << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage("no check named");
    const std::string check = argv[1];
    if (check == "seed-list")
        return argc == 3 ? seedList(argv[2]) : usage("seed-list takes one directory");

    // The label texts are painted as the game paints them, which needs fonts, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    ShotInput in;
    std::optional<QRect> main;
    const int firstOption = check == "where" ? 3 : 2;
    if (argc < firstOption)
        return usage("where needs a control name");
    for (int i = firstOption; i < argc; i += 2) {
        const std::string opt = argv[i];
        if (i + 1 >= argc)
            return usage(opt + " needs a value");
        const std::string value = argv[i + 1];
        if (opt == "--shot")
            in.shot = QImage(QString::fromStdString(value)).convertToFormat(QImage::Format_RGB32);
        else if (opt == "--dir")
            in.programDir = value;
        else if (opt == "--art")
            in.artDir = value;
        else if (opt == "--main")
            main = rect(value);
        else if (opt == "--episode")
            in.episode = std::atoi(value.c_str());
        else if (opt == "--replay")
            in.replay = value;
        else if (opt == "--words")
            in.words = value;
        else if (opt == "--name")
            in.name = value;
        else if (opt == "--max-ticks")
            in.maxTicks = std::atoi(value.c_str());
        else if (opt == "--keys") {
            std::istringstream words(value);
            for (std::string k; words >> k;)
                in.keys.push_back(k);
        } else
            return usage("unknown option " + opt);
    }
    if (!main)
        return usage("--main X,Y,W,H is needed");
    if (in.programDir.empty() || in.artDir.empty())
        return usage("--dir and --art are needed");
    in.mainWindow = *main;
    if (check == "where")
        return where(argv[2], in);

    bool ok = true;
    for (const Finding& f : runCheck(check, in)) {
        std::cout << (f.ok ? "ok   " : "FAIL ") << check << "." << f.check << ": " << f.detail << "\n";
        ok = ok && f.ok;
    }
    return ok ? 0 : 1;
}
