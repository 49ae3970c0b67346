#pragma once
#include <windows.h>

// hid.dll's one export beyond the system's functions: setupapi.dll lists the
// interfaces of the emulated mouse that hid.dll holds, so that both libraries
// see the same mouse. Copies the path of interface `index` (with its
// terminating null) when it fits in `capacity` characters; returns the path's
// length without the null, 0 past the last interface.
extern "C" DWORD WINAPI Tx80EmuInterfacePath(DWORD index, WCHAR* path, DWORD capacity);
