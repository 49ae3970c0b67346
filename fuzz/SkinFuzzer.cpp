// The skin layouts: any file as any of a language's four layout files, read
// by its loader; then the pointer moves over the elements it placed. The value
// splitter on any text: with six commas or more the fields put back together
// with commas give the value.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <climits>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "framework/Utf.h"
#include "ui/HitTest.h"
#include "ui/SkinFields.h"
#include "ui/SkinLoader.h"

namespace {

void CheckSplit(std::u16string_view value) {
  const tx80::SkinFields fields = tx80::SplitSkinFields(value);
  if (std::count(value.begin(), value.end(), u',') < 6) return;
  std::u16string joined;
  for (std::size_t i = 0; i < 6; ++i) joined += fields[i] + u",";
  joined += fields[6];
  if (joined != value || !tx80::HasTooManyCommas(value) == (std::count(value.begin(), value.end(), u',') > 6))
    tx80::fuzz::Fail("split");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tx80;
  FuzzedDataProvider input(data, size);
  const int32_t languageFlag = input.ConsumeBool() ? 1 : 0;
  const auto which = static_cast<SkinFile>(input.ConsumeIntegralInRange(0, 3));
  const std::string content = input.ConsumeRemainingBytesAsString();

  CheckSplit(Utf8ToUtf16(content));

  const auto skins = fuzz::ScratchDirectory() / "skins";
  fuzz::WriteFile(SkinFilePath(skins, which, languageFlag), content);
  fuzz::CountingDialogs dialogs;
  int closings = 0;
  const SkinLoadContext context{skins, languageFlag, dialogs, fuzz::Files(), nullptr, u"TX80", [&] { ++closings; }};
  SkinTables tables;
  switch (which) {
    case SkinFile::Main: LoadMainSkin(context, tables); break;
    case SkinFile::Advanced: LoadAdvancedSkin(context, tables); break;
    case SkinFile::Color: LoadColorSkin(context, tables); break;
    case SkinFile::Warning: LoadWarningSkin(context, tables); break;
  }
  if (closings != 0) fuzz::Fail("the closing sequence for a file that exists");

  // The pointer at each element's corners, as the hover tracking sees it.
  HoverState hover;
  const auto visit = [&](std::span<const SkinItem> items) {
    for (const SkinItem& item : items) {
      const auto last = [](int32_t origin, int32_t extent) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{origin} + extent - 1, INT32_MIN, INT32_MAX));
      };
      for (const fw::Point p : {fw::Point{item.x, item.y}, fw::Point{last(item.x, item.width), last(item.y, item.height)}}) {
        for (const Page page : {Page::Main, Page::Advanced, Page::Color}) TrackHover(hover, tables, page, p, [] {});
      }
    }
  };
  visit(tables.MainItems);
  visit(tables.AdvancedItems);
  visit(tables.ColorItems);
  visit(tables.WarningItems);
  std::filesystem::remove(SkinFilePath(skins, which, languageFlag));
  return 0;
}
