#pragma once
#include <cstdint>

namespace tx80 {

struct AppContext;
struct AssignMenuState;
class WindowHost;

// A press on button element `element` (25..31) of the main page: the list of
// functions opens just below the element, owned by the main window. When no
// other button holds the left click (FunctionCode 1) the warning asks first,
// and giving up there (result 2) opens nothing. Other elements are ignored.
void OpenAssignMenu(AppContext& context, WindowHost& mainWindow, int32_t element);

// A press anywhere on the main page closes an open list, and its sub-list.
void CloseAssignMenu(AssignMenuState& state);

// The main window's paint, first of all: after a sub-list has made its
// assignment, the list closes.
void CloseMenuIfSubMenuDone(AssignMenuState& state);

}  // namespace tx80
