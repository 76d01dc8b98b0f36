// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/replay_writer.h"

#include <fstream>

#include "core/rules.h"
#include "dump.h"
#include "replay/replay_io.h"

namespace gravok {

ReplayWriter::ReplayWriter(Game& game, replay::InputDoor& door, std::filesystem::path file)
    : game_(game), door_(door), file_(std::move(file))
{
    if (file_.empty())
        return;
    recorder_ = std::make_unique<replay::Recorder>(RulesVersion);
    door_.record(recorder_.get());
}

ReplayWriter::~ReplayWriter()
{
    if (recorder_)
        door_.record(nullptr);
}

bool ReplayWriter::write(std::ostream& err)
{
    if (!recorder_)
        return true;
    const bool compress = file_.extension() == ".gz";
    if (const auto why = replay::writeReplayText(file_, recorder_->text(), compress)) {
        err << "gravok-sim: " << *why << "\n";
        return false;
    }
    std::ofstream dump(file_.string() + ".dump", std::ios::binary | std::ios::trunc);
    dump << dumpJson(game_) << "\n";
    dump.close();
    if (dump)
        return true;
    err << "gravok-sim: cannot write " << file_.string() << "\n";
    return false;
}

} // namespace gravok
