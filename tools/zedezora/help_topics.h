// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

// What the help viewer does without a window: reading its arguments, reading the help
// file and finding topics in it. Kept apart from the widgets so it can be tested alone.
namespace gravok::help {

inline const QString ContentsTopic = QStringLiteral("Inhalt");

// Which help file to show, and at which topic.
struct HelpRequest {
    QString file;
    QString topic;
    bool operator==(const HelpRequest&) const = default;
};

// The viewer's arguments without the program name. The game passes one argument,
// "<dir>/Gravok.quh, <topic>"; the file and the topic as separate arguments work too.
// Without arguments the viewer shows defaultFile.
[[nodiscard]] HelpRequest parseArguments(const QStringList& args, const QString& defaultFile);

// Splits "<file>.quh, <topic>" at the last ".quh," so that a comma in a folder name
// stays part of the path.
[[nodiscard]] HelpRequest splitCombined(const QString& argument);

// The names of all anchors (<a name="...">) in a help text, in order.
// The text with every comment blanked out but each character kept in place, so that
// anchors and links shown as examples in a comment are not taken for real ones.
[[nodiscard]] QString withoutComments(const QString& html);
[[nodiscard]] QStringList anchorNames(const QString& html);

// The anchor to show for a topic: the same name, else one that differs only in case and
// blanks, else the contents.
[[nodiscard]] QString resolveTopic(const QString& topic, const QStringList& anchors);

// The lines of a help text from the topic's anchor up to the next anchor's line;
// empty when the topic is not there.
[[nodiscard]] QString sectionHtml(const QString& html, const QString& topic);

// A help file's text, or why it could not be read (in German, for the player).
struct HelpText {
    QString html;
    QString error;
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};
[[nodiscard]] HelpText readHelpFile(const QString& path);

// The sentence the viewer shows in place of the help when the file cannot be read.
[[nodiscard]] QString openFailureMessage(const QString& path, const QString& reason);

// Whether a clicked link points into the help file itself rather than out into the world.
[[nodiscard]] bool isInternalLink(const QUrl& link, const QUrl& helpFile);

} // namespace gravok::help
