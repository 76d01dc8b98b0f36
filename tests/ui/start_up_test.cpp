// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does before its window: the answers that need no display, and Qt's
// own texts in German.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>

#include "ui/start_up.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void earlyAnswers_data();
    void earlyAnswers();
    void qtSpeaksGerman();
};

void StartUpTest::earlyAnswers_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("starts"); // empty: no early answer, the window starts
    const QString help = QStringLiteral("Aufruf: gravok");
    const QString version = QStringLiteral("Gravok " GRAVOK_VERSION "\n");
    QTest::newRow("nothing") << QStringList{} << QString();
    QTest::newRow("stats") << QStringList{"--stats"} << QString();
    QTest::newRow("qt's own option") << QStringList{"-platform", "offscreen"} << QString();
    QTest::newRow("--help") << QStringList{"--help"} << help;
    QTest::newRow("-h after stats") << QStringList{"--stats", "-h"} << help;
    QTest::newRow("-?") << QStringList{"-?"} << help;
    QTest::newRow("--version") << QStringList{"--version"} << version;
    QTest::newRow("-v") << QStringList{"-v"} << version;
    QTest::newRow("the first one wins") << QStringList{"-v", "--help"} << version;
    QTest::newRow("after -- it is no option") << QStringList{"--", "--help"} << QString();
}

void StartUpTest::earlyAnswers()
{
    QFETCH(QStringList, args);
    QFETCH(QString, starts);
    std::vector<std::string> argv{"gravok"};
    for (const QString& a : args)
        argv.push_back(a.toStdString());
    const auto answer = earlyAnswer(argv);
    if (starts.isEmpty()) {
        QVERIFY(!answer);
        return;
    }
    QVERIFY(answer);
    QVERIFY2(QString::fromStdString(*answer).startsWith(starts), answer->c_str());
}

void StartUpTest::qtSpeaksGerman()
{
    const QString qm = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qm))
        QSKIP("Qt's German translations (qt6-translations-l10n) are not installed");
    QVERIFY(loadQtGerman(*QCoreApplication::instance()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

Register<StartUpTest> startUpTest;

} // namespace gravok::ui::test

#include "start_up_test.moc"
