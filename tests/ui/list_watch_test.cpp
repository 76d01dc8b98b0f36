// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a listed game from the high-score layer: only rows with a replay offer it, and
// the row found is the right entry though the list is sorted; a replay that cannot be
// read is refused with a reason. The showing itself, over the real window: e2e_replay.
#include <fstream>

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include "replay/replay_links.h"
#include "scores/frm_punkte.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "test_forms.h"
#include "ui/form_view.h"
#include "ui/list_watch.h"
#include "ui/scores_layer.h"

namespace gravok::ui::test {
namespace {

namespace fs = std::filesystem;

// $XDG_DATA_HOME in a directory of our own, holding the user's list in file order: Bert,
// Cleo, Dora; shown Cleo, Bert, Dora. Cleo's and Dora's games were recorded, Bert's not.
struct ListedGames {
    QTemporaryDir dir;
    QByteArray before = qgetenv("XDG_DATA_HOME");
    fs::path gravok = fs::path(dir.path().toStdString()) / "gravok";
    fs::path replays = gravok / "replays";
    ListedGames()
    {
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
        fs::create_directories(replays);
        const Kodierer k;
        std::ofstream list(gravok / ListName);
        for (const char* entry : {"000300: Bert (2)", "000900: Cleo (1)", "000100: Dora (3)"})
            list << k.encode(entry, Schluessel) << "\r\n";
        (void)replay::appendLink(replays, {gravok / ListName, 1, "r-cleo", 2});
        (void)replay::appendLink(replays, {gravok / ListName, 2, "r-dora", 1});
    }
    ~ListedGames() { qputenv("XDG_DATA_HOME", before); }
};

} // namespace

class ListWatchTest : public QObject {
    Q_OBJECT
private slots:
    void rowsOfferTheirOwnGame_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("watched");
        QTest::newRow("space on the best") << 0 << false << QStringLiteral("r-cleo 2");
        QTest::newRow("space on an unrecorded row") << 1 << false << QString();
        QTest::newRow("space with no row chosen") << -1 << false << QString();
        QTest::newRow("double-click on the last") << 2 << true << QStringLiteral("r-dora 1");
    }

    void rowsOfferTheirOwnGame()
    {
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QString, watched);
        const ListedGames listed;
        Desktop d;
        QVERIFY(d.shown());
        QStringList seen, marked, texts;
        d.platform.watchListed = [&](const replay::ReplayLink& link) {
            seen << QStringLiteral("%1 %2").arg(QString::fromStdString(link.replay)).arg(link.game);
        };
        FrmPunkte punkte(d.game);
        d.withLayer([&] { d.game.showModal(punkte); },
                    [&] {
                        auto* layer = qobject_cast<ScoresLayer*>(d.host.topLayer());
                        QListWidget* list = layer ? layer->list() : nullptr;
                        QVERIFY(list);
                        for (int i = 0; i < list->count(); ++i) {
                            texts << list->item(i)->text();
                            marked << (layer->linkOfRow(i) ? QStringLiteral("mark") : QStringLiteral("-"));
                        }
                        list->setCurrentRow(row);
                        if (doubleClick) {
                            const QPoint at = list->visualItemRect(list->item(row)).center();
                            // QTest's double-click alone brings no press the view could pair it with.
                            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                        } else {
                            QTest::keyClick(&layer->view(), Qt::Key_Space);
                        }
                        QApplication::processEvents();
                        QTest::keyClick(&layer->view(), Qt::Key_Escape);
                    });
        QVERIFY(!d.host.ended());
        // The list's own texts carry no mark; the view alone marks them.
        QCOMPARE(texts, QStringList({"000900: Cleo (1)", "000300: Bert (2)", "000100: Dora (3)"}));
        QCOMPARE(marked, QStringList({"mark", "-", "mark"}));
        QCOMPARE(seen, watched.isEmpty() ? QStringList() : QStringList{watched});
    }

    void brokenReplayIsRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a replay") << QByteArray("kein Spiel\n");
    }

    void brokenReplayIsRefused()
    {
        QFETCH(QByteArray, content);
        const ListedGames listed;
        if (!content.isEmpty())
            std::ofstream(listed.replays / "r-cleo") << content.toStdString();
        Desktop d;
        const auto why =
            watchListed({listed.gravok / ListName, 1, "r-cleo", 1}, listed.replays, d.window.view(), &d.window);
        QVERIFY(why && !why->empty());
        QVERIFY(d.window.view().findChildren<FormView*>().isEmpty());
    }
};

static const Register<ListWatchTest> registered;

} // namespace gravok::ui::test

#include "list_watch_test.moc"
