#pragma once
#include <string>
#include <string_view>

namespace tx80 {

struct AppContext;

// The application object: one running copy, whose life is the main window's.
class CNRV_VIruviApp {
 public:
  // `commandLine`: what followed the program's path when it was started.
  explicit CNRV_VIruviApp(AppContext& context, std::u16string_view commandLine = {})
      : context_(context), commandLine_(commandLine) {}

  // Enforces a single running copy, then runs the main window modally. Always
  // false: the process ends when the window ends.
  bool InitInstance();

 private:
  AppContext& context_;
  std::u16string commandLine_;
};

}  // namespace tx80
