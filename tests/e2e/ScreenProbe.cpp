#include "tests/e2e/ScreenProbe.h"

#include "tests/e2e/ScreenGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

const Rgb veilOrange{255, 128, 0};

namespace {

// Sample points of a coarse grid over the whole screen, clear of the edges.
template <typename Visit>
bool everyGridPoint(Visit visit)
{
    constexpr int step = 48;
    for (int y = step / 2; y < screenHeight; y += step)
        for (int x = step / 2; x < screenWidth; x += step)
            if (!visit(x, y))
                return false;
    return true;
}

constexpr int discSampleRadius = 2;   // pixels around a disc's centre averaged together
constexpr int lightFaceMinimum = 150; // every channel of a white face (centre grey 0.8)
constexpr int greyFaceSpread = 40;    // largest channel difference of a grey
constexpr int darkFaceMaximum = 70;   // every channel of a dark face (black to grey 0.2)

constexpr int markerSearchRadius = 14; // pixels around the cone's middle
constexpr int strongHueSpread = 110;   // channel spread of a vivid colour
constexpr int hueSectors = 6;
constexpr int pixelsPerHue = 4;
constexpr int huesOfMarker = 3; // the cone always shows at least this many of its colours

constexpr int edgeMargin = 4;
constexpr int blackLimit = 12;

int hueSector(const Rgb& pixel)
{
    int maximum = std::max({pixel.red, pixel.green, pixel.blue});
    int minimum = std::min({pixel.red, pixel.green, pixel.blue});
    if (maximum - minimum < strongHueSpread)
        return -1;
    double r = pixel.red, g = pixel.green, b = pixel.blue, spread = maximum - minimum;
    double hue;
    if (maximum == pixel.red)
        hue = std::fmod((g - b) / spread + 6.0, 6.0);
    else if (maximum == pixel.green)
        hue = (b - r) / spread + 2.0;
    else
        hue = (r - g) / spread + 4.0;
    return std::clamp(static_cast<int>(hue), 0, hueSectors - 1);
}

bool isBlack(const Rgb& pixel)
{
    return std::max({pixel.red, pixel.green, pixel.blue}) <= blackLimit;
}

} // namespace

bool isSolidOrange(const Screenshot& shot)
{
    return everyGridPoint([&](int x, int y) { return closeTo(shot.at(x, y), veilOrange, 4); });
}

int evenVeilStrength(const Screenshot& shot)
{
    Rgb first = shot.at(24, 24);
    if (first.red < 16 || first.blue > 4 || std::abs(first.green * 2 - first.red) > 6)
        return -1;
    bool even = everyGridPoint([&](int x, int y) { return closeTo(shot.at(x, y), first, 3); });
    return even ? first.red : -1;
}

ExpectedBoard::Square discSeenAt(const Screenshot& shot, int x, int y, double tilt)
{
    PixelPos centre = projectSquare(x, y, discFaceHeight, tilt);
    Rgb face = shot.meanAround(centre.column(), centre.row(), discSampleRadius);
    int maximum = std::max({face.red, face.green, face.blue});
    int minimum = std::min({face.red, face.green, face.blue});
    if (minimum >= lightFaceMinimum && maximum - minimum <= greyFaceSpread)
        return ExpectedBoard::Square::Light;
    if (maximum <= darkFaceMaximum)
        return ExpectedBoard::Square::Dark;
    return ExpectedBoard::Square::Empty;
}

bool showsBoard(const Screenshot& shot, const ExpectedBoard& board, double tilt, SquarePos skip,
                std::string* mismatch)
{
    static constexpr std::array<const char*, 3> names{"empty", "dark", "light"};
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            if (x == skip.x && y == skip.y)
                continue;
            ExpectedBoard::Square seen = discSeenAt(shot, x, y, tilt);
            if (seen == board.at(x, y))
                continue;
            if (mismatch != nullptr)
                *mismatch = "square (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") shows " + names[static_cast<int>(seen)] + ", expected " +
                            names[static_cast<int>(board.at(x, y))];
            return false;
        }
    return true;
}

namespace {

// How many vivid pixels of each hue surround the cone's middle above square (x, y).
std::array<int, hueSectors> markerHues(const Screenshot& shot, int x, int y, double tilt)
{
    PixelPos middle = projectSquare(x, y, cursorMarkerHeight, tilt);
    std::array<int, hueSectors> pixels{};
    for (int dy = -markerSearchRadius; dy <= markerSearchRadius; ++dy)
        for (int dx = -markerSearchRadius; dx <= markerSearchRadius; ++dx) {
            int sector = hueSector(shot.at(middle.column() + dx, middle.row() + dy));
            if (sector >= 0)
                ++pixels[sector];
        }
    return pixels;
}

// The number of vivid pixels around the square when at least `huesOfMarker` hues show; else 0.
int markerScore(const Screenshot& shot, int x, int y, double tilt)
{
    int hues = 0, total = 0;
    for (int count : markerHues(shot, x, y, tilt)) {
        hues += count >= pixelsPerHue ? 1 : 0;
        total += count;
    }
    return hues >= huesOfMarker ? total : 0;
}

} // namespace

bool cursorMarkerAt(const Screenshot& shot, int x, int y, double tilt)
{
    return markerScore(shot, x, y, tilt) > 0;
}

SquarePos cursorMarkerSquare(const Screenshot& shot, double tilt)
{
    // The cone can reach into a neighbour's search area; the square it stands on sees most of it.
    SquarePos found;
    int bestScore = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            int score = markerScore(shot, x, y, tilt);
            if (score > bestScore) {
                bestScore = score;
                found = {x, y};
            }
        }
    return found;
}

bool isBlackBand(const Screenshot& shot, int top, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < shot.width(); x += 4)
            if (!isBlack(shot.at(x, y)))
                return false;
    return true;
}

bool farFrameEdgeMatches(const Screenshot& shot, double tilt)
{
    int edge = static_cast<int>(std::lround(farFrameEdgeRow(tilt)));
    int middle = screenWidth / 2;
    return isBlack(shot.at(middle, edge - edgeMargin)) &&
           !isBlack(shot.at(middle, edge + edgeMargin));
}

bool showsPictureAbove(const Screenshot& shot, const TgaPicture& picture, int bottomRow)
{
    // Filtering in the rasteriser and in this model differ by a few steps at most.
    constexpr int pictureTolerance = 10;
    return everyGridPoint([&](int x, int y) {
        return y >= bottomRow ||
               closeTo(shot.at(x, y), picture.stretchedOverScreen(x, y), pictureTolerance);
    });
}
