// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Languages: which one the window speaks, its catalogues, and a German text as it is shown.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

class QTranslator;

namespace gravok {
class Message;
} // namespace gravok

namespace gravok::ui {

// German is the game's own language and the source of every text; a catalogue translates it.
enum class Language { German, English };

// The player's choice in "Sprache", as its row counts: Automatisch, Deutsch, English.
enum class LanguageChoice { Automatic = 0, German = 1, English = 2 };

// Reads an environment variable; nothing when it is unset or empty.
using Environment = std::function<std::optional<std::string>(const char* name)>;
[[nodiscard]] Environment processEnvironment();

// The desktop's language as Qt's locale reads it: LANGUAGE's list first, then the first
// of LC_ALL, LC_MESSAGES and LANG that is set. English for English; German for German,
// for C and POSIX, and for every language we have no catalogue of.
[[nodiscard]] Language desktopLanguage(const Environment& env);
[[nodiscard]] Language languageOf(LanguageChoice choice, const Environment& env);

// The catalogues the program speaks with: ours, and Qt's own for its standard texts. A
// change takes effect at once: Qt tells every widget, and the views paint anew.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    void use(Language language);
    [[nodiscard]] Language language() const { return language_; }
    // The language the program speaks now: the last one used.
    [[nodiscard]] static Language current();
    // Counts the changes, so a painted picture knows it is out of date.
    [[nodiscard]] static std::uint64_t epoch();

private:
    std::unique_ptr<QTranslator> ours_;
    std::unique_ptr<QTranslator> qt_;
    Language language_ = Language::German;
};

// The help viewer's argument "DIR/Gravok.quh, TOPIC" for LANGUAGE: in English the English
// help file beside the German one, at the topic's stable name, when there is one.
[[nodiscard]] std::string helpArgument(const std::string& argument, Language language);
// What the help viewer is told of the language: "de" or "en".
[[nodiscard]] const char* languageCode(Language language);

// A German text of the game's as the window shows it, in CONTEXT: the name of the form it
// stands in. Numbers, names and anything the catalogue does not know pass unchanged.
[[nodiscard]] QString shown(const char* context, const std::string& german);
// A message of the core's as the window shows it: its pattern translated in "Meldungen",
// each %N replaced in one pass by its argument shown alike; literals stay as they are.
[[nodiscard]] QString shown(const Message& message);

} // namespace gravok::ui
