#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "help_topics.h"
#include "suites.h"

using namespace gravok::help;

Q_DECLARE_METATYPE(gravok::help::HelpRequest)

namespace {

const QString Default = QStringLiteral("/opt/gravok/Gravok.quh");

const QString Sample = QStringLiteral(
    "<html><!-- an example: <a name=\"Beispiel\"></a> -->\n<body>\n"
    "<h1><a name=\"Inhalt\">Hilfe</a></h1>\n"
    "<p><a href=\"#Info\">Info</a></p>\n"
    "<h2><a name=\"Haupt - Menü\">Steuerung</a></h2>\n"
    "<p>Pfeiltasten lenken.</p>\n"
    "<h2><A class=\"x\" NAME='Info'>Info</A></h2>\n"
    "<p>Version</p>\n"
    "</body></html>\n");

} // namespace

class TopicTest : public QObject {
    Q_OBJECT
private slots:
    void parsesArguments_data();
    void parsesArguments();
    void findsAnchorsButNotLinksOrComments();
    void resolvesTopics_data();
    void resolvesTopics();
    void cutsSections_data();
    void cutsSections();
    void tellsInternalLinks_data();
    void tellsInternalLinks();
    void readsUtf8();
    void explainsUnreadableFiles_data();
    void explainsUnreadableFiles();
};

void TopicTest::parsesArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<HelpRequest>("expected");
    const auto row = [](const char* name, QStringList args, QString file, QString topic) {
        QTest::newRow(name) << args << HelpRequest{file, topic};
    };
    row("as the game passes it", {"/a/b/Gravok.quh, Haupt - Menü"}, "/a/b/Gravok.quh", "Haupt - Menü");
    row("blank in the folder", {"/a b/Gravok.quh, Neues Spiel"}, "/a b/Gravok.quh", "Neues Spiel");
    row("comma in the folder", {"/Spiele, alt/Gravok.quh, Info"}, "/Spiele, alt/Gravok.quh", "Info");
    row(".quh, in the folder", {"/x.quh, y/Gravok.quh, Highscore"}, "/x.quh, y/Gravok.quh", "Highscore");
    row("upper-case suffix", {"/A/GRAVOK.QUH, Info"}, "/A/GRAVOK.QUH", "Info");
    row("blanks around the topic", {"/a/Gravok.quh,   Info  "}, "/a/Gravok.quh", "Info");
    row("comma without blank", {"/a/Gravok.quh,Info"}, "/a/Gravok.quh", "Info");
    row("empty topic", {"/a/Gravok.quh, "}, "/a/Gravok.quh", "");
    row("file alone", {"/a/Gravok.quh"}, "/a/Gravok.quh", "");
    row("another file name", {"/a, b/hilfe.html, Info"}, "/a, b/hilfe.html", "Info");
    row("two arguments with comma", {"/a b/Gravok.quh,", "Neues Spiel"}, "/a b/Gravok.quh", "Neues Spiel");
    row("two arguments without comma", {"/a/Gravok.quh", "Highscore"}, "/a/Gravok.quh", "Highscore");
    row("topic cut at its blanks", {"/a/Gravok.quh,", "Haupt", "-", "Menü"}, "/a/Gravok.quh", "Haupt - Menü");
    row("path cut at its blanks", {"/a", "b/Gravok.quh,", "Info"}, "/a b/Gravok.quh", "Info");
    row("no arguments", {}, Default, "");
}

void TopicTest::parsesArguments()
{
    QFETCH(QStringList, args);
    QFETCH(HelpRequest, expected);
    const HelpRequest got = parseArguments(args, Default);
    QCOMPARE(got.file, expected.file);
    QCOMPARE(got.topic, expected.topic);
}

void TopicTest::findsAnchorsButNotLinksOrComments()
{
    QCOMPARE(anchorNames(Sample), (QStringList{"Inhalt", "Haupt - Menü", "Info"}));
    QVERIFY(anchorNames(QStringLiteral("<a href=\"#x\">x</a><p name=\"y\">")).isEmpty());
}

