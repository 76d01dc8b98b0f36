// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_topics.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace gravok::help {
namespace {

const QString Suffix = QStringLiteral(".quh");

bool endsWithSuffix(const QString& s)
{
    return s.endsWith(Suffix, Qt::CaseInsensitive);
}

// "Haupt-Menü", "haupt - menü" and "Haupt - Menü" are the same topic to a player.
QString looseKey(const QString& topic)
{
    QString key = topic.toCaseFolded();
    key.removeIf([](QChar c) { return c.isSpace(); });
    return key;
}

const QRegularExpression& anchorPattern()
{
    static const QRegularExpression re(QStringLiteral(R"(<a\s[^>]*?\bname\s*=\s*(["'])(.*?)\1)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

qsizetype lineStart(const QString& text, qsizetype pos)
{
    return pos <= 0 ? 0 : text.lastIndexOf(QLatin1Char('\n'), pos - 1) + 1;
}

} // namespace

QString withoutComments(const QString& html)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QString text = html;
    for (const auto& m : comment.globalMatch(html)) {
        for (qsizetype i = m.capturedStart(); i < m.capturedEnd(); ++i) {
            if (text[i] != QLatin1Char('\n'))
                text[i] = QLatin1Char(' ');
        }
    }
    return text;
}

HelpRequest splitCombined(const QString& argument)
{
    const qsizetype at = argument.lastIndexOf(Suffix + QLatin1Char(','), -1, Qt::CaseInsensitive);
    if (at >= 0)
        return {argument.left(at + Suffix.size()), argument.mid(at + Suffix.size() + 1).trimmed()};
    if (endsWithSuffix(argument.trimmed()))
        return {argument.trimmed(), {}};
    // A help file under another name: the game's separator is still ", ".
    const qsizetype comma = argument.lastIndexOf(QStringLiteral(", "));
    if (comma >= 0)
        return {argument.left(comma), argument.mid(comma + 2).trimmed()};
    return {argument, {}};
}

HelpRequest parseArguments(const QStringList& args, const QString& defaultFile)
{
    if (args.isEmpty())
        return {defaultFile, {}};
    if (args.size() == 1)
        return splitCombined(args.first());
    QString first = args.first().trimmed();
    if (first.endsWith(QLatin1Char(',')))
        first.chop(1);
    if (endsWithSuffix(first))
        return {first, args.mid(1).join(QLatin1Char(' ')).trimmed()};
    // Started from a shell without quotes: the path itself was cut at its blanks.
    return splitCombined(args.join(QLatin1Char(' ')));
}

QStringList anchorNames(const QString& html)
{
    QStringList names;
    for (const auto& m : anchorPattern().globalMatch(withoutComments(html)))
        names << m.captured(2);
    return names;
}

QString resolveTopic(const QString& topic, const QStringList& anchors)
{
    if (anchors.contains(topic))
        return topic;
    const QString key = looseKey(topic);
    if (!key.isEmpty()) {
        for (const QString& a : anchors) {
            if (looseKey(a) == key)
                return a;
        }
    }
    // The contents stand first, whatever the file's language calls them.
    return anchors.isEmpty() ? ContentsTopic : anchors.first();
}

QString sectionHtml(const QString& html, const QString& topic)
{
    auto it = anchorPattern().globalMatch(withoutComments(html));
    while (it.hasNext()) {
        const auto m = it.next();
        if (m.captured(2) != topic)
            continue;
        const qsizetype begin = lineStart(html, m.capturedStart());
        const qsizetype end = it.hasNext() ? lineStart(html, it.peekNext().capturedStart()) : html.size();
        return html.mid(begin, end - begin);
    }
    return {};
}

HelpText readHelpFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty())
        return {{}, QCoreApplication::translate("Hilfe", "Es wurde keine Datei angegeben.")};
    if (!info.exists())
        return {{}, QCoreApplication::translate("Hilfe", "Die Datei gibt es nicht.")};
    if (info.isDir())
        return {{}, QCoreApplication::translate("Hilfe", "Das ist ein Ordner, keine Datei.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError)
            return {{}, QCoreApplication::translate("Hilfe", "Sie haben keine Berechtigung, sie zu lesen.")};
        return {{}, QCoreApplication::translate("Hilfe", "Lesefehler (%1).").arg(file.errorString())};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty())
        return {{}, QCoreApplication::translate("Hilfe", "Die Datei ist leer.")};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    // A file saved in another encoding would show garbled umlauts; better to say so.
    if (utf8.hasError())
        return {{}, QCoreApplication::translate("Hilfe", "Die Datei ist kein UTF-8-Text.")};
    return {text, {}};
}

QString openFailureMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Hilfe", "Die Hilfedatei „%1“ konnte nicht geöffnet werden: %2")
        .arg(path, reason);
}

bool isInternalLink(const QUrl& link, const QUrl& helpFile)
{
    if (link.isRelative() && link.path().isEmpty())
        return true;
    return link.isLocalFile() && helpFile.isLocalFile() &&
           link.adjusted(QUrl::RemoveFragment | QUrl::NormalizePathSegments) ==
               helpFile.adjusted(QUrl::RemoveFragment | QUrl::NormalizePathSegments);
}

} // namespace gravok::help
