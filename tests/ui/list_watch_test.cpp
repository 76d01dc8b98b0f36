// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a listed game from the high-score layer: only rows with a replay offer it, the
// row found is the right entry though the list is sorted, and the showing runs a game of
// its own over the window and gives the window back.
#include <fstream>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "replay/replay_links.h"
#include "scores/frm_punkte.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "ui/form_view.h"
#include "ui/list_watch.h"
#include "ui/replay_watch.h"
#include "ui/scores_layer.h"
#include "test_forms.h"
#include "ui_tests.h"

namespace gravok::ui::test {
namespace {

namespace fs = std::filesystem;

// $XDG_DATA_HOME pointed at a directory of our own for the test's length.
struct OwnDataHome {
    QTemporaryDir dir;
    QByteArray before = qgetenv("XDG_DATA_HOME");
    OwnDataHome() { qputenv("XDG_DATA_HOME", dir.path().toUtf8()); }
    ~OwnDataHome() { qputenv("XDG_DATA_HOME", before); }
    [[nodiscard]] fs::path gravok() const { return fs::path(dir.path().toStdString()) / "gravok"; }
    [[nodiscard]] fs::path replays() const { return gravok() / "replays"; }
};

// The user's list, in file order: Bert, Cleo, Dora; shown Cleo, Bert, Dora. Cleo's and
// Dora's games were recorded, Bert's not.
void writeList(const OwnDataHome& home)
{
    fs::create_directories(home.replays());
    const Kodierer k;
    std::ofstream list(home.gravok() / ListName);
    for (const char* entry : {"000300: Bert (2)", "000900: Cleo (1)", "000100: Dora (3)"})
        list << k.encode(entry, Schluessel) << "\r\n";
    const fs::path file = home.gravok() / ListName;
    (void)replay::appendLink(home.replays(), {file, 1, "r-cleo", 2});
    (void)replay::appendLink(home.replays(), {file, 2, "r-dora", 1});
}

} // namespace

class ListWatchTest : public QObject {
    Q_OBJECT
private slots:
    void rowsOfferTheirOwnGame_data();
    void rowsOfferTheirOwnGame();
    void showingGivesTheWindowBack();
    void brokenReplayIsRefused_data();
    void brokenReplayIsRefused();
};

void ListWatchTest::rowsOfferTheirOwnGame_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("watched");
    QTest::newRow("space on the best") << 0 << false << "r-cleo";
    QTest::newRow("space on an unrecorded row") << 1 << false << "";
    QTest::newRow("space on the last") << 2 << false << "r-dora";
    QTest::newRow("space with no row chosen") << -1 << false << "";
    QTest::newRow("double-click on the best") << 0 << true << "r-cleo";
    QTest::newRow("double-click on an unrecorded row") << 1 << true << "";
}

void ListWatchTest::rowsOfferTheirOwnGame()
{
    QFETCH(int, row);
    QFETCH(bool, doubleClick);
    QFETCH(QString, watched);
    const OwnDataHome home;
    writeList(home);
    Desktop d;
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    QStringList seen;
    int games = 0;
    d.platform.watchListed = [&](const replay::ReplayLink& link) {
        seen << QString::fromStdString(link.replay);
        games = link.game;
    };
    FrmPunkte punkte(d.game);
    QStringList marked;
    QStringList texts;
    QTimer::singleShot(0, &d.window, [&] {
        auto* layer = qobject_cast<ScoresLayer*>(d.host.topLayer());
        QListWidget* list = layer ? layer->list() : nullptr;
        if (!list)
            return;
        for (int i = 0; i < list->count(); ++i) {
            texts << list->item(i)->text();
            marked << (layer->linkOfRow(i) ? QStringLiteral("mark") : QStringLiteral("-"));
        }
        list->setCurrentRow(row);
        if (doubleClick) {
            QWidget* rows = list->viewport();
            const QPoint at = list->visualItemRect(list->item(row)).center();
            // QTest's double-click alone brings no press the view could pair it with.
            QTest::mouseClick(rows, Qt::LeftButton, {}, at);
            QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
        } else {
            QTest::keyClick(&layer->view(), Qt::Key_Space);
        }
        QApplication::processEvents();
        QTest::keyClick(&layer->view(), Qt::Key_Escape);
    });
    QTimer::singleShot(5000, &d.window, [&] { d.host.end(); }); // never hang on a failure
    d.host.call([&] { d.game.showModal(punkte); });
    QVERIFY(!d.host.ended());
    // The list's own texts carry no mark; the view alone marks them.
    QCOMPARE(texts, QStringList({"000900: Cleo (1)", "000300: Bert (2)", "000100: Dora (3)"}));
    QCOMPARE(marked, QStringList({"mark", "-", "mark"}));
    QCOMPARE(seen, watched.isEmpty() ? QStringList() : QStringList{watched});
    if (watched == "r-cleo")
        QCOMPARE(games, 2);
}

