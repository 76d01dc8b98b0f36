#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "help_window.h"
#include "suites.h"

using namespace gravok::help;

namespace {

const QString HelpFile = QStringLiteral(GRAVOK_HELP_FILE);

// The paragraph whose text carries the named anchor; invalid when there is none.
QTextBlock anchorBlock(const QTextDocument* doc, const QString& name)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name))
                return b;
        }
    }
    return {};
}

// What the player sees first: the paragraph at the top of the visible text.
QTextBlock topBlock(const QTextBrowser* browser)
{
    const int margin = qRound(browser->document()->documentMargin());
    return browser->cursorForPosition(QPoint(margin + 4, 4)).block();
}

// Where a link's text is on screen, in the browser's viewport.
QPoint linkPoint(const QTextBrowser* browser, const QString& href)
{
    for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() != href)
                continue;
            QTextCursor c(browser->document());
            c.setPosition(it.fragment().position() + 1);
            return browser->cursorRect(c).center() + QPoint(2, 0);
        }
    }
    return {-1, -1};
}

QPushButton* button(const HelpWindow& w, const char* name)
{
    return w.findChild<QPushButton*>(QLatin1String(name));
}

bool showAndWait(HelpWindow& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

} // namespace

#define VERIFY_AT_TOP(window, anchor)                                                                        \
    do {                                                                                                     \
        const QTextBlock want = anchorBlock((window).browser()->document(), anchor);                        \
        QVERIFY2(want.isValid(), qPrintable(anchor));                                                        \
        QTRY_COMPARE(topBlock((window).browser()).blockNumber(), want.blockNumber());                        \
    } while (false)

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensAtTopic_data();
    void opensAtTopic();
    void opensFromCombinedArgumentWithCommaInFolder();
    void internalLinksAndHistory();
    void externalLinksLeaveTheViewer_data();
    void externalLinksLeaveTheViewer();
    void missingFileSaysSoInGerman();
    void escapeCloses();
};

void WindowTest::opensAtTopic_data()
{
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("anchor");
    for (const char* t : {"Inhalt", "Haupt - Menü", "Neues Spiel", "Highscore", "Info"})
        QTest::newRow(t) << QString::fromUtf8(t) << QString::fromUtf8(t);
    QTest::newRow("empty") << "" << "Inhalt";
    QTest::newRow("unknown") << "Optionen" << "Inhalt";
}

void WindowTest::opensAtTopic()
{
    QFETCH(QString, topic);
    QFETCH(QString, anchor);
    HelpWindow w({HelpFile, topic});
    QVERIFY(w.loaded());
    QCOMPARE(w.windowTitle(), QStringLiteral("Gravok – Hilfe"));
    QVERIFY(showAndWait(w));
    VERIFY_AT_TOP(w, anchor);
    if (anchor == ContentsTopic)
        QCOMPARE(w.browser()->verticalScrollBar()->value(), 0);
    else
        QVERIFY(w.browser()->verticalScrollBar()->value() > 0);
}

void WindowTest::opensFromCombinedArgumentWithCommaInFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Spiele, alt")));
    const QString copy = dir.filePath(QStringLiteral("Spiele, alt/Gravok.quh"));
    QVERIFY(QFile::copy(HelpFile, copy));
    HelpWindow w(parseArguments({copy + QStringLiteral(", Neues Spiel")}, {}));
    QVERIFY(w.loaded());
    QVERIFY(showAndWait(w));
    VERIFY_AT_TOP(w, QStringLiteral("Neues Spiel"));
}

void WindowTest::internalLinksAndHistory()
{
    HelpWindow w({HelpFile, ContentsTopic});
    QVERIFY(showAndWait(w));
    QVERIFY(!button(w, "back")->isEnabled());

    const QPoint link = linkPoint(w.browser(), QStringLiteral("#Neues Spiel"));
    QVERIFY(w.browser()->viewport()->rect().contains(link));
    QTest::mouseClick(w.browser()->viewport(), Qt::LeftButton, {}, link);
    VERIFY_AT_TOP(w, QStringLiteral("Neues Spiel"));
    QVERIFY(button(w, "back")->isEnabled());

    QTest::mouseClick(button(w, "back"), Qt::LeftButton);
    VERIFY_AT_TOP(w, ContentsTopic);
    QVERIFY(button(w, "forward")->isEnabled());

    QTest::mouseClick(button(w, "forward"), Qt::LeftButton);
    VERIFY_AT_TOP(w, QStringLiteral("Neues Spiel"));
    QVERIFY(!button(w, "forward")->isEnabled());

    QTest::mouseClick(button(w, "contents"), Qt::LeftButton);
    VERIFY_AT_TOP(w, ContentsTopic);
}

void WindowTest::externalLinksLeaveTheViewer_data()
{
    QTest::addColumn<QString>("href");
    QTest::newRow("web") << "https://gravok.example.org/";
    QTest::newRow("mail") << "mailto:gravok@example.org";
}

void WindowTest::externalLinksLeaveTheViewer()
{
    QFETCH(QString, href);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Gravok.quh"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("<h1><a name=\"Inhalt\">Hilfe</a></h1>\n<p><a href=\"%1\">Hinaus</a></p>\n")
                .arg(href)
                .toUtf8());
    f.close();

    QList<QUrl> opened;
    HelpWindow w({path, {}}, [&opened](const QUrl& url) { opened << url; });
    QVERIFY(showAndWait(w));
    const QUrl before = w.browser()->source();
    QTest::mouseClick(w.browser()->viewport(), Qt::LeftButton, {}, linkPoint(w.browser(), href));
    QCOMPARE(opened, QList<QUrl>{QUrl(href)});
    QCOMPARE(w.browser()->source(), before);
    QVERIFY(!button(w, "back")->isEnabled());
}

void WindowTest::missingFileSaysSoInGerman()
{
    const QString missing = QStringLiteral("/nicht/da/Gravok.quh");
    HelpWindow w({missing, QStringLiteral("Info")});
    QVERIFY(!w.loaded());
    QVERIFY(showAndWait(w));
    QCOMPARE(w.browser()->toPlainText(),
             QStringLiteral("Die Hilfedatei „/nicht/da/Gravok.quh“ konnte nicht geöffnet werden: "
                            "Die Datei gibt es nicht."));
    QVERIFY(!button(w, "contents")->isEnabled());
    QTest::mouseClick(button(w, "contents"), Qt::LeftButton); // disabled: nothing happens
    w.showTopic(ContentsTopic);
    QVERIFY(w.browser()->toPlainText().startsWith(QStringLiteral("Die Hilfedatei")));
}

void WindowTest::escapeCloses()
{
    HelpWindow w({HelpFile, QStringLiteral("Info")});
    QVERIFY(showAndWait(w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.browser(), Qt::Key_Escape);
    QTRY_VERIFY(!w.isVisible());
}

int runWindowTests(int argc, char** argv)
{
    WindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_window.moc"
