// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/language.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include "core/message.h"
#include "info/help.h"

namespace gravok::ui {
namespace {

std::atomic<std::uint64_t> changes{0};
std::atomic<Language> spoken{Language::German};

// "en_GB.UTF-8" → English; "C", "POSIX" and what we have no catalogue of → nothing.
std::optional<Language> languageOfLocale(const QString& locale)
{
    const QString code =
        locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (code == QLatin1String("en"))
        return Language::English;
    if (code == QLatin1String("de"))
        return Language::German;
    return std::nullopt;
}

} // namespace

Environment processEnvironment()
{
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value || !*value)
            return std::nullopt;
        return std::string(value);
    };
}

Language desktopLanguage(const Environment& env)
{
    std::optional<std::string> locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if ((locale = env(name)))
            break;
    // As gettext does, LANGUAGE counts only where a locale other than C is chosen.
    const bool plain = !locale || *locale == "C" || *locale == "POSIX" || locale->starts_with("C.");
    if (const auto list = env("LANGUAGE"); list && !plain)
        for (const QString& entry : QString::fromStdString(*list).split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const auto language = languageOfLocale(entry))
                return *language;
    if (locale)
        if (const auto language = languageOfLocale(QString::fromStdString(*locale)))
            return *language;
    return Language::German;
}

Language languageOf(LanguageChoice choice, const Environment& env)
{
    switch (choice) {
    case LanguageChoice::German: return Language::German;
    case LanguageChoice::English: return Language::English;
    case LanguageChoice::Automatic: break;
    }
    return desktopLanguage(env);
}

Translations::Translations() = default;

Translations::~Translations()
{
    for (const auto* t : {ours_.get(), qt_.get()})
        if (t)
            QCoreApplication::removeTranslator(const_cast<QTranslator*>(t));
}

void Translations::use(Language language)
{
    for (auto* t : {ours_.get(), qt_.get()})
        if (t)
            QCoreApplication::removeTranslator(t);
    ours_.reset();
    qt_.reset();
    language_ = language;
    spoken = language;
    // German needs no catalogue of ours: it is the source. Qt's own texts are English.
    if (language == Language::English) {
        ours_ = std::make_unique<QTranslator>();
        if (ours_->load(QStringLiteral(":/i18n/gravok_en.qm")))
            QCoreApplication::installTranslator(ours_.get());
        else
            ours_.reset();
    } else {
        qt_ = std::make_unique<QTranslator>();
        if (qt_->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt_.get());
        else
            qt_.reset();
    }
    ++changes;
}

Language Translations::current()
{
    return spoken.load();
}

std::string helpArgument(const std::string& argument, Language language)
{
    constexpr std::string_view German = "Gravok.quh, ";
    const auto at = argument.rfind(German);
    if (language != Language::English || at == std::string::npos)
        return argument;
    const std::string_view id = helpTopicId(std::string_view(argument).substr(at + German.size()));
    const std::string english = argument.substr(0, at) + "Gravok_en.quh";
    std::error_code ec;
    if (id.empty() || !std::filesystem::is_regular_file(english, ec))
        return argument;
    return english + ", " + std::string(id);
}

const char* languageCode(Language language)
{
    return language == Language::English ? "en" : "de";
}

std::uint64_t Translations::epoch()
{
    return changes.load();
}

QString shown(const char* context, const std::string& german)
{
    const QString text = QCoreApplication::translate(context, german.c_str());
    // A text the game follows with a number ("Version 1.5") is found by its words.
    if (german.empty() || !std::isdigit(static_cast<unsigned char>(german.back())))
        return text;
    const QString source = QString::fromStdString(german);
    if (text != source)
        return text; // translated whole ("Sternenweg 1")
    static const QRegularExpression numbered(QStringLiteral("^(.*\\D )([0-9.]+)$"));
    const auto m = numbered.match(source);
    if (!m.hasMatch())
        return text;
    return QCoreApplication::translate(context, m.captured(1).toUtf8().constData()) + m.captured(2);
}

QString shown(const Message& message)
{
    if (message.isLiteral())
        return QString::fromStdString(message.pattern());
    const QString pattern = QCoreApplication::translate("Meldungen", message.pattern().c_str());
    const auto& args = message.args();
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        const int n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        // As the German text is built: one digit, and a %N without its argument stays.
        if (c == u'%' && n >= 1 && static_cast<std::size_t>(n) <= args.size()) {
            out += shown(args[static_cast<std::size_t>(n) - 1]);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace gravok::ui
