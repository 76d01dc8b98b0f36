// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "harness.h"

#include <charconv>
#include <map>
#include <sstream>

#include "app/frm_haupt.h"
#include "core/errors.h"
#include "core/files.h"
#include "core/form.h"
#include "core/numbers.h"
#include "dump.h"
#include "path_parts.h"

namespace gravok {
namespace {

const std::map<std::string, int, std::less<>> KeyNames = {
    {"F1", key::F1}, {"F2", key::F2},       {"F4", key::F4},        {"Left", key::Left},
    {"Up", key::Up}, {"Right", key::Right}, {"Down", key::Down},    {"Space", key::Space},
    {"P", key::P},   {"Enter", key::Enter}, {"Escape", key::Escape}};

// The first word and the rest of the line after one blank.
std::pair<std::string, std::string> splitFirst(const std::string& s)
{
    const std::size_t blank = s.find(' ');
    if (blank == std::string::npos)
        return {s, ""};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

std::optional<long long> wholeNumber(std::string_view t)
{
    long long v = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || t.empty())
        return std::nullopt;
    return v;
}

bool sameValue(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return true;
    if (actual == "True" || actual == "False")
        return parseBool(expected) == (actual == "True");
    const auto a = parseStrict(actual);
    const auto e = parseStrict(expected);
    return a && e && static_cast<float>(*a) == static_cast<float>(*e);
}

} // namespace

Harness::Harness(std::filesystem::path dir, std::uint64_t seed, std::istream& in, std::ostream& out, std::ostream& err)
    : RecordingPlatform(std::move(dir)), game_(*this), paths_(game_), in_(in), out_(out), err_(err)
{
    this->seed = seed;
    game_.random.reseed(seed);
}

int Harness::run()
{
    try {
        game_.Main();
        loop(nullptr);
    } catch (const Stop&) {
    } catch (const Malformed& m) {
        err_ << "gravok-sim: line " << lineNo_ << ": " << m.what << "\n";
        return 2;
    } catch (const GameError& e) {
        err_ << "gravok-sim: line " << lineNo_ << ": the game failed: " << e.what() << "\n";
        return 3;
    }
    out_.flush();
    return failed_ ? 1 : 0;
}

void Harness::loop(Form* until)
{
    std::string line;
    while (!(until && until->closed())) {
        if (!nextCommand(line))
            throw Stop{};
        execute(line);
    }
}

bool Harness::nextCommand(std::string& line)
{
    while (std::getline(in_, line)) {
        ++lineNo_;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            return true;
    }
    return false;
}

void Harness::runModal(Form& form)
{
    loop(&form);
}

std::optional<std::string> Harness::inputBox(const std::string& prompt, const std::string& title)
{
    record("inputbox " + prompt + "|" + title);
    if (!inputAnswers.empty()) {
        auto answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    std::string line;
    if (!nextCommand(line))
        throw Stop{};
    const auto [verb, rest] = splitFirst(line);
    if (line == "input-cancel")
        return std::nullopt;
    if (verb == "input")
        return rest;
    throw Malformed{"an input box is open: expected input or input-cancel, got " + line};
}

void Harness::endProgram()
{
    RecordingPlatform::endProgram();
    throw Stop{};
}

void Harness::execute(const std::string& line)
{
    const auto [verb, rest] = splitFirst(line);
    try {
        command(verb, rest);
    } catch (const GameError& e) {
        // A malformed value (an unknown picture, say) is the script's fault, not the game's.
        if (verb == "set")
            throw Malformed{e.what()};
        throw;
    }
}

void Harness::command(const std::string& verb, const std::string& rest)
{
    if (verb == "quit") {
        throw Stop{};
    } else if (verb == "windows") {
        std::string names;
        for (const Form* f : game_.windows())
            names += (names.empty() ? "" : " ") + f->Name;
        out_ << names << "\n";
    } else if (verb == "key") {
        const auto named = KeyNames.find(rest);
        const auto code = named != KeyNames.end() ? std::optional<long long>(named->second) : wholeNumber(rest);
        if (!code || *code < 0 || *code > 255)
            throw Malformed{"unknown key " + rest};
        game_.activeWindow().keyDown(static_cast<int>(*code), 0);
    } else if (verb == "click" || verb == "down" || verb == "up") {
        pointer(verb, rest);
    } else if (verb == "tick") {
        tick(rest);
    } else if (verb == "advance") {
        const auto ms = wholeNumber(rest);
        if (!ms || *ms < 0)
            throw Malformed{"advance needs milliseconds, got " + rest};
        game_.clock.advance(static_cast<std::uint64_t>(*ms));
    } else if (verb == "seed") {
        const auto n = wholeNumber(rest);
        if (!n)
            throw Malformed{"seed needs a whole number, got " + rest};
        game_.random.reseed(static_cast<std::uint64_t>(*n));
    } else if (verb == "random") {
        queueRandom(rest);
    } else if (verb == "input") {
        inputAnswers.emplace_back(rest);
    } else if (verb == "input-cancel" && rest.empty()) {
        inputAnswers.emplace_back(std::nullopt);
    } else if (verb == "set") {
        const auto [path, value] = splitFirst(rest);
        const std::string problem = paths_.set(path, value);
        if (!problem.empty())
            throw Malformed{"set " + path + ": " + problem};
    } else if (verb == "get") {
        const auto value = paths_.get(rest);
        if (!value)
            throw Malformed{"no such variable or property: " + rest};
        out_ << *value << "\n";
    } else if (verb == "expect") {
        expect(rest);
    } else if (verb == "log") {
        for (const auto& entry : takeLog())
            out_ << entry << "\n";
    } else if (verb == "sounds" && rest.empty()) {
        for (const auto& name : takeSounds())
            out_ << "sound " << name << "\n";
    } else if (verb == "away" && rest.empty()) {
        game_.frmHaupt().pauseWhileAway();
    } else if (verb == "episode") {
        // The program directory's Episode1.gvk, for the next game chosen: its lines in
        // turn, "/" for the blank line that ends a level.
        std::istringstream words(rest);
        std::string text;
        for (std::string w; words >> w;)
            text.append(w == "/" ? "" : w).append("\r\n");
        if (replaceFile(programDir() / "Episode1.gvk", text, Links::Refuse))
            throw Malformed{"cannot write Episode1.gvk"};
    } else if (verb == "dump" && rest.empty()) {
        out_ << dumpJson(game_) << "\n";
    } else {
        throw Malformed{"unknown command: " + verb};
    }
}

void Harness::pointer(const std::string& verb, const std::string& name)
{
    const auto parts = splitPath(name);
    Form& form = game_.activeWindow();
    Control* c = parts && parts->size() == 1 ? form.find((*parts)[0].name, (*parts)[0].index.value_or(-1)) : nullptr;
    if (!c)
        throw Malformed{form.Name + " has no control " + name};
    if (verb == "down" || verb == "click")
        form.mouseDown(*c);
    if (verb == "up" || verb == "click")
        form.mouseUp(*c);
    if (verb == "click") {
        if (c->Kind == ControlKind::OptionButton)
            form.selectOption(*c);
        form.click(*c);
    }
}

void Harness::tick(const std::string& rest)
{
    const auto [timer, count] = splitFirst(rest);
    long long n = 1;
    if (!count.empty()) {
        const auto c = wholeNumber(count);
        if (!c || *c < 0)
            throw Malformed{"tick count must be a whole number, got " + count};
        n = *c;
    }
    const Control* t = game_.frmHaupt().find(timer);
    if (!t || t->Kind != ControlKind::Timer)
        throw Malformed{"unknown timer " + timer};
    for (long long i = 0; i < n; ++i)
        game_.clock.fire(timer);
}

void Harness::expect(const std::string& rest)
{
    const auto [path, expected] = splitFirst(rest);
    const auto actual = paths_.get(path);
    if (!actual)
        throw Malformed{"no such variable or property: " + path};
    if (!sameValue(*actual, expected)) {
        out_ << "FAIL " << lineNo_ << ": " << path << " = " << *actual << ", expected " << expected << "\n";
        failed_ = true;
    }
}

void Harness::queueRandom(const std::string& rest)
{
    std::vector<double> values;
    std::size_t pos = 0;
    while (pos < rest.size()) {
        std::size_t end = rest.find(' ', pos);
        if (end == std::string::npos)
            end = rest.size();
        const auto v = parseStrict(rest.substr(pos, end - pos));
        if (!v || *v < 0 || *v >= 1)
            throw Malformed{"random values lie in [0, 1): " + rest};
        values.push_back(*v);
        pos = end + 1;
    }
    if (values.empty())
        throw Malformed{"random needs at least one value"};
    game_.random.queue(values);
}

} // namespace gravok
