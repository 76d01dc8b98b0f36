// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTextBrowser>
#include <QWidget>
#include <functional>

#include "help_topics.h"

class QPushButton;
class QApplication;

namespace gravok::help {

// A text browser that takes the help text from memory, so the file is read only once and
// its encoding is decided by us, not guessed from the file name.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    void setHelpText(const QUrl& file, const QString& html);
    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void padEnd();

    QUrl file_;
    QString html_;
};

// The help window: the help file scrolled to a topic, with Back, Forward and Contents.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Opens external links (web, mail); the desktop's handler unless a test gives another.
    using LinkOpener = std::function<void(const QUrl&)>;

    explicit HelpWindow(const HelpRequest& request, LinkOpener openExternal = {}, QWidget* parent = nullptr);

    [[nodiscard]] QTextBrowser* browser() const { return browser_; }
    [[nodiscard]] bool loaded() const { return loaded_; }
    // Scrolls to a topic; unknown topics show the contents.
    void showTopic(const QString& topic);

private:
    void buildUi();
    void load(const QString& path);
    void followLink(const QUrl& link);

    HelpBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* contents_ = nullptr;
    LinkOpener openExternal_;
    QUrl fileUrl_;
    QStringList anchors_; // in the order of the file
    bool loaded_ = false;
};

// The game's dark colours, so the help looks like part of it.
void applyDarkTheme(QApplication& app);

} // namespace gravok::help
