// Draws the game's five bitmaps and writes them as 24-bit BMP files into a folder:
// "BG.BMP" (300 x 300) and the 90 x 90 marks "Kreuz.BMP", "Kreis.BMP", "KreuzHell.BMP"
// and "KreisHell.BMP", with the mask colour 0xFF00FF wherever the background must show;
// and the desktop icon "zwickelspiel.svg" in the same colours.
// Usage: make_assets FOLDER
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/bmp_writer.h"

namespace {

constexpr std::uint32_t kMask = 0xFF00FF;
constexpr int kSamples = 4;  // per axis, for edge coverage

struct Rgb {
  double r, g, b;
};

std::uint32_t Pack(Rgb c) {
  auto channel = [](double v) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
  };
  return (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// Signed distance to the edge of a shape: negative inside, and how deep inside.
using Shape = double (*)(double x, double y);

// A bold cross of two strokes with round ends.
double Cross(double x, double y) {
  constexpr double kHalfWidth = 9.5;
  const double d =
      std::min(SegmentDistance(x, y, 18, 18, 72, 72), SegmentDistance(x, y, 72, 18, 18, 72));
  return d - kHalfWidth;
}

// A round ring.
double Ring(double x, double y) {
  constexpr double kRadius = 30, kHalfWidth = 9;
  return std::abs(std::hypot(x - 45, y - 45) - kRadius) - kHalfWidth;
}

// A mark: pixels mostly inside the shape take its colour, shaded from `edge` at the rim to
// `core` along the middle of the stroke; all others are the mask colour.
Picture Mark(Shape shape, Rgb edge, Rgb core) {
  Picture picture(90, 90, kMask);
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 90; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) < 0;
        }
      }
      if (inside * 2 < kSamples * kSamples) continue;
      const double depth = std::clamp(-shape(x + 0.5, y + 0.5) / 9.0, 0.0, 1.0);
      picture.at(x, y) = Pack(Mix(edge, core, std::sqrt(depth)));
    }
  }
  return picture;
}

// A calm slate background, a darker band for the text line at the top, and the board's
// grid in the gaps between the marks: columns 90 to 99 and 190 to 199, rows 100 to 109
// and 200 to 209. The grid is a dark groove with a faint lit rim, so that the red result
// message and the white statistics, which lie on those rows, stay easy to read.
Picture Background() {
  Picture picture(300, 300, 0);
  const Rgb top{44, 62, 84}, bottom{26, 38, 54}, band{12, 18, 28};
  const Rgb grid{10, 15, 24}, grid_rim{96, 122, 150};
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) {
      // A soft light from the top left.
      const double glow = std::exp(-std::hypot(x - 80.0, y - 60.0) / 260.0) * 0.35;
      Rgb c = Mix(Mix(top, bottom, y / 299.0), Rgb{84, 112, 144}, glow);
      if (y < 10) c = Mix(band, c, y / 12.0);
      picture.at(x, y) = Pack(c);
    }
  }
  // Grid strokes, rounded at their ends and inset from the window's edge.
  auto stroke = [&](double ax, double ay, double bx, double by) {
    for (int y = 0; y < 300; ++y) {
      for (int x = 0; x < 300; ++x) {
        int inside = 0;
        double nearest = 0;
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            const double d = SegmentDistance(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples,
                                             ax, ay, bx, by);
            inside += d < 3.5;
            nearest = (sx == 0 && sy == 0) ? d : std::min(nearest, d);
          }
        }
        if (inside == 0) continue;
        const Rgb ink = Mix(grid, grid_rim, std::pow(std::clamp(nearest / 3.5, 0.0, 1.0), 3));
        const double coverage = static_cast<double>(inside) / (kSamples * kSamples);
        const std::uint32_t old = picture.at(x, y);
        const Rgb under{static_cast<double>(old >> 16), static_cast<double>((old >> 8) & 0xFF),
                        static_cast<double>(old & 0xFF)};
        picture.at(x, y) = Pack(Mix(under, ink, coverage));
      }
    }
  };
  stroke(94.5, 22, 94.5, 290);
  stroke(194.5, 22, 194.5, 290);
  stroke(8, 104.5, 282, 104.5);
  stroke(8, 204.5, 282, 204.5);
  return picture;
}

// The icon: the board's grid on the slate background, a cross and a bright line of circles.
constexpr const char* kIcon = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 64">
  <rect width="64" height="64" rx="10" fill="#2c3e54"/>
  <g stroke="#0a0f18" stroke-width="3" stroke-linecap="round">
    <path d="M23 8V56M41 8V56M8 23H56M8 41H56"/>
  </g>
  <g stroke="#ff8c5a" stroke-width="4.5" stroke-linecap="round">
    <path d="M10 28L19 37M19 28L10 37M28 46L37 55M37 46L28 55"/>
  </g>
  <g fill="none" stroke="#d8ffc8" stroke-width="4">
    <circle cx="50" cy="14" r="5"/><circle cx="50" cy="32" r="5"/><circle cx="50" cy="50" r="5"/>
  </g>
  <circle cx="32" cy="14" r="5" fill="none" stroke="#5ed8c0" stroke-width="4"/>
</svg>
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const struct {
    const char* name;
    Picture picture;
  } files[] = {
      {"BG.BMP", Background()},
      {"Kreuz.BMP", Mark(Cross, {230, 80, 50}, {255, 160, 100})},
      {"Kreis.BMP", Mark(Ring, {40, 190, 170}, {130, 255, 225})},
      {"KreuzHell.BMP", Mark(Cross, {255, 200, 40}, {255, 255, 215})},
      {"KreisHell.BMP", Mark(Ring, {150, 255, 120}, {245, 255, 230})},
  };
  for (const auto& file : files) {
    if (!WriteBmp24(folder + "/" + file.name, file.picture)) {
      std::fprintf(stderr, "%s: cannot write %s/%s\n", argv[0], folder.c_str(), file.name);
      return 1;
    }
  }
  std::ofstream icon(folder + "/zwickelspiel.svg");
  icon << kIcon;
  return icon ? 0 : 1;
}