// A golden replay shown over the window: its own view covers the main one, Escape ends it,
// and the running game and its list are as before.
void ListWatchTest::showingGivesTheWindowBack()
{
    const OwnDataHome home;
    writeList(home);
    fs::copy_file(fs::path(GRAVOK_SOURCE_DIR) / "tests/replays/episode1.replay", home.replays() / "episode1.replay");
    Desktop d;
    d.window.resize(640, 576);
    d.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.window));
    d.window.setWindowTitle(QStringLiteral("Gravok"));
    const std::string score = d.game.frmHaupt().lblP->Caption;
    const auto listBefore = readList(home.gravok()).lines;

    bool covered = false;
    QString titleWhile;
    int loaded = 0;
    const auto why = watchListed({home.gravok() / ListName, 1, "episode1.replay", 1}, home.replays(), d.window.view(),
                                 &d.window, [&](ReplayWatch&) {
                                     QTimer::singleShot(1500, &d.window, [&] {
                                         const auto views = d.window.view().findChildren<FormView*>();
                                         for (const FormView* v : views)
                                             covered =
                                                 covered || (v->isVisible() && v->geometry() == d.window.view().rect());
                                         titleWhile = d.window.windowTitle();
                                         loaded = static_cast<int>(views.size());
                                         QTest::keyClick(&d.window.view(), Qt::Key_Escape);
                                     });
                                 });
    QVERIFY2(!why, why ? why->c_str() : "");
    QVERIFY(covered);
    QVERIFY(loaded >= 1);
    QVERIFY(titleWhile.contains(QStringLiteral("Wiedergabe")));
    QCOMPARE(d.window.windowTitle(), QStringLiteral("Gravok"));
    QVERIFY(d.window.view().findChildren<FormView*>().isEmpty());
    QVERIFY(!d.host.ended());
    QVERIFY2(d.errors.isEmpty(), qPrintable(d.errors.join('\n')));
    QCOMPARE(d.game.frmHaupt().lblP->Caption, score);
    QCOMPARE(readList(home.gravok()).lines, listBefore);
}

void ListWatchTest::brokenReplayIsRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a replay") << QByteArray("kein Spiel\n");
}

void ListWatchTest::brokenReplayIsRefused()
{
    QFETCH(QByteArray, content);
    const OwnDataHome home;
    writeList(home);
    if (!content.isEmpty())
        std::ofstream(home.replays() / "r-cleo") << content.toStdString();
    Desktop d;
    const auto why =
        watchListed({home.gravok() / ListName, 1, "r-cleo", 1}, home.replays(), d.window.view(), &d.window);
    QVERIFY(why);
    QVERIFY(!why->empty());
    QVERIFY(d.window.view().findChildren<FormView*>().isEmpty());
}

namespace {
const Register<ListWatchTest> registered;
} // namespace

} // namespace gravok::ui::test

#include "list_watch_test.moc"
