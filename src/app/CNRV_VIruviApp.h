#pragma once

namespace tx80 {

struct AppContext;

// The application object: one running copy, whose life is the main window's.
class CNRV_VIruviApp {
 public:
  explicit CNRV_VIruviApp(AppContext& context) : context_(context) {}

  // Enforces a single running copy, then runs the main window modally. Always
  // false: the process ends when the window ends.
  bool InitInstance();

 private:
  AppContext& context_;
};

}  // namespace tx80
