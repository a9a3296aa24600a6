// Draws the starter smileys as small GIF images, so a first start has a group to show without
// shipping pictures made elsewhere.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 19;
constexpr double kCentre = 9.0;

enum Colour : std::uint8_t { Clear, Skin, Ink, Red, White, Pink, Blue, Gold };

constexpr std::array<std::array<std::uint8_t, 3>, 8> kPalette{{
    {0, 0, 0},
    {255, 214, 0},
    {70, 40, 0},
    {220, 20, 30},
    {255, 255, 255},
    {255, 120, 150},
    {60, 140, 255},
    {255, 170, 0},
}};

using Picture = std::array<std::array<std::uint8_t, kSize>, kSize>;

double Distance(double x, double y, double cx, double cy) {
    return std::hypot(x - cx, y - cy);
}

void Paint(Picture& picture, const std::function<bool(double, double)>& inside, Colour colour) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (inside(x, y)) {
                picture[y][x] = colour;
            }
        }
    }
}

Picture BlankFace() {
    Picture picture{};
    Paint(
        picture, [](double x, double y) { return Distance(x, y, kCentre, kCentre) <= 8.6; }, Ink);
    Paint(
        picture, [](double x, double y) { return Distance(x, y, kCentre, kCentre) <= 7.6; }, Skin);
    return picture;
}

void Eyes(Picture& picture, bool winkRight = false) {
    Paint(
        picture, [](double x, double y) { return Distance(x, y, 6, 6.5) <= 1.1; }, Ink);
    if (winkRight) {
        Paint(
            picture, [](double x, double y) { return y == 7 && x >= 11 && x <= 13; }, Ink);
    } else {
        Paint(
            picture, [](double x, double y) { return Distance(x, y, 12, 6.5) <= 1.1; }, Ink);
    }
}

// An arc of the circle around (cx, cy) with the given radius, between two heights.
std::function<bool(double, double)> Arc(double cx, double cy, double radius, double top,
                                        double bottom) {
    return [=](double x, double y) {
        const double d = Distance(x, y, cx, cy);
        return std::abs(d - radius) < 0.7 && y >= top && y <= bottom;
    };
}

Picture Smile() {
    Picture picture = BlankFace();
    Eyes(picture);
    Paint(picture, Arc(kCentre, 7, 5, 10, 13), Ink);
    return picture;
}

Picture Sad() {
    Picture picture = BlankFace();
    Eyes(picture);
    Paint(picture, Arc(kCentre, 17, 5, 12, 14), Ink);
    return picture;
}

Picture Wink() {
    Picture picture = BlankFace();
    Eyes(picture, true);
    Paint(picture, Arc(kCentre, 7, 5, 10, 13), Ink);
    return picture;
}

Picture Laugh() {
    Picture picture = BlankFace();
    Eyes(picture);
    Paint(
        picture, [](double x, double y) { return y >= 10 && Distance(x, y, kCentre, 10) <= 4.6; },
        Ink);
    Paint(
        picture, [](double x, double y) { return y >= 13 && Distance(x, y, kCentre, 10) <= 3.4; },
        Red);
    return picture;
}

Picture Cool() {
    Picture picture = BlankFace();
    Paint(
        picture, [](double x, double y) { return y >= 5 && y <= 7 && x >= 3 && x <= 15; }, Ink);
    Paint(
        picture, [](double x, double y) { return y == 5 && (x == 6 || x == 12); }, White);
    Paint(picture, Arc(kCentre, 7, 5, 10, 13), Ink);
    return picture;
}

Picture Surprise() {
    Picture picture = BlankFace();
    Eyes(picture);
    Paint(
        picture, [](double x, double y) { return Distance(x, y, kCentre, 12.5) <= 2.2; }, Ink);
    return picture;
}

Picture Tongue() {
    Picture picture = BlankFace();
    Eyes(picture);
    Paint(
        picture, [](double x, double y) { return y == 11 && x >= 5 && x <= 13; }, Ink);
    Paint(
        picture, [](double x, double y) { return y >= 12 && Distance(x, y, 11, 12) <= 2.3; }, Pink);
    return picture;
}

Picture Angry() {
    Picture picture = BlankFace();
    Eyes(picture);
    Paint(
        picture, [](double x, double y) { return y == x - 1 && x >= 4 && x <= 7; }, Ink);
    Paint(
        picture, [](double x, double y) { return y == 17 - x && x >= 11 && x <= 14; }, Ink);
    Paint(picture, Arc(kCentre, 17, 5, 12, 14), Ink);
    return picture;
}

Picture Heart() {
    Picture picture{};
    Paint(
        picture,
        [](double x, double y) {
            const bool lobes = Distance(x, y, 5.5, 6.5) <= 4.2 || Distance(x, y, 12.5, 6.5) <= 4.2;
            const bool point = y >= 6.5 && y <= 17 && std::abs(x - kCentre) <= 17 - y;
            return lobes || point;
        },
        Red);
    Paint(
        picture, [](double x, double y) { return Distance(x, y, 5, 5) <= 1.1; }, White);
    return picture;
}

