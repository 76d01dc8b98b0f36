// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTest>

#include "ui_tests.h"

namespace gravok::ui::test {

std::vector<TestFactory>& registry()
{
    static std::vector<TestFactory> tests;
    return tests;
}

} // namespace gravok::ui::test

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& make : gravok::ui::test::registry()) {
        const auto test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
