// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/frm_punkte.h"

#include <algorithm>
#include <cerrno>

#include "app/frm_haupt.h"
#include "core/files.h"
#include "core/numbers.h"
#include "info/help.h"
#include "core/words.h"

namespace gravok {
namespace {

// The file and its reason as the player reads them: a problem is named once.
std::string describe(const FileProblem& p)
{
    return nameOf(p.path) + ": " + p.reason.text();
}

// PATTERN with the file as %1 and its reason as %2, and MORE after them.
Message told(const char* pattern, const FileProblem& p, std::vector<Message> more = {})
{
    std::vector<Message> args{Message::literal(nameOf(p.path)), p.reason};
    args.insert(args.end(), more.begin(), more.end());
    return {pattern, std::move(args)};
}

// A directory the player may not write is the normal case of an installed game: its entries
// going to the player's own list needs no word. Anything else that kept them away does.
bool worthTelling(const FileProblem& p)
{
    return p.error != EACCES && p.error != EPERM && p.error != EROFS;
}

} // namespace

FrmPunkte::FrmPunkte(Game& game) : Form("frmPunkte"), game_(game)
{
    Width = 5670;
    Height = 4485;
    ShapePunkte = &add(makeShape("ShapePunkte", ShapeKind::Rectangle, 0, 0, 5680, 4500, palette::White, 10));
    lblEP = &add(makeLabel("lblEP", 240, 240, 1335, 255, GRAVOK_TEXT("frmPunkte", "Erreichte Punkte:")));
    Control list = makeControl(ControlKind::ListBox, "Liste", 240, 480, 5175, 2760);
    list.TextFont = Font{"Courier New", 12};
    list.BackTransparent = false;
    Liste = &add(std::move(list));
    lblOK = &add(makeLabel("lblOK", 2520, 3795, 615, 255, GRAVOK_TEXT("frmPunkte", "OK"), Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Circle, 2520, 3600, 615, 615));
}

void FrmPunkte::frmPunkte_Form_Load()
{
    Platform& platform = game_.platform;
    platform.setBusyCursor(true);
    game_.placeDialog(*this);
    notes_.clear();
    told_.clear();
    added_.reset();
    const ListPlaces places = findPlaces(platform.programDir(), userDataDir(), !platform.dataDir().empty());
    std::vector<ListLines> files = readFiles(places, true);
    // A game that holds a lock too long is waited for once per dialog, not at every read.
    const bool held = std::any_of(files.begin(), files.end(), [](const ListLines& f) { return f.lockBusy; });
    bool written = !held && convertOldLists(places, files);
    if (game_.Start.PunkteEintragen) {
        reportEntry(places, addEntry(places));
        written = true;
    }
    if (written)
        files = readFiles(places, !held);
    std::vector<FileProblem> unreadable;
    DecodedList list = decodeFiles(places, files, unreadable);
    fillList(list);
    platform.setBusyCursor(false);
    report(list, unreadable);
}

std::vector<ListLines> FrmPunkte::readFiles(const ListPlaces& places, bool wait)
{
    std::vector<ListLines> files;
    for (const auto& dir : places.read) {
        files.push_back(readList(dir, wait ? ReadLockWait : std::chrono::milliseconds(0)));
        wait = wait && !files.back().lockBusy;
    }
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
        bool rewritten = false;
        (void)rewriteList(places.home, [this, &rewritten](const std::vector<std::string>& lines) {
            auto next = convertedList(lines, umwandler_);
            rewritten = next.has_value();
            return next;
        });
        // Said once: the rewritten list no longer changes, so it is not rewritten again.
        const auto first = unconvertibleFirst(files[i].lines, umwandler_);
        if (rewritten && first)
            notes_.push_back({GRAVOK_TEXT("Meldungen", "Die erste Zeile der Punkteliste %1 hat das alte Format, "
                                                       "lässt sich aber nicht umwandeln: %2. Sie bleibt, wie sie ist."),
                              {Message::literal(nameOf(places.home / ListName)), Message::literal(quoteText(*first))}});
        converted = true;
    }
    return converted;
}

