#include "platform/CommandLine.h"

namespace {

bool IsSeparator(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    size_t i = 0;
    while (true) {
        while (i < line.size() && IsSeparator(line[i])) {
            ++i;
        }
        if (i >= line.size() || line[i] == '\0') {
            break;
        }
        std::string arg;
        bool quoted = false;
        for (; i < line.size() && line[i] != '\0'; ++i) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && IsSeparator(c)) {
                break;
            } else {
                arg += c;
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}
