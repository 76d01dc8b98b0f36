// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input/key_map.h"

#include <Qt>

#include "core/form.h"

namespace gravok::ui {
namespace {

struct KeyRow {
    int code;
    int qtKey;
    const char* text;
    const char* name;
};

// Letters, digits and F1-F12 run in step on both sides and are not listed.
constexpr KeyRow Rows[] = {
    {key::Enter, Qt::Key_Return, "\r", "Enter"},
    {key::Escape, Qt::Key_Escape, "\x1b", "Escape"},
    {key::Space, Qt::Key_Space, " ", QT_TRANSLATE_NOOP("Einstellungen", "Leertaste")},
    {key::Left, Qt::Key_Left, "", QT_TRANSLATE_NOOP("Einstellungen", "Pfeil links")},
    {key::Up, Qt::Key_Up, "", QT_TRANSLATE_NOOP("Einstellungen", "Pfeil hoch")},
    {key::Right, Qt::Key_Right, "", QT_TRANSLATE_NOOP("Einstellungen", "Pfeil rechts")},
    {key::Down, Qt::Key_Down, "", QT_TRANSLATE_NOOP("Einstellungen", "Pfeil runter")},
    {8, Qt::Key_Backspace, "", QT_TRANSLATE_NOOP("Einstellungen", "Rücktaste")},
    {9, Qt::Key_Tab, "", "Tab"},
    {16, Qt::Key_Shift, "", QT_TRANSLATE_NOOP("Einstellungen", "Umschalt")},
    {17, Qt::Key_Control, "", QT_TRANSLATE_NOOP("Einstellungen", "Strg")},
    {18, Qt::Key_Alt, "", "Alt"},
    {33, Qt::Key_PageUp, "", QT_TRANSLATE_NOOP("Einstellungen", "Bild hoch")},
    {34, Qt::Key_PageDown, "", QT_TRANSLATE_NOOP("Einstellungen", "Bild runter")},
    {35, Qt::Key_End, "", QT_TRANSLATE_NOOP("Einstellungen", "Ende")},
    {36, Qt::Key_Home, "", QT_TRANSLATE_NOOP("Einstellungen", "Pos1")},
    {45, Qt::Key_Insert, "", QT_TRANSLATE_NOOP("Einstellungen", "Einfg")},
    {46, Qt::Key_Delete, "", QT_TRANSLATE_NOOP("Einstellungen", "Entf")},
};

} // namespace

std::optional<int> virtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return key::F1 + (qtKey - Qt::Key_F1);
    // Letters and digits have the code of their character (key::P is 'P').
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey == Qt::Key_Enter) // the keypad's
        return key::Enter;
    for (const KeyRow& r : Rows)
        if (r.qtKey == qtKey)
            return r.code;
    return std::nullopt;
}

std::optional<QtKey> qtKeyFor(int virtualKey)
{
    if (virtualKey >= key::F1 && virtualKey < key::F1 + 12)
        return QtKey{Qt::Key_F1 + (virtualKey - key::F1), {}};
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return QtKey{virtualKey, QString(QChar(virtualKey)).toLower()};
    for (const KeyRow& r : Rows)
        if (r.code == virtualKey)
            return QtKey{r.qtKey, QString::fromLatin1(r.text)};
    return std::nullopt;
}

QString keyName(int virtualKey)
{
    for (const KeyRow& r : Rows)
        if (r.code == virtualKey)
            return QString::fromUtf8(r.name);
    if (virtualKey >= key::F1 && virtualKey < key::F1 + 12)
        return QStringLiteral("F%1").arg(virtualKey - key::F1 + 1);
    if (qtKeyFor(virtualKey))
        return QString(QChar(virtualKey));
    return QStringLiteral("–");
}

} // namespace gravok::ui
