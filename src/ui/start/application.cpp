// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/start/application.h"

#include <QApplication>

namespace gravok::ui {
namespace {

QtMessageHandler qtMessages = nullptr;

// Our own choice makes the Wayland platform say that it found no buffer integration by
// that name; that is what we asked for, so the two lines are dropped.
void quietAboutBuffers(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (qstrcmp(context.category, "qt.qpa.wayland") == 0 &&
        message.contains(QLatin1String("client buffer integration")))
        return;
    if (qtMessages)
        qtMessages(type, context, message);
}

} // namespace

bool paintInSoftware()
{
    if (qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"))
        return false;
    qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none");
    qtMessages = qInstallMessageHandler(quietAboutBuffers);
    return true;
}

void forgetSoftwareChoice()
{
    qunsetenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION");
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Gravok"));
    QApplication::setApplicationVersion(QStringLiteral(GRAVOK_VERSION));
#ifdef GRAVOK_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(GRAVOK_APP_ID));
#endif
}

} // namespace gravok::ui
