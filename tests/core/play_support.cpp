#include "play_support.h"

#include <fstream>
#include <sstream>

#include "harness.h"

namespace gravok::test {

SimRun runSimWith(const Files& files, const std::string& script, std::uint64_t seed)
{
    ProgramDir dir;
    std::filesystem::remove(dir.path() / "Episode1.gvk");
    for (const auto& [name, bytes] : files)
        std::ofstream(dir.path() / name, std::ios::binary) << bytes;
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    SimRun run;
    run.status = Harness(dir.path(), seed, in, out, err).run();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    run.err = err.str();
    return run;
}

std::string episode(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace gravok::test
