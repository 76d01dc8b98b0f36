// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include "core/form.h"

namespace gravok::ui {

class FormView;
class GameHost;

// A dialog of the game: a frameless modal window showing one form at the main window's
// scale. Only the game closes it (Escape and Enter are game keys), through the host.
class GameDialog : public QDialog {
    Q_OBJECT
public:
    GameDialog(GameHost& host, Form& form, double scale, QWidget* parent);

    [[nodiscard]] FormView& view() const { return *view_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    FormView* view_;
};

} // namespace gravok::ui
