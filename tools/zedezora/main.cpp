// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>

#include "help_window.h"

// zedezora "<dir>/Gravok.quh, <topic>" – the help viewer the game starts for F1.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zedezora"));
    gravok::help::applyDarkTheme(app);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const QString besideUs = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("Gravok.quh"));
    gravok::help::HelpWindow window(gravok::help::parseArguments(args, besideUs));
    window.show();
    return QApplication::exec();
}
