#include "host/ModeKey.h"

#include "platform/System.h"

std::string ModeKey(const std::vector<std::string>& params) {
    if (params.size() < 2) {
        return std::string();
    }
    return System::AnsiUpperCase(params[1]).substr(0, 2);
}

Mode ModeFromKey(std::string_view key) {
    struct Row {
        const char* key;
        Mode mode;
    };
    static constexpr Row kTable[] = {
        {"/S", Mode::Run},       {"-S", Mode::Run},      {"/C", Mode::Configure},
        {"-C", Mode::Configure}, {"/P", Mode::Preview},  {"-P", Mode::Preview},
        {"/A", Mode::Password},  {"-A", Mode::Password},
    };
    for (const Row& row : kTable) {
        if (key == row.key) {
            return row.mode;
        }
    }
    return Mode::None;
}
