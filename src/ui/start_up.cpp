// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start_up.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gravok::ui {

std::optional<std::string> earlyAnswer(const std::vector<std::string>& args)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--")
            break;
        if (a == "-h" || a == "--help" || a == "-?" || a == "--help-all")
            return std::string("Aufruf: gravok [Optionen]\n"
                               "Gravok – ein Arcade-Spiel\n"
                               "\n"
                               "Optionen:\n"
                               "  -h, --help     Zeigt diese Hilfe.\n"
                               "  -v, --version  Zeigt die Version.\n"
                               "  --stats        Gibt jede Sekunde Ticks, Bilder, CPU-Zeit und Speicher aus.\n"
                               "  --mute         Startet ohne Ton (M schaltet ihn ein und aus).\n"
                               "  --stepped      Zeigt das Spiel in Schritten statt in flüssiger Bewegung.\n"
                               "  --replay DATEI Zeigt ein aufgezeichnetes Spiel: P hält an, Escape beendet,\n"
                               "                 die Rechts-Taste spult gedrückt vierfach vor.\n"
                               "  --game K       Beginnt die Wiedergabe mit dem K-ten Spiel der Aufzeichnung\n"
                               "                 (ohne: dem ersten).\n"
                               "\n"
                               "Gravok ist freie Software unter der GNU General Public License,\n"
                               "Version 3 oder später (GPL-3.0-or-later).\n");
        if (a == "-v" || a == "--version")
            return std::string("Gravok " GRAVOK_VERSION "\n");
    }
    return std::nullopt;
}

bool loadQtGerman(QCoreApplication& app)
{
    // Parented to the application, so it lives as long as the texts are needed.
    auto* qt = new QTranslator(&app);
    if (!qt->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

} // namespace gravok::ui
