// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// M as the window's mute key, and the mute kept between runs.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "ui/sound_keys.h"
#include "ui/window_settings.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class SoundKeysTest : public QObject {
    Q_OBJECT
private slots:
    void muteKey_data();
    void muteKey();
    void heldKeyTogglesOnce();
    void muteIsKeptInTheConfigDirectory();
};

void SoundKeysTest::muteKey_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("toggles");
    QTest::newRow("M on the game window") << "button" << int(Qt::NoModifier) << 1;
    QTest::newRow("Shift+M as well") << "button" << int(Qt::ShiftModifier) << 1;
    QTest::newRow("Ctrl+M is not M") << "button" << int(Qt::ControlModifier) << 0;
    QTest::newRow("typing a name") << "edit" << int(Qt::NoModifier) << 0;
    QTest::newRow("another program's window") << "other" << int(Qt::NoModifier) << 0;
}

void SoundKeysTest::muteKey()
{
    QFETCH(QString, target);
    QFETCH(int, modifiers);
    QFETCH(int, toggles);
    QWidget game;
    auto* layout = new QVBoxLayout(&game);
    auto* button = new QPushButton(QStringLiteral("OK"), &game);
    auto* edit = new QLineEdit(&game);
    layout->addWidget(button);
    layout->addWidget(edit);
    QWidget other;
    int toggled = 0;
    MuteKey key([&game](const QWidget* w) { return w == &game; }, [&toggled] { ++toggled; });
    qApp->installEventFilter(&key);
    QWidget* to = target == "button" ? static_cast<QWidget*>(button) : target == "edit" ? edit : &other;
    QTest::keyClick(to, Qt::Key_M, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(toggled, toggles);
    // The name box gets its letter.
    if (target == "edit")
        QCOMPARE(edit->text(), QStringLiteral("m"));
    qApp->removeEventFilter(&key);
}

void SoundKeysTest::heldKeyTogglesOnce()
{
    QWidget game;
    int toggled = 0;
    MuteKey key([&game](const QWidget* w) { return w == &game; }, [&toggled] { ++toggled; });
    qApp->installEventFilter(&key);
    for (bool repeat : {false, true, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, QStringLiteral("m"), repeat);
        QApplication::sendEvent(&game, &press);
    }
    QCOMPARE(toggled, 1);
    qApp->removeEventFilter(&key);
}

// One file for everything: the mute beside the window, an old gravok.ini merged once and gone.
void SoundKeysTest::muteIsKeptInTheConfigDirectory()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("gravok")));
    QFile ini(dir.filePath(QStringLiteral("gravok/gravok.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[window]\nnormal=@Rect(10 20 700 500)\nmaximized=true\n");
    ini.close();
    {
        WindowSettings settings;
        QVERIFY(!storedMute(settings));
        QVERIFY(!ini.exists());
        storeMute(settings, true);
    }
    WindowSettings again;
    QVERIFY(storedMute(again));
    QCOMPARE(again.placement()->normal, QRect(10, 20, 700, 500));
    QFile conf(WindowSettings::playerFile());
    QVERIFY(conf.open(QIODevice::ReadOnly));
    QCOMPARE(conf.readAll(),
             QByteArray("[sound]\nmuted=true\n\n[window]\nmaximized=true\nnormal=@Rect(10 20 700 500)\n"));
    qputenv("XDG_CONFIG_HOME", old);
}

static Register<SoundKeysTest> registerSoundKeys;

} // namespace gravok::ui::test

#include "sound_keys_test.moc"
