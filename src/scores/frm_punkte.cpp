// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/frm_punkte.h"

#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "info/help.h"

namespace gravok {
namespace {

std::string describe(const std::vector<FileProblem>& problems)
{
    std::string text;
    for (const auto& p : problems)
        text += (text.empty() ? "" : "; ") + p.path.string() + " (" + p.reason + ")";
    return text;
}

} // namespace

FrmPunkte::FrmPunkte(Game& game) : Form("frmPunkte"), game_(game)
{
    Width = 5670;
    Height = 4485;
    ShapePunkte = &add(makeShape("ShapePunkte", ShapeKind::Rectangle, 0, 0, 5680, 4500, palette::White, 10));
    lblEP = &add(makeLabel("lblEP", 240, 240, 1335, 255, "Erreichte Punkte:"));
    Control list = makeControl(ControlKind::ListBox, "Liste", 240, 480, 5175, 2760);
    list.TextFont = Font{"Courier New", 12};
    list.BackTransparent = false;
    Liste = &add(std::move(list));
    lblOK = &add(makeLabel("lblOK", 2520, 3795, 615, 255, "OK", Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Circle, 2520, 3600, 615, 615));
}

void FrmPunkte::frmPunkte_Form_Load()
{
    Platform& platform = game_.platform;
    platform.setBusyCursor(true);
    game_.placeDialog(*this);
    const ListPlaces places = findPlaces(platform.programDir(), userDataDir());
    std::vector<ListLines> files = readFiles(places);
    bool written = convertOldLists(places, files);
    std::vector<FileProblem> unwritten;
    if (game_.Start.PunkteEintragen) {
        unwritten = addEntry(places);
        written = true;
    }
    if (written)
        files = readFiles(places);
    std::vector<FileProblem> unreadable;
    DecodedList list = decodeFiles(files, unreadable);
    fillList(list);
    platform.setBusyCursor(false);
    report(list, unwritten, unreadable);
}

std::vector<ListLines> FrmPunkte::readFiles(const ListPlaces& places)
{
    std::vector<ListLines> files;
    for (const auto& dir : places.read)
        files.push_back(readList(dir));
    return files;
}

// Only a list that can be written is converted; any other is shown converted all the same.
bool FrmPunkte::convertOldLists(const ListPlaces& places, const std::vector<ListLines>& files)
{
    bool converted = false;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (places.read[i] != places.home || !convertedList(files[i].lines, umwandler_))
            continue;
        // A failure leaves the old list whole, and it is shown converted anyway.
        (void)rewriteList(places.home, [this](const std::vector<std::string>& lines) {
            return convertedList(lines, umwandler_);
        });
        converted = true;
    }
    return converted;
}

// The player is asked even when nothing can be written: the game goes on either way.
std::vector<FileProblem> FrmPunkte::addEntry(const ListPlaces& places)
{
    const auto answer = game_.platform.inputBox("Geben sie bitte ihren Namen ein:", "Namen?");
    const std::string name = answer.value_or("");
    const std::string& score = game_.frmHaupt().lblP->Caption;
    const std::string entry = entryText(score, name, game_.Start.Episode);
    std::size_t line = 0;
    auto problems = appendEntry(places, kodierer_.encode(entry, Schluessel), &line);
    if (problems.empty() && game_.entryAdded)
        game_.entryAdded(places.home / ListName, line);
    return problems;
}

DecodedList FrmPunkte::decodeFiles(const std::vector<ListLines>& files, std::vector<FileProblem>& problems)
{
    DecodedList list;
    for (const auto& file : files) {
        if (file.problem)
            problems.push_back(*file.problem);
        decodeInto(list, file.lines, kodierer_);
    }
    return list;
}

void FrmPunkte::fillList(DecodedList& list)
{
    const auto order = listingOrder(list.entries);
    Liste->List.clear();
    Liste->List.reserve(order.size());
    for (const std::size_t line : order)
        Liste->List.push_back(std::move(list.entries[line]));
}

void FrmPunkte::report(const DecodedList& list, const std::vector<FileProblem>& unwritten,
                       const std::vector<FileProblem>& unreadable)
{
    Platform& platform = game_.platform;
    if (!unwritten.empty())
        platform.message("Der Punktestand konnte nicht gespeichert werden: " + describe(unwritten) +
                         ". Das Spiel geht weiter.");
    if (!unreadable.empty())
        platform.message("Die Punkteliste kann nicht gelesen werden: " + describe(unreadable) + ".");
    if (list.unreadable == 1)
        platform.message("1 Eintrag der Punkteliste ist beschädigt und wird nicht angezeigt. "
                         "Er bleibt unverändert in der Datei.");
    else if (list.unreadable > 1)
        platform.message(decimal(static_cast<long long>(list.unreadable)) +
                         " Einträge der Punkteliste sind beschädigt und werden nicht angezeigt. "
                         "Sie bleiben unverändert in der Datei.");
}

void FrmPunkte::frmPunkte_Form_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == key::F1)
        HilfeOeffnen(game_, "Highscore");
    if (keyCode == key::Enter || keyCode == key::Escape)
        Unload();
}

void FrmPunkte::frmPunkte_lblOK_Click()
{
    Unload();
}

void FrmPunkte::frmPunkte_lblOK_MouseDown()
{
    lblOK->ForeColor = palette::LightBlue;
}

void FrmPunkte::frmPunkte_lblOK_MouseUp()
{
    lblOK->ForeColor = palette::White;
}

void FrmPunkte::mouseDown(Control& control)
{
    if (&control == lblOK)
        frmPunkte_lblOK_MouseDown();
}

void FrmPunkte::mouseUp(Control& control)
{
    if (&control == lblOK)
        frmPunkte_lblOK_MouseUp();
}

void FrmPunkte::click(Control& control)
{
    if (&control == lblOK)
        frmPunkte_lblOK_Click();
}

} // namespace gravok
