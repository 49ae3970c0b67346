#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "platform/Dialogs.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimFileStore.h"

namespace tx80::fuzz {

// A finding: libFuzzer keeps the input that led here.
[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// A directory of this process for the files the program reads and writes,
// in memory where the machine offers it; removed when the process ends.
inline const std::filesystem::path& ScratchDirectory() {
  static const std::filesystem::path directory = [] {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::random_device random;
    auto path = base / ("tx80-fuzz-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchDirectory(), ignored);
    });
    return path;
  }();
  return directory;
}

inline void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The program's files, as the simulated backend keeps them.
inline tx80::FileStore& Files() {
  static tx80::SimClock clock;
  static tx80::SimFileStore files(clock);
  return files;
}

// Message boxes are counted; no question or file dialog is ever expected.
struct CountingDialogs : Dialogs {
  void MessageBox(WindowHost*, std::u16string_view, std::u16string_view) override { ++shown; }
  bool AskYesNo(WindowHost*, std::u16string_view, std::u16string_view) override { Fail("a question"); }
  std::optional<std::filesystem::path> OpenFile(WindowHost*, const FileDialogOptions&) override {
    Fail("file dialog");
  }
  std::optional<std::filesystem::path> SaveFile(WindowHost*, const FileDialogOptions&) override {
    Fail("file dialog");
  }
  int shown = 0;
};

}  // namespace tx80::fuzz
