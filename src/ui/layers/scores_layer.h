// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "replay/replay_links.h"
#include "ui/layers/layer.h"

class QListWidget;

namespace gravok {
class FrmPunkte;
} // namespace gravok

namespace gravok::ui {

// The high-score list as a layer: rows whose game was recorded carry a small mark, and a
// double-click on such a row, or Space on the selected one, shows that game; the arrows
// choose the row, and the entry just added is chosen when the list opens. The marks are
// the view's alone; the list's texts stay as the game wrote them.
class ScoresLayer : public Layer {
    Q_OBJECT
public:
    using Watch = std::function<void(const replay::ReplayLink& link)>;

    ScoresLayer(GameHost& host, FrmPunkte& form, FormView& main, std::filesystem::path replays, Watch watch);

    bool takeKey(const KeyPress& press) override;
    // The link of a row as it is listed now, if its game can be watched.
    [[nodiscard]] std::optional<replay::ReplayLink> linkOfRow(int row);
    [[nodiscard]] QListWidget* list() const;

private:
    void watchRow(int row);
    void selectRow(int row);

    FrmPunkte& punkte_;
    std::filesystem::path replays_;
    Watch watch_;
    // The links of the rows as last looked up, and the places they were looked up for: the
    // list is filled while the dialog loads, and the links file is read once per filling.
    std::vector<EntryPlace> seenPlaces_;
    std::vector<std::optional<replay::ReplayLink>> links_;
    bool looked_ = false;
    bool watching_ = false;
};

} // namespace gravok::ui
