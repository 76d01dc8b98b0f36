// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help file the game ships, read as the viewer reads it.
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

#include "help_topics.h"

using namespace gravok::help;

class HelpFileTest : public QObject {
    Q_OBJECT
    QString html_;

private slots:
    void initTestCase()
    {
        const HelpText text = readHelpFile(QStringLiteral(GRAVOK_HELP_FILE));
        QVERIFY2(text.ok(), qPrintable(text.error));
        html_ = text.html;
    }

    // What a player looking up each topic must find there, in German sentences.
    void everyTopicOfTheGameIsThere_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("mentions");
        const std::pair<const char*, const char*> topics[] = {
            {"Inhalt", "Gravoks|Fähre"},
            {"Haupt - Menü", "16 Richtungen|−100 bis 100|zehn Schüsse|F1|F2|F4|Ende|Highscore|Hilfe|Info"},
            {"Neues Spiel",
             "Gravokitenstrum|Satelliten - Chaos|Zerstörung der Planeten|Bunte Planeten!|Enter|Esc|Abbrechen"},
            {"Highscore", "Punkte.lst|~/.local/share/gravok/|Namen|Doppelklick|Leertaste"},
            {"Info", "Version|Webseite|E-Mail"},
            {"Einstellungen",
             "F3|Lautstärke|Ton|Flüssige Bewegung|Vollbild|Sprache|Taste drücken|tauschen|Standard|gravok.conf"}};
        for (const auto& [topic, mentions] : topics)
            QTest::newRow(topic) << QString::fromUtf8(topic) << QString::fromUtf8(mentions);
    }
    void everyTopicOfTheGameIsThere()
    {
        QFETCH(QString, topic);
        QFETCH(QString, mentions);
        QCOMPARE(anchorNames(html_).count(topic), 1);
        const QString text = QTextDocumentFragment::fromHtml(sectionHtml(html_, topic)).toPlainText();
        QVERIFY2(text.size() > 150 &&
                     (text.contains(QStringLiteral(" und ")) || text.contains(QStringLiteral(" die "))),
                 qPrintable(text));
        for (const QString& m : mentions.split('|'))
            QVERIFY2(text.contains(m), qPrintable(topic + QStringLiteral(" lacks ") + m));
    }

    // Every link inside the file leads to a topic, the contents lead to every topic, and
    // umlauts were not saved twice as UTF-8 ("ü" as "Ã¼").
    void linksAndUmlauts()
    {
        const QStringList anchors = anchorNames(html_);
        static const QRegularExpression href(QStringLiteral("href\\s*=\\s*\"#([^\"]*)\""));
        int links = 0;
        for (const auto& m : href.globalMatch(withoutComments(html_))) {
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++links;
        }
        QVERIFY(links >= 4);
        const QString contents = sectionHtml(html_, ContentsTopic);
        for (const QString& topic : anchors)
            QVERIFY2(topic == ContentsTopic || contents.contains(QStringLiteral("href=\"#%1\"").arg(topic)),
                     qPrintable(topic));
        QVERIFY(!html_.contains(QChar(0xC3)) && !html_.contains(QChar::ReplacementCharacter));
        QVERIFY(html_.contains(QStringLiteral("Menü")));
    }

    // The English help has the same topics, found by their stable names, and links only to them.
    void theEnglishHelpHasEveryTopic()
    {
        const HelpText english = readHelpFile(QStringLiteral(GRAVOK_HELP_FILE_EN));
        QVERIFY2(english.ok(), qPrintable(english.error));
        const QStringList anchors = anchorNames(english.html);
        QCOMPARE(anchors,
                 QStringList({"contents", "main", "gamepad", "settings", "rules", "new-game", "highscore", "info"}));
        QCOMPARE(anchors.size(), anchorNames(html_).size());
        static const QRegularExpression href(QStringLiteral("href=\"#([^\"]*)\""));
        for (const auto& m : href.globalMatch(withoutComments(english.html)))
            QVERIFY2(anchors.contains(m.captured(1)), qPrintable(m.captured(1)));
        QCOMPARE(resolveTopic(QStringLiteral("nowhere"), anchors), QStringLiteral("contents"));
    }
};

QTEST_MAIN(HelpFileTest)
#include "help_file_test.moc"
