#include "Charmap.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

struct PipeCloser {
    void operator()(std::FILE* pipe) const { pclose(pipe); }
};

// "<U4E00>     /xd2/xbb   <CJK>" -> code 0xD2BB, code point U+4E00.
bool ParseLine(const char* line, unsigned& code, char32_t& codePoint) {
    unsigned long cp = 0;
    unsigned lead = 0, trail = 0;
    int used = 0;
    if (std::sscanf(line, "<U%lx>%n", &cp, &used) != 1)
        return false;
    if (std::sscanf(line + used, " /x%2x/x%2x", &lead, &trail) != 2)
        return false;
    code = lead << 8 | trail;
    codePoint = static_cast<char32_t>(cp);
    return true;
}

} // namespace

Charmap::Charmap(const std::string& name) {
    const std::string command = "gzip -dc /usr/share/i18n/charmaps/" + name + ".gz";
    std::unique_ptr<std::FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get())) {
        if (std::strncmp(line, "END CHARMAP", 11) == 0)
            break;
        unsigned code = 0;
        char32_t codePoint = 0;
        if (ParseLine(line, code, codePoint) && code > 0xFF) {
            FCodePoints.emplace(code, codePoint);
            const auto [it, added] = FCodes.emplace(codePoint, code);
            if (!added && code < it->second)
                it->second = code;
        }
    }
    if (FCodePoints.empty())
        throw std::runtime_error("no charmap " + name + " (package locales)");
}

std::optional<char32_t> Charmap::CodePoint(unsigned code) const {
    const auto it = FCodePoints.find(code);
    return it == FCodePoints.end() ? std::nullopt : std::optional(it->second);
}

std::optional<unsigned> Charmap::Code(char32_t codePoint) const {
    const auto it = FCodes.find(codePoint);
    return it == FCodes.end() ? std::nullopt : std::optional(it->second);
}
