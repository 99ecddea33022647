// glacimo-render: hands the work to the renderer of the build that --build names, which lies
// beside this program. Each build's renderer links only that build's art and motion.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    std::string build;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--build") == 0) {
            build = argv[i + 1];
        }
    }
    if (build != "1" && build != "2") {
        std::fprintf(stderr, "glacimo-render: --build 1 or --build 2 is required\n");
        return 2;
    }
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string target = (self.parent_path() / ("glacimo-render" + build)).string();
    std::vector<char*> args(argv, argv + argc);
    args[0] = const_cast<char*>(target.c_str());
    args.push_back(nullptr);
    execv(target.c_str(), args.data());
    std::perror(target.c_str());
    return 1;
}
