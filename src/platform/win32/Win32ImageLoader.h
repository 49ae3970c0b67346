#pragma once
#include <windows.h>

#include "platform/ImageLoader.h"

namespace tx80 {

// Decodes the skin's JPG pictures with GDI+, which the object starts for its
// lifetime. GDI+ fills the missing part of a picture cut short without an
// error; the program refuses such files before they get here (LoadPicture).
class Win32ImageLoader final : public ImageLoader {
 public:
  Win32ImageLoader();
  ~Win32ImageLoader() override;
  Win32ImageLoader(const Win32ImageLoader&) = delete;
  Win32ImageLoader& operator=(const Win32ImageLoader&) = delete;

  std::optional<fw::Image> Decode(std::span<const uint8_t> jpeg) override;

 private:
  std::optional<fw::Image> DecodeStream(IStream& stream);

  ULONG_PTR token_ = 0;
  bool started_ = false;
};

}  // namespace tx80
