// Mouse and keys: which control gets the press, and that keys reach the game before
// any widget in its windows.
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "test_forms.h"
#include "ui/key_router.h"
#include "ui/picture_cache.h"
#include "ui_tests.h"

namespace gravok::ui::test {
namespace {

// Two overlapping labels, an image, a shape over all of them, a hidden label, and a
// label half outside its frame.
void buildButtons(LoggingForm& form)
{
    form.add(pixelControl(ControlKind::Label, "lblA", 10, 10, 100, 30));
    form.add(pixelControl(ControlKind::Label, "lblB", 60, 10, 100, 30));
    form.add(pixelControl(ControlKind::Image, "imgC", 200, 10, 40, 40));
    Control hidden = pixelControl(ControlKind::Label, "lblHidden", 0, 0, 400, 60);
    hidden.Visible = false;
    form.add(std::move(hidden));
    Control* frame = &form.add(pixelControl(ControlKind::Frame, "fraF", 10, 100, 100, 100));
    form.add(pixelControl(ControlKind::Label, "lblInFrame", 50, 50, 100, 20), frame);
    form.add(pixelControl(ControlKind::Shape, "Shape1", 300, 10, 50, 50));
}

} // namespace

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void mouse_data();
    void mouse();
    void optionButtonClick();
    void handOverLinks();
    void keysReachTheGameFirst_data();
    void keysReachTheGameFirst();
    void keysForOtherWindowsPassOn();
    void heldKeyRepeats();

private:
    PictureCache pictures_;
};

void InputTest::mouse_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("press"); // form pixels
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QString>("log");
    for (const double scale : {1.0, 2.0}) {
        const QString at = scale == 1.0 ? " 1x" : " 2x";
        QTest::newRow(qPrintable("label" + at)) << scale << QPoint(20, 20) << QPoint(25, 25)
                                                 << "down lblA|up lblA|click lblA";
        QTest::newRow(qPrintable("topmost of two" + at)) << scale << QPoint(80, 20) << QPoint(80, 20)
                                                          << "down lblB|up lblB|click lblB";
        QTest::newRow(qPrintable("released outside" + at)) << scale << QPoint(20, 20) << QPoint(20, 80)
                                                            << "down lblA|up lblA";
        QTest::newRow(qPrintable("released on another" + at)) << scale << QPoint(20, 20) << QPoint(210, 20)
                                                               << "down lblA|up lblA";
        QTest::newRow(qPrintable("image" + at)) << scale << QPoint(210, 20) << QPoint(210, 20)
                                                 << "down imgC|up imgC|click imgC";
        QTest::newRow(qPrintable("shape is no button" + at)) << scale << QPoint(320, 20) << QPoint(320, 20) << "";
        QTest::newRow(qPrintable("inside its frame" + at)) << scale << QPoint(70, 160) << QPoint(70, 160)
                                                            << "down lblInFrame|up lblInFrame|click lblInFrame";
        QTest::newRow(qPrintable("clipped by its frame" + at)) << scale << QPoint(130, 160) << QPoint(130, 160)
                                                                << "";
    }
}

void InputTest::mouse()
{
    QFETCH(double, scale);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QString, log);
    LoggingForm form(400, 300);
    buildButtons(form);
    FormView view(form, pictures_);
    view.resize(QSize(400, 300) * scale);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto widgetAt = [&](QPoint p) { return (QPointF(p) * scale + QPointF(0.5, 0.5)).toPoint(); };
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, widgetAt(press));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, widgetAt(release));
    QCOMPARE(QString::fromStdString(form.joinedLog()), log);
}

