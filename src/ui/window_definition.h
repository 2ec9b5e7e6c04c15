// window_definition.h: the main window and its fifteen controls, as data.
#pragma once

#include <windows.h>

#include "ui/controls.h"

constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 304;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;
extern const char kWindowTitle[];

enum class ControlKind { GroupBox, RadioButton, CheckBox, EditBox, Label, PushButton };

struct Placement {
  int x, y, width, height;  // in the parent's client area
};

struct ControlDefinition {
  Control name;
  ControlKind kind;
  Control parent;  // 0: the main window itself
  Placement placement;
  const char* text;
};

// In the window's own order: an earlier control lies above a later sibling.
// They are created in the reverse order, which gives the IDs 100, 110, ...
extern const ControlDefinition kControls[kControlCount];

// Position in kControls, or -1.
int ControlIndex(Control name);
const ControlDefinition* FindControl(Control name);

// The window class and styles a control of this kind is created with.
const wchar_t* ClassNameOf(ControlKind kind);
DWORD StyleOf(const ControlDefinition& control);
DWORD ExStyleOf(ControlKind kind);

// Labels draw themselves: text colour and DrawText flags.
COLORREF LabelTextColor(Control label);
UINT LabelDrawFlags(Control label);

// Tab visits these in this order, wrapping; the radio buttons' arrow-key ring.
extern const Control kTabOrder[9];
extern const Control kRadioRing[3];
