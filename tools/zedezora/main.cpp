// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "help_window.h"

// zedezora "<dir>/Gravok.quh, <topic>" – the help viewer the game starts for F1.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zedezora"));
    // The game's language, as the game tells it: its own words in English from the game's
    // catalogue, or Qt's own texts (the text's context menu) in German, as the help is.
    QTranslator words;
    const bool english = qEnvironmentVariable("GRAVOK_LANGUAGE") == QLatin1String("en");
    if (english ? words.load(QStringLiteral(":/i18n/gravok_en.qm"))
                : words.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&words);
    gravok::help::applyDarkTheme(app);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    // Without a file named: the help file beside us, else in the installed data folder.
    const QDir here(QApplication::applicationDirPath());
    QString helpFile = here.filePath(QStringLiteral("Gravok.quh"));
    if (!QFileInfo::exists(helpFile))
        helpFile = QDir::cleanPath(here.filePath(QStringLiteral(GRAVOK_DATA_FROM_PROGRAM "/Gravok.quh")));
    gravok::help::HelpWindow window(gravok::help::parseArguments(args, helpFile));
    window.show();
    return QApplication::exec();
}