// A click on an option button is a mouse down, up, the selection, then the click.
void InputTest::optionButtonClick()
{
    LoggingForm form(200, 100);
    Control one = pixelControl(ControlKind::OptionButton, "opt1", 10, 10, 120, 17);
    one.Caption = "Episode 1:";
    one.Value = true;
    form.add(std::move(one));
    Control two = pixelControl(ControlKind::OptionButton, "opt2", 10, 40, 120, 17);
    two.Caption = "Episode 2:";
    form.add(std::move(two));
    FormView view(form, pictures_);
    view.resize(200, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const auto buttons = view.findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 2);
    QTest::mouseClick(buttons[1], Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    QCOMPARE(QString::fromStdString(form.joinedLog()), QStringLiteral("down opt2|up opt2|click opt2"));
    QVERIFY(!form.at("opt1").Value);
    QVERIFY(form.at("opt2").Value);
    QVERIFY(!buttons[0]->isChecked());
    QVERIFY(buttons[1]->isChecked());
    // Clicking the chosen one again leaves it chosen.
    QTest::mouseClick(buttons[1], Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    QVERIFY(form.at("opt2").Value);
    QVERIFY(buttons[1]->isChecked());
}

// Links show the pointing hand, pointing with its fingertip; elsewhere the usual arrow.
void InputTest::handOverLinks()
{
    LoggingForm form(200, 100);
    Control link = pixelControl(ControlKind::Label, "lblLink", 10, 10, 150, 25);
    link.HandCursor = true;
    form.add(std::move(link));
    form.add(pixelControl(ControlKind::Label, "lblPlain", 10, 50, 150, 25));
    FormView view(form, pictures_);
    view.resize(200, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTest::mouseMove(&view, QPoint(50, 20));
    QTRY_COMPARE(view.cursor().shape(), Qt::BitmapCursor);
    const QImage hand = view.cursor().pixmap().toImage();
    QCOMPARE(hand.size(), QSize(32, 32));
    QVERIFY(qAlpha(hand.pixel(view.cursor().hotSpot())) > 0);
    QTest::mouseMove(&view, QPoint(50, 60));
    QTRY_COMPARE(view.cursor().shape(), Qt::ArrowCursor);
}

void InputTest::keysReachTheGameFirst_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << 32;
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 27;
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 40;
    QTest::newRow("shifted p") << int(Qt::Key_P) << int(Qt::ShiftModifier) << 80;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
}

// The option button has the focus; it must neither see nor act on the game's keys.
void InputTest::keysReachTheGameFirst()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QWidget window;
    auto* button = new QRadioButton(QStringLiteral("Episode 1:"), &window);
    button->setFocusPolicy(Qt::StrongFocus);
    (new QVBoxLayout(&window))->addWidget(button);
    std::vector<int> got;
    KeyRouter router([&](const QWidget* w) { return w == &window; }, [&](int c) { got.push_back(c); });
    qApp->installEventFilter(&router);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button->setFocus();
    QTest::keyClick(button, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
    qApp->removeEventFilter(&router);
    QCOMPARE(got, std::vector<int>{code});
    QVERIFY(!button->isChecked());
}

// Another window (a message box, an input box) keeps its keys, and so does every window
// for keys the game has no code for.
void InputTest::keysForOtherWindowsPassOn()
{
    QWidget game;
    QWidget other;
    auto* field = new QRadioButton(QStringLiteral("x"), &other);
    field->setFocusPolicy(Qt::StrongFocus);
    std::vector<int> got;
    KeyRouter router([&](const QWidget* w) { return w == &game; }, [&](int c) { got.push_back(c); });
    qApp->installEventFilter(&router);
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Space);
    QVERIFY(field->isChecked()); // the button had it
    game.show();
    QVERIFY(QTest::qWaitForWindowActive(&game));
    QTest::keyClick(&game, Qt::Key_Tab);
    QTest::keyClick(&game, Qt::Key_Backspace);
    qApp->removeEventFilter(&router);
    QVERIFY(got.empty());
}

void InputTest::heldKeyRepeats()
{
    QWidget window;
    std::vector<int> got;
    KeyRouter router([&](const QWidget* w) { return w == &window; }, [&](int c) { got.push_back(c); });
    qApp->installEventFilter(&router);
    for (bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(&window, &press);
    }
    qApp->removeEventFilter(&router);
    QCOMPARE(got, (std::vector<int>{37, 37, 37}));
}

namespace {
const Register<InputTest> registered;
}

} // namespace gravok::ui::test

#include "input_test.moc"
