// Seamless textures computed pixel by pixel: every pattern repeats exactly
// across the picture's edges, so a tiled background shows no seams.
#pragma once

#include <wx/colour.h>
#include <wx/image.h>

namespace art {

// Padded diamonds, like a quilted cloth; size a multiple of 32.
wxImage Quilt(int size, const wxColour& base, unsigned seed);
// Wood grain in planks lying across the picture, each h / planks high;
// the ends of neighbouring planks lie half a picture apart.
wxImage Wood(int w, int h, int planks, const wxColour& dark,
             const wxColour& light, unsigned seed);
// Fine fibres, like billiard cloth.
wxImage Felt(int size, const wxColour& base, unsigned seed);
// A brick wall: rows of 16 pixels, bricks of 32, each row offset by half.
wxImage Bricks(int size, const wxColour& brick, const wxColour& mortar,
               unsigned seed);

}  // namespace art
