#pragma once
#include <cstdint>
#include <filesystem>

namespace tx80 {

class Clock;
class ImageLoader;
class MacroStore;
class MainWindowRef;
class ProfileModel;
class SkinPictureCache;
class WindowHost;
class WindowSystem;
struct AssignListState;
struct SkinTables;

// What the assignment lists and their warning work with: their shared state,
// the skin's tables and pictures, the profile they assign functions in, the
// macros they list, and the windows they open.
struct AssignListParts {
  AssignListState& state;
  const SkinTables& skin;
  SkinPictureCache& pictures;
  const std::filesystem::path& skinsDirectory;
  ProfileModel& profile;
  const MacroStore& macros;
  WindowSystem& windows;
  ImageLoader& images;
  Clock& clock;
  // Repainted when a list has assigned a function.
  MainWindowRef& mainWindow;
};

// A press on a button element of the main page: the assignment list opens
// just below the element, owned by the main window. When no other button
// holds the left click the warning asks first, and giving up there opens
// nothing. Other elements are ignored. Returns once the list is open or the
// warning gave up: the press has ended either way, since its release goes to
// the list or was taken by the warning.
void OpenAssignMenu(const AssignListParts& parts, WindowHost& mainWindow, int32_t element);

// A press anywhere on the main page closes an open list, and its sub-list.
void CloseAssignMenu(AssignListState& state);

// The main window's paint, first of all: after a sub-list has made its
// assignment, the list closes.
void CloseMenuIfSubMenuDone(AssignListState& state);

}  // namespace tx80
