// The main window's shape from the shipped mask, built two ways on the same run:
//  - as the program does: the mask becomes a pixel set, the near-white pixels
//    leave it, and the set is turned into banded rectangles once;
//  - pixel by pixel with one region operation per cut-out pixel, the way a
//    region API is used when each pixel is XOR-ed into a region object: here a
//    portable rectangle-list region whose XOR builds a new banded rectangle
//    list each time, as such region operations do.
// Prints the times and the rectangle counts; never fails.
//
//   window_shape_bench [--smoke] [mask.jpg]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "BenchSupport.h"
#include "framework/Rect.h"
#include "platform/sim/JpegImageLoader.h"
#include "ui/WindowShape.h"

namespace {

using Clock = std::chrono::steady_clock;

// A region kept as y-x banded rectangles (bands sorted top to bottom, the
// rectangles of a band left to right, equal bands merged).
class RectListRegion {
 public:
  explicit RectListRegion(fw::Rect r) { rects_.push_back(r); }

  // Symmetric difference with `r`, built band by band into a new list.
  void Xor(const fw::Rect& r) {
    std::vector<int> edges = {r.top, r.bottom};
    for (const fw::Rect& a : rects_) {
      edges.push_back(a.top);
      edges.push_back(a.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<fw::Rect> out;
    std::vector<std::pair<int, int>> spans, previous;
    std::size_t previousStart = 0;
    std::size_t first = 0;  // first rectangle whose band may reach the current one
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
      const int top = edges[e], bottom = edges[e + 1];
      std::vector<int> xs;  // edges of the spans crossing this band; XOR keeps odd coverage
      while (first < rects_.size() && rects_[first].bottom <= top) ++first;
      for (std::size_t i = first; i < rects_.size() && rects_[i].top < bottom; ++i)
        if (rects_[i].top <= top && rects_[i].bottom >= bottom) {
          xs.push_back(rects_[i].left);
          xs.push_back(rects_[i].right);
        }
      if (r.top <= top && r.bottom >= bottom) {
        xs.push_back(r.left);
        xs.push_back(r.right);
      }
      std::sort(xs.begin(), xs.end());
      spans.clear();
      for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
        if (xs[i] < xs[i + 1]) {
          if (!spans.empty() && spans.back().second == xs[i]) spans.back().second = xs[i + 1];
          else spans.emplace_back(xs[i], xs[i + 1]);
        }
      if (!spans.empty() && spans == previous && out.size() >= previousStart &&
          out[previousStart].bottom == top) {
        for (std::size_t i = previousStart; i < out.size(); ++i) out[i].bottom = bottom;
        continue;
      }
      previousStart = out.size();
      for (const auto& [l, rr] : spans) out.push_back({l, top, rr, bottom});
      previous = spans;
    }
    rects_ = std::move(out);
  }

  const std::vector<fw::Rect>& Rectangles() const { return rects_; }

 private:
  std::vector<fw::Rect> rects_;
};

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

bool SamePixels(const std::vector<fw::Rect>& a, const std::vector<fw::Rect>& b, int width, int height) {
  std::vector<unsigned char> pa(static_cast<std::size_t>(width) * height), pb(pa.size());
  const auto paint = [&](const std::vector<fw::Rect>& rects, std::vector<unsigned char>& pixels) {
    for (const fw::Rect& r : rects)
      for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, width); ++x) ++pixels[static_cast<std::size_t>(y) * width + x];
  };
  paint(a, pa);
  paint(b, pb);
  return pa == pb;
}

}  // namespace

int main(int argc, char** argv) {
  const tx80::bench::Arguments args(argc, argv);
  const std::filesystem::path maskPath =
      !args.positional.empty() ? std::filesystem::path(args.positional[0])
                               : std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins" / "main_mask.jpg";
  tx80::JpegImageLoader loader;
  const auto decodeStart = Clock::now();
  const auto mask = loader.Load(maskPath);
  const auto decodeTime = Clock::now() - decodeStart;
  if (!mask) {
    std::printf("cannot read %s; nothing measured\n", maskPath.string().c_str());
    return 0;
  }
  const int width = mask->Width(), height = mask->Height();
  std::printf("mask %s: %d x %d pixels, decoded in %.3f ms\n", maskPath.string().c_str(), width, height,
              Milliseconds(decodeTime));

  // The program's way, repeated for a steadier figure.
  const int runs = args.smoke ? 2 : 20;
  std::vector<fw::Rect> pixelSetRects;
  std::vector<double> pixelSetTimes;
  for (int run = 0; run < runs; ++run) {
    const auto start = Clock::now();
    const tx80::WindowShape shape = tx80::ShapeFromMask(*mask);
    pixelSetRects = shape.region.Rectangles();
    pixelSetTimes.push_back(Milliseconds(Clock::now() - start));
  }
  std::sort(pixelSetTimes.begin(), pixelSetTimes.end());

  // Pixel by pixel, column by column, one region operation per cut pixel.
  const auto start = Clock::now();
  RectListRegion region({0, 0, width, height});
  long operations = 0;
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y)
      if (tx80::IsCutOut(mask->Pixel(x, y))) {
        region.Xor({x, y, x + 1, y + 1});
        ++operations;
      }
  const double perPixelTime = Milliseconds(Clock::now() - start);

  std::printf("pixel set, rectangles once     : %8.3f ms (median of %d), %zu rectangles\n",
              pixelSetTimes[pixelSetTimes.size() / 2], runs, pixelSetRects.size());
  std::printf("per-pixel region XOR (%6ld ops): %8.3f ms, %zu rectangles\n", operations, perPixelTime,
              region.Rectangles().size());
  std::printf("same outline: %s\n", SamePixels(pixelSetRects, region.Rectangles(), width, height) ? "yes" : "NO");
  return 0;
}
