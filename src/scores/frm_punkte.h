// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/message.h"
#include "core/form.h"
#include "scores/kodierer.h"
#include "scores/list_places.h"
#include "scores/score_list.h"

namespace gravok {

// The high-score dialog: asks a finished game's player for a name, adds the entry and lists
// every entry, highest first.
class FrmPunkte : public Form {
public:
    explicit FrmPunkte(Game& game);

    Control* ShapePunkte;
    Control* lblEP;
    Control* Liste;
    Control* lblOK;
    Control* Shape1;

    void frmPunkte_Form_Load();
    void frmPunkte_Form_KeyDown(int keyCode, int shift);
    void frmPunkte_lblOK_Click();
    void frmPunkte_lblOK_MouseDown();
    void frmPunkte_lblOK_MouseUp();

    void load() override { frmPunkte_Form_Load(); }
    void keyDown(int keyCode, int shift) override { frmPunkte_Form_KeyDown(keyCode, shift); }
    void mouseDown(Control& control) override;
    void mouseUp(Control& control) override;
    void click(Control& control) override;

    // Where each row of Liste stands in its file, so the window can find an entry's replay.
    [[nodiscard]] const std::vector<EntryPlace>& rowPlaces() const { return rowPlaces_; }
    // The row of the entry this dialog has just added, so the window can select it.
    [[nodiscard]] std::optional<std::size_t> addedRow() const;

private:
    static std::vector<ListLines> readFiles(const ListPlaces& places, bool wait);
    bool convertOldLists(const ListPlaces& places, const std::vector<ListLines>& files);
    EntryResult addEntry(const ListPlaces& places);
    DecodedList decodeFiles(const ListPlaces& places, const std::vector<ListLines>& files,
                            std::vector<FileProblem>& problems);
    void fillList(const DecodedList& list);
    void reportEntry(const ListPlaces& places, const EntryResult& entry);
    void report(const DecodedList& list, const std::vector<FileProblem>& unreadable);

    // One line each, shown in turn once the list is filled.
    std::vector<Message> notes_;
    // The file problems those notes named already, as the player read them.
    std::vector<std::string> told_;
    std::vector<EntryPlace> rowPlaces_;
    std::optional<EntryPlace> added_;

    Game& game_;
    // Both stateless: one reads and adds entries, the other converts old lists, and lines
    // written through one are read through the other.
    Kodierer kodierer_;
    Kodierer umwandler_;
};

} // namespace gravok
