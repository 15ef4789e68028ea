#include "tools/fontbake/GlyphBitmap.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Dark brown rather than black: it stays readable on dark backgrounds.
constexpr float kOutlineRed = 24.0f;
constexpr float kOutlineGreen = 14.0f;
constexpr float kOutlineBlue = 6.0f;
constexpr float kGlowStrength = 0.55f;

// A separable box blur run twice approximates a Gaussian well enough for a glow.
std::vector<float> blur(const std::vector<float>& in, int w, int h, int radius) {
    std::vector<float> a = in;
    std::vector<float> b(in.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0.0f;
                for (int k = -radius; k <= radius; ++k) {
                    const int xx = x + k;
                    sum += (xx >= 0 && xx < w) ? a[y * w + xx] : 0.0f;
                }
                b[y * w + x] = sum / static_cast<float>(2 * radius + 1);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                float sum = 0.0f;
                for (int k = -radius; k <= radius; ++k) {
                    const int yy = y + k;
                    sum += (yy >= 0 && yy < h) ? b[yy * w + x] : 0.0f;
                }
                a[y * w + x] = sum / static_cast<float>(2 * radius + 1);
            }
        }
    }
    return a;
}

}  // namespace

void GlyphBitmap::addOutlineAndGlow(int thickness, int glowRadius) {
    const int pad = thickness + glowRadius;
    const int w = width + 2 * pad;
    const int h = height + 2 * pad;
    std::vector<float> fill(static_cast<std::size_t>(w) * h, 0.0f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            fill[(y + pad) * w + x + pad] = coverage[y * width + x] / 255.0f;
        }
    }

    // Dilation by a disc with an anti-aliased rim.
    std::vector<float> outline(fill.size(), 0.0f);
    const float reach = static_cast<float>(thickness) + 0.5f;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 0.0f;
            for (int dy = -thickness - 1; dy <= thickness + 1; ++dy) {
                for (int dx = -thickness - 1; dx <= thickness + 1; ++dx) {
                    const int xx = x + dx;
                    const int yy = y + dy;
                    if (xx < 0 || yy < 0 || xx >= w || yy >= h) {
                        continue;
                    }
                    const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    const float edge = std::clamp(reach - distance, 0.0f, 1.0f);
                    best = std::max(best, fill[yy * w + xx] * edge);
                }
            }
            outline[y * w + x] = best;
        }
    }
    const std::vector<float> glow = glowRadius > 0 ? blur(outline, w, h, glowRadius) : outline;

    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * h * 4, 0);
    std::vector<std::uint8_t> grownCoverage(static_cast<std::size_t>(w) * h, 0);
    for (std::size_t i = 0; i < fill.size(); ++i) {
        const float f = fill[i];
        const float under = std::max(outline[i], std::min(1.0f, glow[i] * 1.5f) * kGlowStrength);
        const float alpha = f + under * (1.0f - f);
        if (alpha <= 0.0f) {
            continue;
        }
        const float darkShare = under * (1.0f - f) / alpha;
        const auto mix = [darkShare](float dark) {
            return static_cast<std::uint8_t>(std::lround(255.0f * (1.0f - darkShare) + dark * darkShare));
        };
        out[i * 4 + 0] = mix(kOutlineRed);
        out[i * 4 + 1] = mix(kOutlineGreen);
        out[i * 4 + 2] = mix(kOutlineBlue);
        out[i * 4 + 3] = static_cast<std::uint8_t>(std::lround(255.0f * alpha));
        grownCoverage[i] = out[i * 4 + 3];
    }
    width = w;
    height = h;
    left -= pad;
    top += pad;
    coverage = std::move(grownCoverage);
    rgba = std::move(out);
}
