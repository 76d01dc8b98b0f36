// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTextFrame>
#include <QVBoxLayout>

namespace gravok::help {
namespace {

const QString StyleSheet = QStringLiteral("h1 { color: #8fe08f; font-size: x-large; }"
                                          "h2 { color: #8fe08f; font-size: large; margin-top: 18px; }"
                                          "h3 { color: #c8e8c8; font-size: medium; margin-bottom: 2px; }"
                                          "td.taste { font-weight: bold; color: #ffe7a0; padding-right: 14px; }"
                                          "code { color: #ffe7a0; }"
                                          "p.tipp { color: #a8b0bc; }");

QPushButton* makeButton(const char* name, const QString& text, QStyle::StandardPixmap icon, QWidget* parent)
{
    auto* b = new QPushButton(parent->style()->standardIcon(icon), text, parent);
    b->setObjectName(QLatin1String(name));
    b->setFocusPolicy(Qt::NoFocus); // the keyboard stays with the text for scrolling
    return b;
}

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("browser"));
    document()->setDefaultStyleSheet(StyleSheet);
    document()->setDocumentMargin(16);
    QFont larger = font();
    larger.setPointSizeF(larger.pointSizeF() * 1.15);
    setFont(larger);
    connect(this, &QTextBrowser::sourceChanged, this, &HelpBrowser::padEnd);
}

void HelpBrowser::setHelpText(const QUrl& file, const QString& html)
{
    file_ = file;
    html_ = html;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.adjusted(QUrl::RemoveFragment) == file_)
        return html_;
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::resizeEvent(QResizeEvent* event)
{
    QTextBrowser::resizeEvent(event);
    padEnd();
}

// Room below the text, so that even the last topic can be scrolled to the top.
void HelpBrowser::padEnd()
{
    if (file_.isEmpty())
        return;
    QTextFrame* root = document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    const qreal room = height();
    if (format.bottomMargin() >= room)
        return;
    format.setBottomMargin(room);
    root->setFrameFormat(format);
    const QString anchor = source().fragment(QUrl::FullyDecoded);
    if (!anchor.isEmpty())
        scrollToAnchor(anchor);
}

HelpWindow::HelpWindow(const HelpRequest& request, LinkOpener openExternal, QWidget* parent)
    : QWidget(parent), openExternal_(std::move(openExternal))
{
    if (!openExternal_)
        openExternal_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    buildUi();
    load(request.file);
    if (loaded_)
        showTopic(request.topic);
}

void HelpWindow::buildUi()
{
    setWindowTitle(QCoreApplication::translate("Hilfe", "Gravok – Hilfe"));
    resize(760, 620);

    back_ = makeButton("back", QCoreApplication::translate("Hilfe", "Zurück"), QStyle::SP_ArrowBack, this);
    forward_ = makeButton("forward", QCoreApplication::translate("Hilfe", "Vor"), QStyle::SP_ArrowForward, this);
    contents_ = makeButton("contents", QCoreApplication::translate("Hilfe", "Inhalt"), QStyle::SP_DirHomeIcon, this);
    auto* close =
        makeButton("close", QCoreApplication::translate("Hilfe", "Schließen"), QStyle::SP_DialogCloseButton, this);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new HelpBrowser(this);
    browser_->setOpenLinks(false); // followLink decides what stays inside the viewer

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {back_, forward_, contents_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QPushButton::clicked, this,
            [this] { showTopic(anchors_.isEmpty() ? ContentsTopic : anchors_.first()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    browser_->setFocus();
}

void HelpWindow::load(const QString& path)
{
    const HelpText text = readHelpFile(path);
    loaded_ = text.ok();
    contents_->setEnabled(loaded_);
    if (!loaded_) {
        browser_->setPlainText(openFailureMessage(path, text.error));
        return;
    }
    fileUrl_ = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    anchors_ = anchorNames(text.html);
    browser_->setHelpText(fileUrl_, text.html);
}

void HelpWindow::showTopic(const QString& topic)
{
    if (!loaded_)
        return;
    QUrl target = fileUrl_;
    const QString anchor = resolveTopic(topic, anchors_);
    // The first topic is shown from the very top, margin and all.
    if (anchors_.isEmpty() || anchor != anchors_.first())
        target.setFragment(anchor);
    browser_->setSource(target, QTextDocument::HtmlResource);
}

void HelpWindow::followLink(const QUrl& link)
{
    if (!isInternalLink(link, fileUrl_)) {
        openExternal_(link);
        return;
    }
    showTopic(link.fragment(QUrl::FullyDecoded));
}

void applyDarkTheme(QApplication& app)
{
    app.setStyle(QStringLiteral("Fusion"));
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x20, 0x24, 0x2c));
    p.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Base, QColor(0x10, 0x13, 0x1a));
    p.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Button, QColor(0x30, 0x36, 0x42));
    p.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    p.setColor(QPalette::Highlight, QColor(0x3a, 0x6e, 0xa5));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x7f, 0xb8, 0xff));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x9c, 0xff));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x70, 0x74, 0x7c));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x70, 0x74, 0x7c));
    app.setPalette(p);
}

} // namespace gravok::help
