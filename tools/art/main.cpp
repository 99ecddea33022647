// Draws every picture of both builds into a folder laid out as assets/ is. Usage:
//   glacimo-art OUTPUT-FOLDER FONT-FOLDER
#include "tools/art/Art.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

void DrawBuild(const std::filesystem::path& folder, Frame (*draw)(int)) {
    std::filesystem::create_directories(folder);
    for (int k = 0; k < 6; ++k) {
        const Frame frame = draw(k);
        WriteBitmap8((folder / ("P" + std::to_string(k) + ".bmp")).string(), frame.sprite);
        WriteBitmap1((folder / ("M" + std::to_string(k) + ".bmp")).string(), frame.mask);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: glacimo-art OUTPUT-FOLDER FONT-FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::filesystem::create_directories(out);
        WriteBitmap8((out / "BACK.bmp").string(), DrawSky());
        WriteBitmap8((out / "LOGO.bmp").string(), DrawLogo(argv[2]));
        IndexImage colours(32, 32);
        IndexImage transparent(32, 32);
        DrawIcon(colours, transparent);
        WriteIcon((out / "MAINICON.ico").string(), colours, transparent);
        DrawBuild(out / "build1", DrawSidePenguin);
        DrawBuild(out / "build2", DrawFrontPenguin);
    } catch (const std::exception& e) {
        std::cerr << "glacimo-art: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
