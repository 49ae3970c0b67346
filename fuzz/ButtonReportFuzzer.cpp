// The button report handler: any bytes of any length, in either driver state
// and either macro mode. The flags change only as the driver's rules say:
// while waiting, only the start click (06 00) does anything; while active, a
// press fills an empty mailbox (and drops a stop left over from before) or, in
// the normal mode, asks the macro to stop; a release in hold mode asks it to
// stop; nothing else changes anything.
#include <cstddef>
#include <cstdint>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "app/AppContext.h"
#include "device/ButtonReportReader.h"
#include "platform/sim/SimPlatform.h"

namespace {

struct Flags {
  bool active, pending, stop;
  uint8_t code;
  uint32_t posted;
};

Flags Read(const tx80::DriverFlags& f) {
  return {f.DriverActive, f.ButtonPending, f.MacroStop, f.PressedCode, f.PressesPosted};
}

struct Program {
  tx80::SimDesktop desktop;
  tx80::SimPlatform os{desktop};
  tx80::AppContext context{os.platform, tx80::fuzz::ScratchDirectory()};
  tx80::ButtonReportReader reader = context.Reader();
};

void Check(bool holds, const char* what) {
  if (!holds) tx80::fuzz::Fail(what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static Program program;
  tx80::DriverFlags& flags = program.context.driver.flags;
  FuzzedDataProvider input(data, size);

  tx80::ProfileFields fields;
  fields.MACRO_MODE2 = input.ConsumeBool() ? input.ConsumeIntegral<int32_t>() : input.ConsumeIntegralInRange(0, 1);
  program.context.profile.Load(fields);
  const bool holdMode = fields.MACRO_MODE2 != 0;
  flags.DriverActive = input.ConsumeBool();
  flags.ButtonPending = input.ConsumeBool();
  flags.MacroStop = input.ConsumeBool();
  flags.PressedCode = input.ConsumeIntegral<uint8_t>();

  while (input.remaining_bytes() > 0) {
    const std::vector<uint8_t> report =
        input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 300));
    const Flags before = Read(flags);
    program.reader.HandleReport(report);
    const Flags after = Read(flags);

    const bool twoBytes = report.size() >= 2;
    const uint8_t state = twoBytes ? report[1] : 0;
    const bool press = twoBytes && state >= tx80::PressCode(1);
    const bool release = twoBytes && state == 0;
    if (!before.active) {
      const bool startClick = release && report[0] == tx80::kButtonReportId;
      Check(after.active == startClick, "start click");
      Check(after.pending == before.pending && after.stop == before.stop && after.code == before.code &&
                after.posted == before.posted,
            "a report while waiting changed the mailbox");
      continue;
    }
    Check(after.active, "the driver stopped being active");
    const bool posts = press && !before.pending;
    Check(after.pending == (before.pending || posts), "mailbox");
    Check(after.code == (posts ? state : before.code), "pressed code");
    Check(after.posted == before.posted + (posts ? 1u : 0u), "presses posted");
    const bool stops = (press && before.pending && !holdMode) || (release && holdMode);
    Check(after.stop == (posts ? false : before.stop || stops), "macro stop");
  }
  return 0;
}
