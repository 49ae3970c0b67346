// One paint of the main page on the simulated canvas, from the shipped skin,
// measured two ways in the same run:
//  - as the program paints: the pictures decoded once and kept;
//  - decoding the page's pictures from their JPG files at every paint.
// Prints the times per paint and the decodes; never fails.
//
//   paint_bench [--smoke]     (1,000 paints each way; --smoke: a few)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <span>
#include <vector>

#include "device/DriverFlags.h"
#include "macro/MacroStore.h"
#include "platform/sim/JpegImageLoader.h"
#include "platform/sim/SimCanvas.h"
#include "platform/sim/SimPlatform.h"
#include "profile/ProfileModel.h"
#include "ui/PagePainter.h"
#include "ui/SkinLoader.h"
#include "ui/SkinPictureCache.h"

namespace {

using Clock = std::chrono::steady_clock;

class CountingLoader : public tx80::ImageLoader {
 public:
  std::optional<fw::Image> Decode(std::span<const uint8_t> jpeg) override {
    ++decodes;
    return jpeg_.Decode(jpeg);
  }
  long decodes = 0;

 private:
  tx80::JpegImageLoader jpeg_;
};

struct Figures {
  double meanMs = 0;
  double medianMs = 0;
  double worstMs = 0;
  double decodesPerPaint = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
  const int paints = smoke ? 5 : 1000;
  const std::filesystem::path skins = std::filesystem::path(TX80_SOURCE_DIR) / "data" / "skins";

  tx80::SimDesktop desktop;
  tx80::SimPlatform os(desktop);
  tx80::SkinTables skin;
  tx80::LoadSkins({skins, 1, os.dialogs, os.files, nullptr, u"", [] {}}, skin);
  if (!os.dialogs.Messages().empty()) {
    std::printf("cannot read the skin layouts in %s; nothing measured\n", skins.string().c_str());
    return 1;
  }
  tx80::ProfileModel profile;
  profile.SetFactoryDefaults();
  profile.SetCurConfig(1);
  profile.SetLanguageFlag(1);
  tx80::HoverState hover;
  hover.MainHover = 26;  // a button element: its name in green, its button lit on the mouse
  tx80::DriverFlags flags;
  tx80::MacroStore macros;
  const tx80::PageSources sources{tx80::Page::Main, skins, skin, hover, flags, profile, macros, false, {}};

  CountingLoader loader;
  tx80::SkinPictureCache pictures(loader);
  const auto run = [&](bool cached) {
    std::vector<double> times;
    const long decodesBefore = loader.decodes;
    if (cached) {  // the first paint of the page decodes; the measured ones follow it
      tx80::SimCanvas canvas(900, 540);
      tx80::PaintPage(canvas, pictures, sources, false);
    }
    const long measuredFrom = cached ? loader.decodes : decodesBefore;
    for (int i = 0; i < paints; ++i) {
      if (!cached) pictures.Clear();
      tx80::SimCanvas canvas(900, 540);
      const auto start = Clock::now();
      tx80::PaintPage(canvas, pictures, sources, false);
      times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    Figures f;
    for (double t : times) f.meanMs += t;
    f.meanMs /= static_cast<double>(times.size());
    std::sort(times.begin(), times.end());
    f.medianMs = times[times.size() / 2];
    f.worstMs = times.back();
    f.decodesPerPaint = static_cast<double>(loader.decodes - measuredFrom) / paints;
    return f;
  };

  const Figures cached = run(true);
  const Figures decoding = run(false);
  std::printf("main page, 900 x 540, %d paints each way\n", paints);
  std::printf("pictures kept      : mean %7.3f ms, median %7.3f ms, worst %7.3f ms, %.1f decodes per paint\n",
              cached.meanMs, cached.medianMs, cached.worstMs, cached.decodesPerPaint);
  std::printf("decoded each paint : mean %7.3f ms, median %7.3f ms, worst %7.3f ms, %.1f decodes per paint\n",
              decoding.meanMs, decoding.medianMs, decoding.worstMs, decoding.decodesPerPaint);
  std::printf("kept pictures paint %.1f times faster (means)\n", decoding.meanMs / cached.meanMs);
  return 0;
}
