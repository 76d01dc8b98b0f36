#include <gtest/gtest.h>

#include "sim_support.h"

namespace gravok::test {
namespace {

std::string hex(unsigned rgb)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", rgb);
    return buf;
}

// Seen while the start-up dialog is up, before a game changes anything.
TEST(Layout, DamageBarSegments)
{
    const unsigned colors[18] = {0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0x004000,
                                 0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000, 0x404000,
                                 0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000};
    std::vector<Expectation> table;
    for (int i = 0; i <= 17; ++i) {
        const std::string seg = "spe(" + std::to_string(i) + ").";
        table.push_back({seg + "Left", std::to_string(240 + 240 * i)});
        table.push_back({seg + "Top", "240"});
        table.push_back({seg + "Width", "135"});
        table.push_back({seg + "Height", "255"});
        table.push_back({seg + "ForeColor", hex(colors[i])});
        table.push_back({seg + "Visible", "True"});
    }
    const SimRun run = runSim(expectLines(table));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Layout, ControlArraysHaveExactlyTheirIndices)
{
    std::vector<Expectation> table;
    for (int k = 1; k <= 10; ++k)
        table.push_back({"imgGravok(" + std::to_string(k) + ").Tag", "0"});
    for (int i = 0; i <= 9; ++i)
        table.push_back({"imgSchuss(" + std::to_string(i) + ").Top", "-250"});
    const SimRun run = runSim(expectLines(table));
    EXPECT_EQ(run.status, 0) << transcript(run);

    for (const char* missing : {"imgGravok(0)", "imgGravok(11)", "imgSchuss(10)", "imgSchuss(-1)", "spe(18)",
                                "imgGravok", "spe"}) {
        SCOPED_TRACE(missing);
        EXPECT_EQ(runSim(std::string("get ") + missing + ".Top\n").status, 2);
    }
}

TEST(Layout, MainWindowControls)
{
    const SimRun run = runSim(expectLines({
        {"frmHaupt.Width", "9600"},       {"frmHaupt.Height", "8640"},
        {"fraHintergrund.Height", "7200"}, {"lblAnzeige.Left", "120"},
        {"lblAnzeige.Top", "2520"},       {"lblAnzeige.ForeColor", "#808080"},
        {"imgShuttle.Left", "4372"},      {"imgShuttle.Top", "3172"},
        {"imgShuttle.Width", "855"},      {"imgHerz.Left", "600"},
        {"imgHerz.Top", "-2500"},         {"fraSchaden.Left", "3360"},
        {"fraSchaden.Width", "4695"},     {"lblTempo.Left", "240"},
        {"lblP.Left", "4800"},            {"lblP.Top", "8160"},
        {"lblEnde.Top", "7635"},          {"lblHilfe.Left", "8745"},
        {"lblInfo.Top", "7770"},          {"lblHighscore.Top", "8175"},
        {"frmHaupt.Shape3.Width", "975"}, {"frmHaupt.Shape2.Left", "8760"},
        {"tmeBewegung.Interval", "50"},   {"tmeGravokiten.Interval", "50"},
        {"tmeSchuss.Interval", "50"},     {"tmeAniGravok.Interval", "100"},
        {"tmeAniSchuss.Interval", "200"}, {"lblPunkte.Caption", "Aktueller Punktestand:"},
    }));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

} // namespace
} // namespace gravok::test
