// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start/command_line.h"

#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include "core/game_speed.h"

namespace gravok::ui {
namespace {

constexpr CommandOption Options[] = {
    {"help", "h", nullptr, nullptr, {"Zeigt diese Hilfe.", nullptr}},
    {"version", "v", nullptr, nullptr, {"Zeigt die Version.", nullptr}},
    {"stats", nullptr, nullptr, nullptr, {"Gibt jede Sekunde Ticks, Bilder, CPU-Zeit und Speicher aus.", nullptr}},
    {"mute", nullptr, nullptr, nullptr, {"Startet ohne Ton (M schaltet ihn ein und aus).", nullptr}},
    {"stepped", nullptr, nullptr, nullptr, {"Zeigt das Spiel in Schritten statt in flüssiger Bewegung.", nullptr}},
    {"speed",
     nullptr,
     "PROZENT",
     nullptr,
     {"Spielt mit diesem Spieltempo: 50, 60, 70, 80, 90 oder 100", "(ohne: wie in den Einstellungen)."}},
    {"replay",
     nullptr,
     "DATEI",
     nullptr,
     {"Zeigt ein aufgezeichnetes Spiel: P hält an, Escape beendet,", "die Rechts-Taste spult gedrückt vierfach vor."}},
    {"game", nullptr, "K", "1", {"Beginnt die Wiedergabe mit dem K-ten Spiel der Aufzeichnung", "(ohne: dem ersten)."}},
};

// The options' column: "  --speed PROZENT " is as wide as it gets.
constexpr std::size_t OptionColumn = 15;

std::string helpText()
{
    std::string text = "Aufruf: gravok [Optionen]\nGravok – ein Arcade-Spiel\n\nOptionen:\n";
    for (const CommandOption& o : Options) {
        std::string left = o.shortName ? std::string("-") + o.shortName + ", --" + o.name : std::string("--") + o.name;
        if (o.value)
            left += std::string(" ") + o.value;
        left.resize(std::max(left.size(), OptionColumn), ' ');
        text += "  " + left + " " + o.help[0] + "\n";
        if (o.help[1])
            text += std::string(2 + OptionColumn + 1, ' ') + o.help[1] + "\n";
    }
    return text + "\nGravok ist freie Software unter der GNU General Public License,\n"
                  "Version 3 oder später (GPL-3.0-or-later).\n";
}

QString said(const CommandOption& o)
{
    QString help = QString::fromUtf8(o.help[0]);
    if (o.help[1])
        help += QLatin1Char(' ') + QString::fromUtf8(o.help[1]);
    return help;
}

} // namespace

std::span<const CommandOption> commandOptions()
{
    return Options;
}

std::optional<std::string> earlyAnswer(const std::vector<std::string>& args)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--")
            break;
        if (a == "-h" || a == "--help" || a == "-?" || a == "--help-all")
            return helpText();
        if (a == "-v" || a == "--version")
            return std::string("Gravok " GRAVOK_VERSION "\n");
    }
    return std::nullopt;
}

std::optional<CommandLine> readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Gravok – ein Arcade-Spiel"));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const CommandOption& o : Options) {
        if (o.shortName)
            continue; // help and version, added above
        QCommandLineOption option(QString::fromLatin1(o.name), said(o));
        if (o.value)
            option.setValueName(QString::fromUtf8(o.value));
        if (o.fallback)
            option.setDefaultValue(QString::fromUtf8(o.fallback));
        parser.addOption(option);
    }
    parser.process(arguments);

    CommandLine line;
    line.stats = parser.isSet(QStringLiteral("stats"));
    line.mute = parser.isSet(QStringLiteral("mute"));
    line.stepped = parser.isSet(QStringLiteral("stepped"));
    if (parser.isSet(QStringLiteral("replay")))
        line.replay = parser.value(QStringLiteral("replay")).toStdString();
    bool ok = false;
    if (parser.isSet(QStringLiteral("speed"))) {
        line.speed = parser.value(QStringLiteral("speed")).toInt(&ok);
        if (!ok || !isGameSpeed(*line.speed)) {
            std::fprintf(stderr, "gravok: --speed braucht 50, 60, 70, 80, 90 oder 100\n");
            return std::nullopt;
        }
    }
    line.game = parser.value(QStringLiteral("game")).toInt(&ok);
    if (!ok || line.game < 1) {
        std::fprintf(stderr, "gravok: --game braucht eine Zahl ab 1\n");
        return std::nullopt;
    }
    return line;
}

} // namespace gravok::ui