Picture Star() {
    Picture picture{};
    Paint(
        picture,
        [](double x, double y) {
            const double dx = x - kCentre;
            const double dy = y - kCentre;
            const double angle = std::atan2(dy, dx);
            const double radius = std::hypot(dx, dy);
            // Five points: the outline swings between an inner and an outer radius.
            const double swing = std::cos(5 * (angle + std::numbers::pi / 2));
            return radius <= 5.0 + 4.0 * (swing + 1) / 2 - 0.5;
        },
        Gold);
    return picture;
}

Picture Sun() {
    Picture picture{};
    Paint(
        picture,
        [](double x, double y) {
            const double dx = x - kCentre;
            const double dy = y - kCentre;
            return (std::abs(dx) < 0.5 || std::abs(dy) < 0.5 ||
                    std::abs(std::abs(dx) - std::abs(dy)) < 0.5) &&
                   std::hypot(dx, dy) <= 8.8;
        },
        Gold);
    Paint(
        picture, [](double x, double y) { return Distance(x, y, kCentre, kCentre) <= 5; }, Skin);
    Paint(
        picture, [](double x, double y) { return Distance(x, y, kCentre, kCentre) <= 1.2; }, Blue);
    return picture;
}

// Writes the bits of LZW codes, lowest bit first, into GIF data sub-blocks.
class CodeWriter {
  public:
    void put(unsigned code, int width) {
        bits_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<char>(bits_ & 0xFFU));
            bits_ >>= 8;
            count_ -= 8;
        }
    }

    std::string blocks() {
        if (count_ > 0) {
            bytes_.push_back(static_cast<char>(bits_ & 0xFFU));
            bits_ = 0;
            count_ = 0;
        }
        std::string out;
        for (std::size_t at = 0; at < bytes_.size(); at += 255) {
            const std::size_t length = std::min<std::size_t>(255, bytes_.size() - at);
            out.push_back(static_cast<char>(length));
            out.append(bytes_, at, length);
        }
        out.push_back('\0');
        return out;
    }

  private:
    std::string bytes_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

void PutWord(std::string& out, unsigned value) {
    out.push_back(static_cast<char>(value & 0xFFU));
    out.push_back(static_cast<char>((value >> 8) & 0xFFU));
}

// A GIF of one frame with colour 0 transparent. Every pixel goes out as a literal code and the
// table is cleared before it could grow past 9-bit codes: larger files, a much simpler encoder.
std::string EncodeGif(const Picture& picture) {
    constexpr unsigned kClear = 256;
    constexpr unsigned kEnd = 257;
    constexpr int kCodeWidth = 9;
    constexpr int kLiteralsPerTable = 250;

    std::string out = "GIF89a";
    PutWord(out, kSize);
    PutWord(out, kSize);
    out += "\xF7";  // global table of 256 colours
    out += std::string("\0\0", 2);
    for (unsigned i = 0; i < 256; ++i) {
        for (int channel = 0; channel < 3; ++channel) {
            out.push_back(static_cast<char>(i < kPalette.size() ? kPalette[i][channel] : 0));
        }
    }
    out += std::string("\x21\xF9\x04\x01\x00\x00\x00\x00", 8);  // colour 0 is transparent
    out += "\x2C";
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, kSize);
    PutWord(out, kSize);
    out.push_back('\0');
    out.push_back('\x08');

    CodeWriter codes;
    int sinceClear = kLiteralsPerTable;
    for (const auto& row : picture) {
        for (const std::uint8_t pixel : row) {
            if (sinceClear == kLiteralsPerTable) {
                codes.put(kClear, kCodeWidth);
                sinceClear = 0;
            }
            codes.put(pixel, kCodeWidth);
            ++sinceClear;
        }
    }
    codes.put(kEnd, kCodeWidth);
    out += codes.blocks();
    out += "\x3B";
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tagforge-draw-smileys <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::vector<std::pair<std::string, Picture>> smileys{
        {"smile.gif", Smile()},   {"sad.gif", Sad()},     {"wink.gif", Wink()},
        {"laugh.gif", Laugh()},   {"cool.gif", Cool()},   {"surprise.gif", Surprise()},
        {"tongue.gif", Tongue()}, {"angry.gif", Angry()}, {"heart.gif", Heart()},
        {"star.gif", Star()},     {"sun.gif", Sun()},
    };
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const auto& [name, picture] : smileys) {
        const std::filesystem::path path = folder / name;
        if (std::filesystem::exists(path)) {
            continue;  // never replace a picture the user may have changed
        }
        std::ofstream file(path, std::ios::binary);
        file << EncodeGif(picture);
        if (!file.flush()) {
            std::cerr << "Cannot write " << path.string() << "\n";
            return 1;
        }
        std::cout << name << "\n";
    }
    return 0;
}
