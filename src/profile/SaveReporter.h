#pragma once
#include <filesystem>

namespace tx80 {

// Told after every save of a settings or macro file, from any thread: a save
// that failed is told to the user, once per file, by the application.
class SaveReporter {
 public:
  virtual void ReportSave(const std::filesystem::path& file, bool saved) = 0;

 protected:
  ~SaveReporter() = default;
};

}  // namespace tx80
