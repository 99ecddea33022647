#pragma once

#include "tools/art/Geometry.h"

#include <string>

// A line of text as glyph outlines, taken unhinted from a font file so that it scales exactly.
struct TextLine {
    Path path;
    double width = 0;
};

// size is the em size in pixels; the baseline starts at (0, 0). tracking is added after each
// letter. Raises std::runtime_error when the font cannot be read.
TextLine LayOutText(const std::string& fontFile, const std::string& text, double size,
                    double tracking);