void TopicTest::resolvesTopics_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exact") << "Haupt - Menü" << "Haupt - Menü";
    QTest::newRow("contents") << "Inhalt" << "Inhalt";
    QTest::newRow("empty") << "" << "Inhalt";
    QTest::newRow("blanks only") << "   " << "Inhalt";
    QTest::newRow("unknown") << "Optionen" << "Inhalt";
    QTest::newRow("other case") << "haupt - MENÜ" << "Haupt - Menü";
    QTest::newRow("other blanks") << "Haupt-Menü" << "Haupt - Menü";
    QTest::newRow("umlaut spelled out") << "Haupt - Menue" << "Inhalt";
}

void TopicTest::resolvesTopics()
{
    QFETCH(QString, topic);
    QFETCH(QString, expected);
    QCOMPARE(resolveTopic(topic, anchorNames(Sample)), expected);
}

void TopicTest::cutsSections_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QStringList>("inside");
    QTest::addColumn<QStringList>("outside");
    QTest::newRow("first") << "Inhalt" << QStringList{"<h1>", "#Info"} << QStringList{"Steuerung", "<html>"};
    QTest::newRow("middle") << "Haupt - Menü" << QStringList{"<h2>", "Pfeiltasten"}
                            << QStringList{"#Info", "Version"};
    QTest::newRow("last runs to the end") << "Info" << QStringList{"<h2>", "Version", "</html>"}
                                          << QStringList{"Pfeiltasten"};
    QTest::newRow("missing") << "Highscore" << QStringList{} << QStringList{"<"};
}

void TopicTest::cutsSections()
{
    QFETCH(QString, topic);
    QFETCH(QStringList, inside);
    QFETCH(QStringList, outside);
    const QString section = sectionHtml(Sample, topic);
    for (const QString& s : inside)
        QVERIFY2(section.contains(s), qPrintable(s));
    for (const QString& s : outside)
        QVERIFY2(!section.contains(s), qPrintable(s));
}

void TopicTest::tellsInternalLinks_data()
{
    QTest::addColumn<QUrl>("link");
    QTest::addColumn<bool>("internal");
    QTest::newRow("anchor only") << QUrl("#Neues Spiel") << true;
    QTest::newRow("same file") << QUrl("file:///opt/gravok/Gravok.quh#Info") << true;
    QTest::newRow("same file, dotted path") << QUrl::fromLocalFile("/opt/x/../gravok/Gravok.quh") << true;
    QTest::newRow("web") << QUrl("https://gravok.example.org/") << false;
    QTest::newRow("mail") << QUrl("mailto:gravok@example.org") << false;
    QTest::newRow("other file") << QUrl::fromLocalFile("/opt/gravok/Punkte.lst") << false;
}

void TopicTest::tellsInternalLinks()
{
    QFETCH(QUrl, link);
    QFETCH(bool, internal);
    QCOMPARE(isInternalLink(link, QUrl::fromLocalFile(Default)), internal);
}

void TopicTest::readsUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gravok.quh"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF<p>Fähre – Größe</p>"); // with a byte-order mark
    f.close();
    const HelpText text = readHelpFile(path);
    QVERIFY(text.ok());
    QCOMPARE(text.html, QStringLiteral("<p>Fähre – Größe</p>"));
}

void TopicTest::explainsUnreadableFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << false << "Die Datei gibt es nicht.";
    QTest::newRow("folder") << QByteArray() << true << "Das ist ein Ordner, keine Datei.";
    QTest::newRow("empty") << QByteArray("\n  \n") << false << "Die Datei ist leer.";
    QTest::newRow("Latin-1") << QByteArray("<p>F\xE4hre</p>") << false << "Die Datei ist kein UTF-8-Text.";
    QTest::newRow("cut UTF-8") << QByteArray("<p>F\xC3") << false << "Die Datei ist kein UTF-8-Text.";
}

void TopicTest::explainsUnreadableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asFolder);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gravok.quh"));
    if (asFolder) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Gravok.quh")));
    } else if (!content.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    const HelpText text = readHelpFile(path);
    QVERIFY(!text.ok());
    QVERIFY(text.html.isEmpty());
    QCOMPARE(text.error, reason);
}

int runTopicTests(int argc, char** argv)
{
    TopicTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_topics.moc"
