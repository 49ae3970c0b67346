#include "app/GameProfilesDlg.h"

#include <algorithm>
#include <utility>

#include "app/AppContext.h"
#include "framework/Decimal.h"
#include "ui/OnScreenNotice.h"

namespace tx80 {

GameProfilesDlg::GameProfilesDlg(AppContext& context, std::function<void()> rulesChanged)
    : fw::Dialog(context.profile.LanguageFlag() ? kTemplateEnglish : kTemplateChinese),
      context_(context),
      rulesChanged_(std::move(rulesChanged)),
      languageFlag_(context.profile.LanguageFlag()) {}

bool GameProfilesDlg::OnInitDialog() {
  ChildControls& controls = context_.platform.childControls;
  controls.AttachListBox(*this, ruleList_, kRuleListId);
  controls.AttachEdit(*this, profileEdit_, kProfileEditId);
  profileEdit_.SetText(u"1");
  ShowRules();
  return true;
}

bool GameProfilesDlg::OnCommand(uint32_t id, uint32_t) {
  if (id == kAddCommand) {
    AddProgram();
    return true;
  }
  if (id == kRemoveCommand) {
    RemoveRule();
    return true;
  }
  return false;
}

void GameProfilesDlg::AddProgram() {
  const int32_t profile = ParseDecimal(profileEdit_.Text());
  if (!IsProfile(profile)) {
    Tell(u"Type a profile number from 1 to 5.", u"请输入 1 到 5 之间的配置编号。");
    profileEdit_.SetFocus();
    profileEdit_.SelectAll();
    return;
  }
  const FileDialogOptions options{.filter = languageFlag_ ? u"Programs (*.exe)|*.exe||" : u"程序 (*.exe)|*.exe||",
                                  .initialDirectory = {},
                                  .defaultExtension = u"exe"};
  const auto file = context_.platform.dialogs.OpenFile(&Host(), options);
  if (!file) return;
  const std::u16string program = file->filename().u16string();
  if (!CanNameARule(program)) {
    Tell(u"A program with this file name cannot be given a profile.", u"无法为此文件名的程序设置配置。");
    return;
  }
  const std::filesystem::path& config = context_.paths.configPath;
  context_.ReportSave(config, WriteGameProfileRule(context_.platform.files, config, program, profile));
  ShowRules();
  if (const auto added = std::ranges::find_if(shown_, [&](const auto& rule) { return rule.program == program; });
      added != shown_.end())
    ruleList_.SetCurSel(static_cast<int>(added - shown_.begin()));
  rulesChanged_();
}

void GameProfilesDlg::RemoveRule() {
  const int line = ruleList_.CurSel();
  if (line < 0 || line >= static_cast<int>(shown_.size())) return;
  const std::filesystem::path& config = context_.paths.configPath;
  context_.ReportSave(config,
                      RemoveGameProfileRule(context_.platform.files, config, shown_[static_cast<size_t>(line)].program));
  ShowRules();
  rulesChanged_();
}

// The list shows what config.ini holds now, so a write that failed shows as
// a rule that is not there.
void GameProfilesDlg::ShowRules() {
  shown_ = ReadGameProfileRules(context_.platform.files, context_.paths.configPath);
  ruleList_.DeleteAll();
  for (const auto& rule : shown_) ruleList_.AddString(rule.program + u"  \u2192  " + ProfileLabel(rule.profile, languageFlag_));
}

void GameProfilesDlg::Tell(std::u16string_view english, std::u16string_view chinese) {
  context_.platform.dialogs.MessageBox(&Host(), languageFlag_ ? english : chinese,
                                       languageFlag_ ? u"Game profiles" : u"游戏配置");
}

}  // namespace tx80
