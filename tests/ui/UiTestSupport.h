#pragma once
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Dialogs.h"
#include "platform/ImageLoader.h"
#include "platform/WindowHost.h"

namespace tx80::test {

// Message boxes shown, in order.
struct RecordingDialogs : Dialogs {
  void MessageBox(WindowHost*, std::u16string_view text, std::u16string_view) override {
    shown.emplace_back(text);
  }
  bool AskYesNo(WindowHost*, std::u16string_view, std::u16string_view) override {
    ADD_FAILURE() << "no question is expected here";
    return false;
  }
  std::optional<std::filesystem::path> OpenFile(WindowHost*, const FileDialogOptions&) override {
    ADD_FAILURE() << "no file dialog is expected here";
    return std::nullopt;
  }
  std::optional<std::filesystem::path> SaveFile(WindowHost*, const FileDialogOptions&) override {
    ADD_FAILURE() << "no file dialog is expected here";
    return std::nullopt;
  }
  std::vector<std::u16string> shown;
};

// Pictures by file name; any other path is missing. Counts the files read.
struct FakeImageLoader : ImageLoader {
  std::optional<fw::Image> Load(const std::filesystem::path& path) override {
    ++loads;
    const auto found = pictures.find(path.filename().string());
    if (found == pictures.end()) return std::nullopt;
    return found->second;
  }
  std::map<std::string, fw::Image> pictures;
  int loads = 0;
};

// A window that only remembers its outline and its repaint requests.
struct ShapeRecordingWindow : WindowHost {
  void SetCaption(std::u16string_view) override {}
  void Invalidate(bool) override { requests.push_back("whole"); }
  void InvalidateRegion(const std::vector<fw::Rect>& rectangles, bool) override {
    requests.push_back("region");
    invalidRegion = rectangles;
  }
  void UpdateNow() override { requests.push_back("update"); }
  void Show(ShowMode) override {}
  void Destroy() override {}
  bool AppendToSystemMenu(uint32_t, std::u16string_view) override { return false; }
  void SetBigIcon() override {}
  void Post(uint32_t, uintptr_t, intptr_t) override {}
  void SetShape(const std::vector<fw::Rect>& rectangles) override {
    shape = rectangles;
    ++shapeCalls;
  }
  void Resize(int, int) override {}
  fw::Rect ScreenRect() override { return {}; }
  void Move(const fw::Rect&) override {}
  bool IsMinimized() override { return false; }
  bool IsVisible() override { return true; }
  void SetForeground() override {}
  intptr_t Send(uint32_t, uintptr_t, intptr_t) override { return 0; }
  void EndModal(int) override {}
  std::vector<fw::Rect> shape;
  int shapeCalls = 0;
  std::vector<std::string> requests;
  std::vector<fw::Rect> invalidRegion;
};

// Writes an INI file the way the shipped skins are stored: UTF-16LE with a
// byte-order mark.
inline void WriteUtf16Ini(const std::filesystem::path& file, std::u16string_view text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.put(static_cast<char>(0xFF)).put(static_cast<char>(0xFE));
  for (char16_t c : text) out.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8));
}

}  // namespace tx80::test
