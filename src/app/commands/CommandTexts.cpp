#include "app/commands/CommandTexts.h"

#include "framework/Decimal.h"

namespace tx80 {

namespace {

std::u16string Pick(int32_t language, std::u16string english, std::u16string chinese) {
  return language ? std::move(english) : std::move(chinese);
}

std::u16string Number(int32_t value) { return FormatDecimal(value); }

std::u16string Quoted(std::u16string_view file) { return u"\"" + std::u16string(file) + u"\""; }

}  // namespace

std::u16string UsageText(int32_t language) {
  return Pick(language, u"Usage: ", u"用法：") +
         u"TX80.exe [/profile N | /dpi N | /apply | /status | /backup FILE | /restore FILE | /help]\n";
}

std::u16string HelpText(int32_t language) {
  if (language)
    return u"TX80.exe /profile N     select profile N (1-5) and apply it\n"
           u"TX80.exe /dpi N         make DPI level N (1-4) current\n"
           u"TX80.exe /apply         apply the current profile\n"
           u"TX80.exe /status        show the profile, DPI level, driver state and folders\n"
           u"TX80.exe /backup FILE   save every setting and macro into FILE\n"
           u"TX80.exe /restore FILE  restore the settings and macros saved in FILE\n"
           u"TX80.exe /help          show this list\n"
           u"Exit codes: 0 done, 2 refused (nothing changed), 3 TX80 is not running, 4 the mouse is absent.\n";
  return u"TX80.exe /profile N     选择配置 N（1-5）并应用\n"
         u"TX80.exe /dpi N         切换到 DPI 档位 N（1-4）\n"
         u"TX80.exe /apply         应用当前配置\n"
         u"TX80.exe /status        显示配置、DPI 档位、驱动状态和文件夹\n"
         u"TX80.exe /backup FILE   把全部设置和宏保存到 FILE\n"
         u"TX80.exe /restore FILE  从 FILE 恢复设置和宏\n"
         u"TX80.exe /help          显示本列表\n"
         u"退出码：0 完成，2 被拒绝（未做更改），3 驱动未运行，4 未连接鼠标。\n";
}

std::u16string BadCommandLineText(const BadCommandLine& bad, int32_t language) {
  using Problem = BadCommandLine::Problem;
  std::u16string line;
  switch (bad.problem) {
    case Problem::UnknownWord: line = Pick(language, u"Unknown command: ", u"未知命令：") + bad.word; break;
    case Problem::MissingValue: line = Pick(language, u"The command needs a value.", u"命令缺少参数。"); break;
    case Problem::BadNumber: line = Pick(language, u"Not a number the command takes: ", u"参数超出范围：") + bad.word; break;
    case Problem::ExtraWord: line = Pick(language, u"Too many words: ", u"多余的参数：") + bad.word; break;
  }
  return line + u"\n" + UsageText(language);
}

std::u16string NotRunningText(int32_t language) {
  return Pick(language, u"TX80 is not running.\n", u"TX80 驱动未运行。\n");
}

std::u16string MouseAbsentText(int32_t language) {
  return Pick(language, u"The mouse is not connected; nothing was changed.\n", u"未连接鼠标，未做任何更改。\n");
}

std::u16string ProfileAppliedText(int32_t profile, int32_t language) {
  return Pick(language, u"Profile " + Number(profile) + u" applied.\n", u"已应用配置 " + Number(profile) + u"。\n");
}

std::u16string DpiLevelSetText(int32_t level, int32_t resolution, int32_t language) {
  return Pick(language, u"DPI level " + Number(level) + u": " + Number(resolution) + u" dpi.\n",
              u"DPI 档位 " + Number(level) + u"：" + Number(resolution) + u" dpi。\n");
}

std::u16string DpiLevelOffText(int32_t level, int32_t profile, int32_t language) {
  return Pick(language,
              u"DPI level " + Number(level) + u" is switched off in profile " + Number(profile) +
                  u"; nothing was changed.\n",
              u"配置 " + Number(profile) + u" 未启用 DPI 档位 " + Number(level) + u"，未做任何更改。\n");
}

std::u16string BackupWrittenText(std::u16string_view file, int32_t language) {
  return Pick(language, u"Settings saved to ", u"设置已保存到 ") + Quoted(file) + Pick(language, u".\n", u"。\n");
}

namespace {

// Why a file was refused, as a clause.
std::u16string RefusalReasonText(const BackupRefusal& refusal, int32_t language) {
  using Reason = BackupRefusal::Reason;
  const std::u16string section = u"[" + refusal.section + u"]";
  switch (refusal.reason) {
    case Reason::Unreadable: return Pick(language, u"the file cannot be read", u"无法读取该文件");
    case Reason::Unwritable: return Pick(language, u"the file cannot be written", u"无法写入该文件");
    case Reason::NotABackup: return Pick(language, u"it is not a TX80 settings backup", u"它不是 TX80 设置备份");
    case Reason::MissingSection: return Pick(language, u"section " + section + u" is missing", u"缺少 " + section + u" 节");
    case Reason::NoCurrentProfile:
      return Pick(language, u"[Init] CurConfig names no profile 1-5", u"[Init] CurConfig 不是配置 1-5");
    case Reason::NoLeftClick:
      return Pick(language, u"profile " + Number(refusal.profile) + u" gives no button the left click",
                  u"配置 " + Number(refusal.profile) + u" 没有按键设为左键");
    case Reason::NoDpiLevelOn:
      return Pick(language, u"profile " + Number(refusal.profile) + u" has no DPI level switched on",
                  u"配置 " + Number(refusal.profile) + u" 没有启用任何 DPI 档位");
    case Reason::BadMacroCount:
      return Pick(language, u"macroNum of " + section + u" is not 0-12", section + u" 的 macroNum 不是 0-12");
    case Reason::BadMacroRecord:
      return Pick(language, u"macro " + Number(refusal.record) + u" of " + section + u" is damaged",
                  section + u" 的宏 " + Number(refusal.record) + u" 已损坏");
  }
  return {};
}

}  // namespace

std::u16string BackupNotWrittenText(const BackupRefusal& refusal, std::u16string_view file, std::u16string_view config,
                                    int32_t language) {
  using Reason = BackupRefusal::Reason;
  if (refusal.reason == Reason::Unwritable)
    return Pick(language, u"Could not write ", u"无法写入 ") + Quoted(file) + Pick(language, u".\n", u"。\n");
  const std::u16string why = refusal.reason == Reason::Unreadable
                                 ? Pick(language, Quoted(config) + u" cannot be read", u"无法读取 " + Quoted(config))
                                 : Pick(language, u"in " + Quoted(config) + u", ", Quoted(config) + u" 中") +
                                       RefusalReasonText(refusal, language);
  return Pick(language, u"No backup written to " + Quoted(file) + u": " + why + u".\n",
              u"未写入备份 " + Quoted(file) + u"：" + why + u"。\n");
}

std::u16string BackupRefusedText(const BackupRefusal& refusal, std::u16string_view file, int32_t language) {
  const std::u16string why = RefusalReasonText(refusal, language);
  return Pick(language, u"Not restored from " + Quoted(file) + u": " + why + u"; nothing was changed.\n",
              u"未从 " + Quoted(file) + u" 恢复：" + why + u"，未做任何更改。\n");
}

std::u16string RestoreFailedText(int32_t language) {
  return Pick(language, u"The settings files could not be written; nothing was changed.\n",
              u"无法写入设置文件，未做任何更改。\n");
}

std::u16string RestoredText(std::u16string_view file, int32_t appliedProfile, int32_t language) {
  std::u16string text = Pick(language, u"Settings restored from ", u"已从 ") + Quoted(file) +
                        Pick(language, u".", u" 恢复设置。");
  if (appliedProfile)
    text += Pick(language, u" Profile " + Number(appliedProfile) + u" applied.",
                 u"已应用配置 " + Number(appliedProfile) + u"。");
  else
    text += Pick(language, u" They take effect when TX80 starts.", u"将在 TX80 启动时生效。");
  return text + u"\n";
}

}  // namespace tx80
