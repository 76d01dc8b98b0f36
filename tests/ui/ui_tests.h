// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One executable runs every QtTest object of the view tests; each file registers its own.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include <QObject>

namespace gravok::ui::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& registry();

template <class T>
struct Register {
    Register()
    {
        registry().push_back([] { return std::make_unique<T>(); });
    }
};

} // namespace gravok::ui::test
