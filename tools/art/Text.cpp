#include "tools/art/Text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <stdexcept>

namespace {

struct Walk {
    Path* path;
    double scale;
    Vec offset;
    Vec At(const FT_Vector* v) const {
        return {offset.x + double(v->x) * scale, offset.y - double(v->y) * scale};
    }
};

int MoveTo(const FT_Vector* to, void* user) {
    auto* w = static_cast<Walk*>(user);
    w->path->MoveTo(w->At(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    auto* w = static_cast<Walk*>(user);
    w->path->LineTo(w->At(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* w = static_cast<Walk*>(user);
    w->path->QuadTo(w->At(control), w->At(to));
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* w = static_cast<Walk*>(user);
    w->path->CubicTo(w->At(c1), w->At(c2), w->At(to));
    return 0;
}

} // namespace

TextLine LayOutText(const std::string& fontFile, const std::string& text, double size,
                    double tracking) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("cannot start FreeType");
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot read the font " + fontFile);
    }
    const double scale = size / face->units_per_EM;
    FT_Outline_Funcs funcs{};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;
    TextLine line;
    double x = 0;
    FT_UInt previous = 0;
    for (const char ch : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, FT_ULong(static_cast<unsigned char>(ch)));
        FT_Vector kern{};
        if (previous != 0 && FT_Get_Kerning(face, previous, glyph, FT_KERNING_UNSCALED, &kern) == 0)
            x += double(kern.x) * scale;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0)
            continue;
        Walk walk{&line.path, scale, {x, 0}};
        FT_Outline_Decompose(&face->glyph->outline, &funcs, &walk);
        x += double(face->glyph->advance.x) * scale + tracking;
        previous = glyph;
    }
    line.width = x - tracking;
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return line;
}