// The player is asked even when nothing can be written: the game goes on either way.
EntryResult FrmPunkte::addEntry(const ListPlaces& places)
{
    const auto answer = game_.platform.inputBox(GRAVOK_TEXT("NameBox", "Geben sie bitte ihren Namen ein:"),
                                                GRAVOK_TEXT("NameBox", "Namen?"));
    const std::string name = answer.value_or("");
    const std::string& score = game_.frmHaupt().lblP->Caption;
    const std::string entry = entryText(score, name, game_.Start.Episode);
    EntryResult result = appendEntry(places, kodierer_.encode(entry, Schluessel));
    if (!result.writtenTo.empty()) {
        added_ = EntryPlace{result.writtenTo / ListName, result.line};
        if (game_.entryAdded)
            game_.entryAdded(added_->list, added_->line);
    }
    return result;
}

void FrmPunkte::reportEntry(const ListPlaces& places, const EntryResult& entry)
{
    if (!entry.pending.empty()) {
        for (const auto& p : entry.problems) {
            if (!worthTelling(p))
                continue;
            told_.push_back(describe(p));
            notes_.push_back(told(
                p.error == EWOULDBLOCK && p.path.parent_path() == entry.pending
                    ? GRAVOK_TEXT("Meldungen", "%1: %2. Der Punktestand wird eingetragen, sobald die Sperre frei ist.")
                    : GRAVOK_TEXT("Meldungen", "%1: %2."),
                p));
        }
        return;
    }
    if (entry.writtenTo.empty()) {
        for (std::size_t i = 0; i < entry.problems.size(); ++i)
            notes_.push_back(
                told(i + 1 == entry.problems.size()
                         ? GRAVOK_TEXT("Meldungen", "Der Punktestand konnte nicht gespeichert werden: %1: %2. "
                                                    "Das Spiel geht weiter.")
                         : GRAVOK_TEXT("Meldungen", "Der Punktestand konnte nicht gespeichert werden: %1: %2."),
                     entry.problems[i]));
        if (entry.problems.empty())
            notes_.push_back(GRAVOK_TEXT("Meldungen", "Der Punktestand konnte nicht gespeichert werden: es gibt kein "
                                                      "Verzeichnis dafür. Das Spiel geht weiter."));
        return;
    }
    if (entry.writtenTo != places.user)
        return;
    for (const auto& p : entry.problems) {
        if (!worthTelling(p))
            continue;
        told_.push_back(describe(p));
        notes_.push_back(told(GRAVOK_TEXT("Meldungen", "%1: %2. Der Punktestand steht stattdessen in %3."), p,
                              {Message::literal(nameOf(places.user / ListName))}));
    }
}

DecodedList FrmPunkte::decodeFiles(const ListPlaces& places, const std::vector<ListLines>& files,
                                   std::vector<FileProblem>& problems)
{
    DecodedList list;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i].problem)
            problems.push_back(*files[i].problem);
        decodeInto(list, files[i].lines, kodierer_, places.read[i] / ListName);
    }
    return list;
}

void FrmPunkte::fillList(const DecodedList& list)
{
    ShownList shown = shownList(list);
    Liste->List = std::move(shown.rows);
    rowPlaces_ = std::move(shown.places);
}

void FrmPunkte::report(const DecodedList& list, const std::vector<FileProblem>& unreadable)
{
    Platform& platform = game_.platform;
    for (const auto& note : notes_)
        platform.message(note);
    notes_.clear();
    for (const auto& p : unreadable) {
        // What kept the entry from a list already named it; once is enough.
        if (std::find(told_.begin(), told_.end(), describe(p)) == told_.end())
            platform.message(told(GRAVOK_TEXT("Meldungen", "Die Punkteliste kann nicht gelesen werden: %1: %2."), p));
    }
    told_.clear();
    if (list.unreadable == 1)
        platform.message(GRAVOK_TEXT("Meldungen", "1 Eintrag der Punkteliste ist beschädigt und wird nicht angezeigt. "
                                                  "Er bleibt unverändert in der Datei."));
    else if (list.unreadable > 1)
        platform.message({GRAVOK_TEXT("Meldungen", "%1 Einträge der Punkteliste sind beschädigt und werden nicht "
                                                   "angezeigt. Sie bleiben unverändert in der Datei."),
                          {Message::literal(decimal(static_cast<long long>(list.unreadable)))}});
}

std::optional<std::size_t> FrmPunkte::addedRow() const
{
    if (!added_)
        return std::nullopt;
    const auto at = std::find(rowPlaces_.begin(), rowPlaces_.end(), *added_);
    if (at == rowPlaces_.end())
        return std::nullopt;
    return static_cast<std::size_t>(at - rowPlaces_.begin());
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
