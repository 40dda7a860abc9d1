#pragma once

// Window measures are designed in twips; the screen has 15 of them to a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int toPixels(double twips) {
    return int(twips / kTwipsPerPixel);
}
inline constexpr double toTwips(int pixels) {
    return double(pixels) * kTwipsPerPixel;
}
