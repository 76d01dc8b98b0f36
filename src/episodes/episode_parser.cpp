// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "episode_parser.h"

#include "core/files.h"
#include "core/numbers.h"

namespace gravok {
namespace {

// A bounce flips a step's sign and adds up to 10: beyond these it would leave 16 bits.
constexpr int StepMin = -32757;
constexpr int StepMax = 32757;

struct Failure {
    Message what;
};

// Hands out the file's lines one by one, counting them.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    std::optional<std::string_view> next()
    {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        const std::size_t cr = bytes_.find('\r', pos_);
        const std::size_t end = cr == std::string_view::npos ? bytes_.size() : cr;
        const std::string_view line = bytes_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < bytes_.size()) {
            ++pos_;
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
                ++pos_;
        }
        ++number_;
        return line;
    }
    [[nodiscard]] int number() const { return number_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

I16 field16(std::string_view text, const char* name)
{
    const auto v = roundToInt16(readLenient(text));
    if (!v)
        throw Failure{{GRAVOK_TEXT("Meldungen", "Der Wert %1 %2 liegt außerhalb von -32768 bis 32767."),
                       {Message::literal(name), Message::literal(quoteText(text))}}};
    return *v;
}

// The text between the comma before and the next comma at or after `from`; npos if none.
std::size_t commaFrom(std::string_view line, std::size_t from)
{
    return from > line.size() ? std::string_view::npos : line.find(',', from);
}

void readHeart(std::string_view line, int level, EpisodeData& out)
{
    const std::size_t c = commaFrom(line, 2);
    if (c == std::string_view::npos)
        throw Failure{GRAVOK_TEXT("Meldungen", "Der Herz-Zeile fehlt das Komma zwischen X und Y.")};
    out.heart = HeartPlace{level, field16(line.substr(2, c - 2), "X"), field16(line.substr(c + 1), "Y")};
}

I16 step(std::string_view text, const char* name)
{
    const I16 v = field16(text, name);
    if (v < StepMin || v > StepMax)
        throw Failure{{GRAVOK_TEXT("Meldungen", "Der Schritt %1 = %2 liegt außerhalb von %3 bis %4."),
                       {Message::literal(name), Message::literal(decimal(v)), Message::literal(decimal(StepMin)),
                        Message::literal(decimal(StepMax))}}};
    return v;
}

GravokSatz readGravok(std::string_view line)
{
    std::size_t c[4];
    std::size_t from = 0;
    for (std::size_t& comma : c) {
        comma = commaFrom(line, from);
        if (comma == std::string_view::npos)
            throw Failure{GRAVOK_TEXT("Meldungen", "Eine Gravok-Zeile braucht fünf Felder: Bild, X, Y, DX, DY.")};
        from = comma + 1;
    }
    GravokSatz g;
    const auto bild = roundToInt16(readLenient(line.substr(0, c[0])) + 100);
    if (!bild || *bild < 101 || *bild > 112)
        throw Failure{{GRAVOK_TEXT("Meldungen", "Die Bildnummer %1 muss zwischen 1 und 12 liegen."),
                       {Message::literal(quoteText(line.substr(0, c[0])))}}};
    g.Bild = *bild;
    g.X = field16(line.substr(c[0] + 1, c[1] - c[0] - 1), "X");
    g.Y = field16(line.substr(c[1] + 1, c[2] - c[1] - 1), "Y");
    g.DX = step(line.substr(c[2] + 1, c[3] - c[2] - 1), "DX");
    g.DY = step(line.substr(c[3] + 1), "DY");
    return g;
}

void readBlock(LineReader& lines, int level, EpisodeData& out)
{
    LevelSatz& satz = out.levels(level);
    int slot = 0;
    for (;;) {
        const auto line = lines.next();
        if (!line)
            throw Failure{{GRAVOK_TEXT("Meldungen", "Die Datei endet vor der Leerzeile, die Level %1 abschließt."),
                           {Message::literal(decimal(level))}}};
        if (line->empty())
            break;
        if ((*line)[0] == '0') {
            readHeart(*line, level, out);
            continue;
        }
        if (++slot > 10)
            throw Failure{
                {GRAVOK_TEXT("Meldungen", "Level %1 hat mehr als zehn Gravoks."), {Message::literal(decimal(level))}}};
        satz.Gravok(slot) = readGravok(*line);
    }
    satz.Anzahl = slot;
}

int readLevelCount(LineReader& lines)
{
    const auto first = lines.next();
    const auto value = first ? parseStrict(*first) : std::nullopt;
    const auto count = value ? roundToInt16(*value) : std::nullopt;
    if (!count)
        throw Failure{GRAVOK_TEXT("Meldungen", "Die erste Zeile muss die Zahl der Level enthalten.")};
    if (*count < 1)
        throw Failure{GRAVOK_TEXT("Meldungen", "Die Zahl der Level muss mindestens 1 sein.")};
    return *count;
}

} // namespace

EpisodeParse parseEpisode(std::string_view bytes)
{
    LineReader lines(bytes);
    EpisodeParse result;
    try {
        EpisodeData data;
        const int count = readLevelCount(lines);
        data.levels.redim(count);
        for (int level = 1; level <= count; ++level)
            readBlock(lines, level, data);
        result.data = std::move(data);
    } catch (const Failure& f) {
        result.error = {lines.number() + (lines.number() == 0 ? 1 : 0), f.what};
        const bool lfOnly = bytes.find('\n') != std::string_view::npos && bytes.find('\r') == std::string_view::npos;
        if (lfOnly)
            result.error.what = {
                GRAVOK_TEXT("Meldungen", "%1 Die Zeilen der Datei enden nur mit LF; sie müssen mit CR LF enden."),
                {result.error.what}};
    }
    return result;
}

} // namespace gravok
