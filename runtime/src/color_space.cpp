#include "color_space.h"

#include <cmath>

namespace tolvanea {
namespace {

// trunc(component * 255) into a byte. Components outside 0..1 come only from
// out-of-range inputs; they keep the low 8 bits of the truncated value instead of
// reaching an undefined conversion.
std::uint8_t toByte(double component) {
    double v = std::trunc(component * 255.0);
    if (!(v > -2147483648.0 && v < 2147483648.0)) return 0;
    return std::uint8_t(std::int64_t(v));
}

}  // namespace

Rgb8 hslToRgbColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness) {
    const double H = hue / 256.0, S = saturation / 256.0, L = lightness / 256.0;
    const double v = L <= 0.5 ? L * (1.0 + S) : L + S - L * S;
    double r, g, b;
    if (v <= 0) {
        r = g = b = L;
    } else {
        const double m = L + L - v;
        const double k = (v - m) / v;
        const double h6 = H * 6.0;
        const int sextant = int(h6);
        const double f = h6 - sextant;
        const double w = v * k * f;
        const double up = m + w, down = v - w;
        switch (sextant) {
        case 0:
            r = v;
            g = up;
            b = m;
            break;
        case 1:
            r = down;
            g = v;
            b = m;
            break;
        case 2:
            r = m;
            g = v;
            b = up;
            break;
        case 3:
            r = m;
            g = down;
            b = v;
            break;
        case 4:
            r = up;
            g = m;
            b = v;
            break;
        default:
            r = v;
            g = m;
            b = down;
            break;
        }
    }
    return {toByte(r), toByte(g), toByte(b)};
}

Hsl8 rgbToHslColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const double R = red / 256.0, G = green / 256.0, B = blue / 256.0;
    const double max = std::fmax(R, std::fmax(G, B));
    const double min = std::fmin(R, std::fmin(G, B));
    const double L = (max + min) * 0.5;
    double H = 0, S = 0;
    const double d = max - min;
    if (L > 0 && d > 0) {
        S = L <= 0.5 ? d / (max + min) : d / (2.0 - max - min);
        const double dr = (max - R) / d, dg = (max - G) / d, db = (max - B) / d;
        if (R == max)
            H = G == min ? (5.0 + db) / 6.0 : (1.0 - dg) / 6.0;
        else if (G == max)
            H = B == min ? (1.0 + dr) / 6.0 : (3.0 - db) / 6.0;
        else
            H = R == min ? (3.0 + dg) / 6.0 : (5.0 - dr) / 6.0;
    }
    return {toByte(H), toByte(S), toByte(L)};
}

Hsv16 rgbToHsvColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const double R = red / 255.0, G = green / 255.0, B = blue / 255.0;
    const double max = std::fmax(R, std::fmax(G, B));
    const double min = std::fmin(R, std::fmin(G, B));
    const double d = max - min;
    const double V = max;
    double H = 0, S = 0;
    if (d != 0) {
        S = d / max;
        const double dR = ((max - R) / 6.0 + d / 2.0) / d;
        const double dG = ((max - G) / 6.0 + d / 2.0) / d;
        const double dB = ((max - B) / 6.0 + d / 2.0) / d;
        if (R == max)
            H = dB - dG;
        else if (G == max)
            H = 1.0 / 3.0 + dR - dB;
        else
            H = 2.0 / 3.0 + dG - dR;
        if (H < 0) H += 1.0;
        if (H > 1) H -= 1.0;
    }
    return {std::uint16_t(H * 360.0), std::uint16_t(S * 100.0), std::uint16_t(V * 100.0)};
}

Rgb8 hsvToRgbColor(std::uint16_t hue, std::uint16_t saturation, std::uint16_t value) {
    const double S = saturation / 100.0, V = value / 100.0;
    double r, g, b;
    if (S == 0) {
        r = g = b = V;
    } else {
        const double h6 = hue / 360.0 * 6.0;
        const double i = std::floor(h6);
        const double f = h6 - i;
        const double p = V * (1.0 - S);
        const double q = V * (1.0 - S * f);
        const double t = V * (1.0 - S * (1.0 - f));
        switch (int(i)) {
        case 0:
            r = V;
            g = t;
            b = p;
            break;
        case 1:
            r = q;
            g = V;
            b = p;
            break;
        case 2:
            r = p;
            g = V;
            b = t;
            break;
        case 3:
            r = p;
            g = q;
            b = V;
            break;
        case 4:
            r = t;
            g = p;
            b = V;
            break;
        default:
            r = V;
            g = p;
            b = q;
            break;
        }
    }
    return {toByte(r), toByte(g), toByte(b)};
}

}  // namespace tolvanea
