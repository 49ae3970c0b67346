// The macro file: whatever a file holds, loading it, saving the store over it
// (as "Save" does to the language's file) and loading it again gives the same
// store. The one byte the format does not carry is left out: the high delay
// byte of event slot 254 comes back from its first two digits.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "macro/MacroFile.h"
#include "macro/MacroStore.h"

namespace {

constexpr std::size_t kUncarriedByte = tx80::Macro::kSize - 1;

bool SameStore(const tx80::MacroStore& a, const tx80::MacroStore& b) {
  if (a.MacroCount() != b.MacroCount() || a.CurrentMacro() != b.CurrentMacro()) return false;
  const auto left = a.Macros();
  const auto right = b.Macros();
  for (std::size_t i = 0; i < left.size(); ++i)
    for (std::size_t j = 0; j < kUncarriedByte; ++j)
      if (left[i].Bytes()[j] != right[i].Bytes()[j]) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace tx80;
  const auto file = fuzz::ScratchDirectory() / "Macro_EN.dat";
  fuzz::WriteFile(file, std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::CountingDialogs dialogs;

  MacroStore loaded;
  LoadMacroFile(fuzz::Files(), loaded, file, dialogs, nullptr);
  if (!SaveMacroFile(fuzz::Files(), loaded, file)) fuzz::Fail("save");
  MacroStore reloaded;
  LoadMacroFile(fuzz::Files(), reloaded, file, dialogs, nullptr);
  if (dialogs.shown != 0) fuzz::Fail("a message for a file that exists");
  if (!SameStore(loaded, reloaded)) fuzz::Fail("load, save, load changed the store");
  return 0;
}
