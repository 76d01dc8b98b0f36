// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-soundgen: synthesizes every sound of the game.
//   gravok-soundgen OUT.cpp     the sounds as C++ data for src/audio
//   gravok-soundgen --hashes    one line a sound: name, frames, FNV-1a hash of the samples
//   gravok-soundgen --verify    checks that every sound is short, clean and not too loud
//   gravok-soundgen --wav DIR   each sound as DIR/NAME.wav, to listen to
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string_view>

#include "synth.h"

namespace gravok::soundgen {
namespace {

std::uint64_t fnv1a(const std::vector<std::int16_t>& pcm)
{
    std::uint64_t h = 14695981039346656037ull;
    for (std::int16_t s : pcm) {
        const auto u = static_cast<std::uint16_t>(s);
        for (const std::uint8_t byte : {static_cast<std::uint8_t>(u & 0xff), static_cast<std::uint8_t>(u >> 8)}) {
            h ^= byte;
            h *= 1099511628211ull;
        }
    }
    return h;
}

int writeSource(const std::vector<Effect>& effects, const char* path)
{
    std::ofstream out(path, std::ios::binary);
    out << "// Made by gravok-soundgen from tools/soundgen; not to be edited.\n"
           "#include \"audio/sound_bank.h\"\n\nnamespace gravok::audio {\nnamespace {\n";
    for (const Effect& e : effects) {
        out << "\nconstexpr std::int16_t " << e.name << "Pcm[] = {";
        for (std::size_t i = 0; i < e.pcm.size(); ++i)
            out << (i % 16 == 0 ? "\n    " : " ") << e.pcm[i] << ",";
        out << "\n};\n";
    }
    out << "\nconstexpr Sound Bank[] = {\n";
    for (const Effect& e : effects)
        out << "    {\"" << e.name << "\", " << e.name << "Pcm},\n";
    out << "};\n\n} // namespace\n\nstd::span<const Sound> soundBank()\n{\n    return Bank;\n}\n\n"
           "} // namespace gravok::audio\n";
    return out.good() ? 0 : 1;
}

void put16(std::ofstream& f, unsigned v)
{
    f.put(static_cast<char>(v & 0xff)).put(static_cast<char>((v >> 8) & 0xff));
}

void put32(std::ofstream& f, unsigned v)
{
    put16(f, v & 0xffff);
    put16(f, v >> 16);
}

int writeWavs(const std::vector<Effect>& effects, const std::string& dir)
{
    for (const Effect& e : effects) {
        std::ofstream f(dir + "/" + e.name + ".wav", std::ios::binary);
        const auto bytes = static_cast<unsigned>(e.pcm.size() * 2);
        f << "RIFF";
        put32(f, 36 + bytes);
        f << "WAVEfmt ";
        put32(f, 16);
        put16(f, 1);
        put16(f, 1);
        put32(f, Rate);
        put32(f, Rate * 2);
        put16(f, 2);
        put16(f, 16);
        f << "data";
        put32(f, bytes);
        for (std::int16_t s : e.pcm)
            put16(f, static_cast<std::uint16_t>(s));
        if (!f)
            return 1;
    }
    return 0;
}

// Short, starting and ending in silence (no click), with headroom left for mixing.
int verify(const std::vector<Effect>& effects)
{
    int bad = 0;
    for (const Effect& e : effects) {
        int peak = 0;
        for (std::int16_t s : e.pcm)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        const char* problem = nullptr;
        if (e.pcm.empty() || e.pcm.size() > 3 * Rate / 2)
            problem = "longer than 1.5 s or empty";
        else if (std::abs(e.pcm.front()) > 64 || e.pcm.back() != 0)
            problem = "does not start and end in silence";
        else if (peak > 24000 || peak < 4000)
            problem = "peak outside 4000..24000";
        if (problem) {
            std::cerr << "gravok-soundgen: " << e.name << ": " << problem << "\n";
            ++bad;
        }
    }
    return bad ? 1 : 0;
}

} // namespace
} // namespace gravok::soundgen

int main(int argc, char** argv)
{
    using namespace gravok::soundgen;
    const std::vector<Effect> effects = makeEffects();
    const std::string_view arg = argc > 1 ? argv[1] : "";
    if (argc == 2 && arg == "--hashes") {
        for (const Effect& e : effects)
            std::printf("%s %zu %016llx\n", e.name.c_str(), e.pcm.size(),
                        static_cast<unsigned long long>(fnv1a(e.pcm)));
        return 0;
    }
    if (argc == 2 && arg == "--verify")
        return verify(effects);
    if (argc == 3 && arg == "--wav")
        return writeWavs(effects, argv[2]);
    if (argc == 2 && !arg.starts_with("--"))
        return writeSource(effects, argv[1]);
    std::cerr << "usage: gravok-soundgen OUT.cpp | --hashes | --verify | --wav DIR\n";
    return 2;
}
