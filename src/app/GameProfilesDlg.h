#pragma once
#include <cstdint>
#include <functional>

#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "profile/GameProfileRules.h"

namespace tx80 {

struct AppContext;

// The "Game profiles" dialog: lists the rules of [AppProfiles], adds the
// program of an .exe file the user picks with the profile typed, removes the
// rule selected. A standard dialog of the system's own controls, one template
// per language. UI thread only.
class GameProfilesDlg : public fw::Dialog {
 public:
  static constexpr int kTemplateEnglish = 106;
  static constexpr int kTemplateChinese = 107;
  static constexpr int kRuleListId = 1001;
  static constexpr int kProfileEditId = 1002;
  static constexpr uint32_t kAddCommand = 1003;
  static constexpr uint32_t kRemoveCommand = 1004;

  // `rulesChanged` runs after each change written to config.ini.
  GameProfilesDlg(AppContext& context, std::function<void()> rulesChanged);

  bool OnInitDialog() override;
  bool OnCommand(uint32_t id, uint32_t notifyCode) override;

 private:
  void AddProgram();
  void RemoveRule();
  void ShowRules();
  void Tell(std::u16string_view english, std::u16string_view chinese);

  AppContext& context_;
  std::function<void()> rulesChanged_;
  int32_t languageFlag_;
  fw::ListBox ruleList_;
  fw::Edit profileEdit_;
  GameProfileRules shown_;
};

}  // namespace tx80
