#include "ui/PageTexts.h"

#include "framework/Decimal.h"
#include "functions/FunctionCatalog.h"
#include "macro/MacroStore.h"

namespace tx80 {

std::u16string StatusLine(int32_t languageFlag, bool driverActive, int32_t startKeySlot, bool startKeyBlink) {
  if (driverActive) return languageFlag ? u"OK,driver is working..." : u"驱动运行中...";
  const std::u16string slot = startKeyBlink ? FormatDecimal(startKeySlot) : u" ";
  if (languageFlag) return u"Configuration done,click key [" + slot + u"] to start driver";
  return u"配置完成，请点击鼠标第[" + slot + u"]键运行驱动";
}

std::u16string PlugInMessage(int32_t languageFlag) {
  constexpr std::u16string_view kModel = u"TX80_KARVO";
  if (languageFlag) return u"Please plug-in【" + std::u16string(kModel) + u"】USB Mouse";
  return u"请插入【" + std::u16string(kModel) + u"】USB鼠标";
}

std::u16string FunctionDisplayName(int32_t code, const std::array<std::u16string, kFunctionNameCount>& functionNames,
                                   const MacroStore& macros) {
  if (code < 0) return {};
  if (code < function_code::kFirstMacro) return functionNames[static_cast<std::size_t>(code)];
  const auto macro = macros.Copy(code - function_code::kFirstMacro);
  return macro ? macro->Name() : std::u16string();
}

std::u16string RecordText(int32_t languageFlag, bool recording) {
  if (recording) return languageFlag ? u"Stop" : u"停止";
  return languageFlag ? u"Record" : u"录制";
}

std::u16string FireTimeText(int32_t fireTime) { return FormatDecimal(fireTime) + u"ms"; }

}  // namespace tx80
