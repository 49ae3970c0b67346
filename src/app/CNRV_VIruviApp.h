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
  // false: the process ends when the window ends. A command line with a
  // command carries it out (through the running copy) instead.
  bool InitInstance();
  // The process's exit code: a command's, 0 otherwise.
  int ExitCode() const { return exitCode_; }

 private:
  AppContext& context_;
  std::u16string commandLine_;
  int exitCode_ = 0;
};

}  // namespace tx80
