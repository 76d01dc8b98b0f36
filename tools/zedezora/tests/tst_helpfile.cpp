// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

#include "help_topics.h"
#include "suites.h"

using namespace gravok::help;

// The help file the game ships, as the player will read it.
class HelpFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyTopicOfTheGameIsThere_data();
    void everyTopicOfTheGameIsThere();
    void internalLinksLeadSomewhere();
    void contentsLinksToEveryTopic();
    void umlautsAreNotGarbled();

private:
    QString html_;
};

void HelpFileTest::initTestCase()
{
    const HelpText text = readHelpFile(QStringLiteral(GRAVOK_HELP_FILE));
    QVERIFY2(text.ok(), qPrintable(text.error));
    html_ = text.html;
}

void HelpFileTest::everyTopicOfTheGameIsThere_data()
{
    // What a player looking up each topic must find in it.
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("Inhalt") << "Inhalt" << QStringList{"Gravoks", "Fähre"};
    QTest::newRow("Haupt - Menü") << "Haupt - Menü"
                                  << QStringList{"16 Richtungen", "−100 bis 100", "zehn Schüsse", "F1",  "F2", "F4",
                                                 "Ende",          "Highscore",    "Hilfe",        "Info"};
    QTest::newRow("Neues Spiel") << "Neues Spiel" << QStringList{"Gravokitenstrum",
                                                                 "Satelliten - Chaos",
                                                                 "Zerstörung der Planeten",
                                                                 "Bunte Planeten!",
                                                                 "Enter",
                                                                 "Esc",
                                                                 "Abbrechen"};
    QTest::newRow("Highscore") << "Highscore"
                               << QStringList{"Punkte.lst", "~/.local/share/gravok/", "Namen", "Doppelklick",
                                              "Leertaste"};
    QTest::newRow("Info") << "Info" << QStringList{"Version", "Webseite", "E-Mail"};
}

void HelpFileTest::everyTopicOfTheGameIsThere()
{
    QFETCH(QString, topic);
    QFETCH(QStringList, mentions);
    QCOMPARE(anchorNames(html_).count(topic), 1);
    const QString text = QTextDocumentFragment::fromHtml(sectionHtml(html_, topic)).toPlainText();
    QVERIFY2(text.size() > 150, qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(" und ")) || text.contains(QStringLiteral(" die ")), qPrintable(text));
    for (const QString& m : mentions)
        QVERIFY2(text.contains(m), qPrintable(topic + QStringLiteral(" lacks ") + m));
}

void HelpFileTest::internalLinksLeadSomewhere()
{
    const QStringList anchors = anchorNames(html_);
    static const QRegularExpression href(QStringLiteral(R"re(href\s*=\s*"#([^"]*)")re"));
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    int links = 0;
    for (const auto& m : href.globalMatch(QString(html_).remove(comment))) {
        ++links;
        QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
    }
    QVERIFY(links >= 4);
}

void HelpFileTest::contentsLinksToEveryTopic()
{
    const QString contents = sectionHtml(html_, ContentsTopic);
    for (const QString& topic : anchorNames(html_)) {
        if (topic != ContentsTopic)
            QVERIFY2(contents.contains(QStringLiteral("href=\"#%1\"").arg(topic)), qPrintable(topic));
    }
}

void HelpFileTest::umlautsAreNotGarbled()
{
    // Saved twice as UTF-8, "ü" becomes "Ã¼".
    QVERIFY(!html_.contains(QChar(0xC3)));
    QVERIFY(!html_.contains(QChar::ReplacementCharacter));
    QVERIFY(html_.contains(QStringLiteral("Menü")));
}

int runHelpFileTests(int argc, char** argv)
{
    HelpFileTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_helpfile.moc"
