#include "textures.h"

#include "art.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace art {

namespace {

// Value noise on an nx by ny lattice that wraps around, so it is periodic
// over the lattice; sampled at lattice coordinates.
class Noise {
public:
    Noise(int nx, int ny, std::mt19937& rng) : nx_(nx), ny_(ny), v_(nx * ny)
    {
        std::uniform_real_distribution<double> d(-1.0, 1.0);
        for (double& x : v_)
            x = d(rng);
    }
    double At(double u, double v) const
    {
        const int x0 = static_cast<int>(std::floor(u));
        const int y0 = static_cast<int>(std::floor(v));
        const double fx = Smooth(u - x0), fy = Smooth(v - y0);
        const double a = Get(x0, y0), b = Get(x0 + 1, y0);
        const double c = Get(x0, y0 + 1), d = Get(x0 + 1, y0 + 1);
        return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    double Get(int x, int y) const
    {
        x = ((x % nx_) + nx_) % nx_;
        y = ((y % ny_) + ny_) % ny_;
        return v_[y * nx_ + x];
    }
    int nx_, ny_;
    std::vector<double> v_;
};

// Octaves of noise, each lattice twice as fine as the one before; (x, y)
// are pixels of a w by h picture, so the sum repeats with the picture.
class Fractal {
public:
    Fractal(int w, int h, int cellsX, int cellsY, int octaves, unsigned seed)
        : w_(w), h_(h)
    {
        std::mt19937 rng(seed);
        for (int i = 0; i < octaves; ++i)
            layers_.emplace_back(cellsX << i, cellsY << i, rng);
        cellsX_ = cellsX;
        cellsY_ = cellsY;
    }
    // About -1 to 1.
    double At(double x, double y) const
    {
        double sum = 0, amp = 1, norm = 0;
        double u = x / w_ * cellsX_, v = y / h_ * cellsY_;
        for (const Noise& n : layers_) {
            sum += amp * n.At(u, v);
            norm += amp;
            amp *= 0.5;
            u *= 2;
            v *= 2;
        }
        return sum / norm;
    }

private:
    int w_, h_, cellsX_ = 1, cellsY_ = 1;
    std::vector<Noise> layers_;
};

unsigned char Byte(double v)
{
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 255.0)));
}

// Fills a w by h image from a function giving each pixel's colour.
wxImage Paint(int w, int h,
              const std::function<wxColour(int x, int y)>& colourAt)
{
    wxImage img(w, h, false);
    unsigned char* p = img.GetData();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const wxColour c = colourAt(x, y);
            *p++ = c.Red();
            *p++ = c.Green();
            *p++ = c.Blue();
        }
    return img;
}

wxColour Scale(const wxColour& c, double f)
{
    return wxColour(Byte(c.Red() * f), Byte(c.Green() * f), Byte(c.Blue() * f));
}

wxColour Lerp(const wxColour& a, const wxColour& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return wxColour(Byte(a.Red() + (b.Red() - a.Red()) * t),
                    Byte(a.Green() + (b.Green() - a.Green()) * t),
                    Byte(a.Blue() + (b.Blue() - a.Blue()) * t));
}

}  // namespace

wxImage Quilt(int size, const wxColour& base, unsigned seed)
{
    const Fractal grain(size, size, 8, 8, 3, seed);
    constexpr int kCell = 32;
    return Paint(size, size, [&](int x, int y) {
        // u and v run from 0 to 1 across one diamond, along its two axes.
        const double u = ((x + y) % kCell + 0.5) / kCell;
        const double v = ((x - y + 2 * size) % kCell + 0.5) / kCell;
        const double pad = std::sin(kPi * u) * std::sin(kPi * v);
        // Light from above: the slope of the padding facing upwards is lit.
        const double up = -std::cos(kPi * u) * std::sin(kPi * v) +
                          std::sin(kPi * u) * std::cos(kPi * v);
        double f = 0.62 + 0.45 * std::sqrt(pad) + 0.18 * up * (1 - pad) +
                   0.06 * grain.At(x, y);
        // Stitches along the seams, every other pair of pixels.
        const bool seam = (x + y) % kCell == 0 || (x - y + 2 * size) % kCell == 0;
        if (seam)
            f = (x / 2) % 2 ? 1.25 : 0.55;
        return Scale(base, f);
    });
}

wxImage Wood(int w, int h, int planks, const wxColour& dark,
             const wxColour& light, unsigned seed)
{
    const Fractal warp(w, h, 2, 3 * planks, 3, seed);
    const Fractal fibre(w, h, 3, 24 * planks, 2, seed + 1);
    const int plank = h / planks;
    return Paint(w, h, [&](int x, int y) {
        const int row = y / plank, in = y % plank;
        const double rings =
            0.5 + 0.5 * std::sin(2 * kPi * (3.0 * planks * y / h + 0.5 * warp.At(x, y)));
        double t = 0.35 + 0.4 * rings * rings * rings + 0.35 * fibre.At(x, y);
        t *= row % 2 ? 0.9 : 1.0;  // neighbouring planks differ a little
        wxColour c = Lerp(dark, light, t);
        // The gaps between planks: a dark line, lit on its lower edge; the
        // planks' ends lie half a picture apart from row to row.
        if (in == 0 || (x == (row % 2 ? w / 2 : 0)))
            c = Scale(dark, 0.45);
        else if (in == 1)
            c = Scale(c, 1.18);
        else if (in == plank - 1)
            c = Scale(c, 0.8);
        return c;
    });
}

wxImage Felt(int size, const wxColour& base, unsigned seed)
{
    const Fractal cloud(size, size, 4, 4, 4, seed);
    std::mt19937 rng(seed + 7);
    std::uniform_real_distribution<double> fleck(-1.0, 1.0);
    return Paint(size, size, [&](int x, int y) {
        const double weave = ((x + y) % 4 < 2) ? 0.03 : -0.03;
        return Scale(base, 1 + 0.14 * cloud.At(x, y) + 0.05 * fleck(rng) + weave);
    });
}

wxImage Bricks(int size, const wxColour& brick, const wxColour& mortar,
               unsigned seed)
{
    constexpr int kRow = 16, kLen = 32;
    const Fractal grit(size, size, 16, 16, 2, seed);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> tone(0.8, 1.1);
    // One tone per brick of the picture; a brick cut by the right edge
    // continues at the left one, so it is the same brick.
    const int perRow = size / kLen, rows = size / kRow;
    std::vector<double> tones(perRow * rows);
    for (double& t : tones)
        t = tone(rng);
    return Paint(size, size, [&](int x, int y) {
        const int row = y / kRow, in = y % kRow;
        const int bx = (x + (row % 2) * kLen / 2) % size;
        const int col = bx / kLen, along = bx % kLen;
        const double g = 0.09 * grit.At(x, y);
        if (in < 2 || along < 2)
            return Scale(mortar, 1 + g);
        double f = tones[row * perRow + col] + g;
        if (in == 2 || along == 2)
            f *= 1.15;
        else if (in == kRow - 1 || along == kLen - 1)
            f *= 0.8;
        return Scale(brick, f);
    });
}

}  // namespace art
