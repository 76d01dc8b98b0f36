// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the views paint, and when: a view repaints only when what it shows has changed.
#include <functional>

#include <QTest>

#include "test_forms.h"
#include "ui/form_view.h"
#include "ui/picture_cache.h"
#include "ui_tests.h"

namespace gravok::ui::test {

class RenderTest : public QObject {
    Q_OBJECT
private slots:
    void repaintsOnlyWhatChanged();

private:
    PictureCache pictures_;
};

namespace {
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};
} // namespace

// A sync that finds the model as it was painted asks for no new frame.
void RenderTest::repaintsOnlyWhatChanged()
{
    LoggingForm form;
    Control& label = form.add(pixelControl(ControlKind::Label, "lblText", 10, 10, 100, 20));
    FormView view(form, pictures_);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    PaintCounter paints(view);

    const auto framesAfter = [&](const std::function<void()>& change) {
        const int before = paints.count;
        change();
        view.sync();
        QTest::qWait(30);
        return paints.count - before;
    };
    QCOMPARE(framesAfter([] {}), 0);
    QCOMPARE(framesAfter([&] { label.Caption = "Pause!"; }), 1);
    QCOMPARE(framesAfter([&] { label.Caption = "Pause!"; }), 0);
    QCOMPARE(framesAfter([&] { label.Visible = false; }), 1);
    QCOMPARE(framesAfter([&] { label.Left += 15; }), 0); // hidden: nothing to see
    QCOMPARE(framesAfter([&] { view.resize(800, 600); }), 1);
}

namespace {
const Register<RenderTest> registered;
}

} // namespace gravok::ui::test

#include "render_test.moc"
