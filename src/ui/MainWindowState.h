#pragma once
#include <atomic>

#include "ui/AssignListState.h"
#include "ui/HitTest.h"
#include "ui/Page.h"
#include "ui/ProgramMenus.h"
#include "ui/SkinPictureCache.h"
#include "ui/SkinTables.h"
#include "ui/WindowShape.h"

namespace tx80 {

class ImageLoader;
class PopupMenus;

// What the main window shows and how: the page, the skin's tables and
// pictures, the window's outline, the elements under the pointer, the
// assignment lists and the program's menus. The UI thread owns all of it; the
// preview threads only look at the page.
struct MainWindowState {
  MainWindowState(ImageLoader& images, PopupMenus& popupMenus) : pictures(images), menus(popupMenus) {}

  std::atomic<Page> CurrentPage{Page::Main};
  SkinTables skin;
  // The skin's decoded pictures; cleared whenever the skin is reloaded.
  SkinPictureCache pictures;
  MainWindowShape shape;
  HoverState hover;
  AssignListState assignList;
  // The event list's and the tray icon's menus of the interface language.
  ProgramMenus menus;
};

}  // namespace tx80
