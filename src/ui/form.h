// A window of fixed size with a main menu, the controls on its client area, and
// the message boxes it owns.
#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/menu.h"
#include "ui/types.h"

namespace sigillo::ui {

// What a form's paint handler draws with, in client pixels.
class Canvas {
 public:
  virtual ~Canvas() = default;
  // One pixel wide and solid; the end point itself is left out.
  virtual void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, SystemColor color) = 0;
};

class Form {
 public:
  virtual ~Form() = default;

  // Everything created here lives as long as the form; names identify the objects
  // for tools and tests.
  virtual MainMenu& CreateMainMenu(std::string_view name) = 0;
  virtual Label& CreateLabel(std::string_view name) = 0;
  virtual EditBox& CreateEditBox(std::string_view name) = 0;
  virtual Button& CreateButton(std::string_view name) = 0;
  // Pictures from the program's own resources, by name.
  virtual ImageList& CreateImageList(std::string_view name,
                                     std::initializer_list<std::string_view> pictures) = 0;
  virtual OpenDialog& CreateOpenDialog(std::string_view name) = 0;

  virtual void SetCaption(TextView caption) = 0;
  virtual Text Caption() const = 0;
  // The area below the menu bar; the form cannot be resized or maximised.
  virtual void SetClientSize(int32_t width, int32_t height) = 0;
  virtual void SetColor(SystemColor color) = 0;
  virtual void SetFont(const Font& font) = 0;

  // The first showing centres the form on the screen.
  virtual void Show() = 0;
  virtual bool Visible() const = 0;
  // Closing the main form ends the program. Asked for inside a handler that runs
  // while another handler waits (an operation's pause for messages), the close
  // happens once the outermost handler has returned.
  virtual void Close() = 0;

  // Runs whenever the client area is painted, after the background.
  virtual void SetOnPaint(std::function<void(Canvas&)> handler) = 0;
  // A file dropped on the form, with its full name.
  virtual void SetOnFileDrop(std::function<void(TextView path)> handler) = 0;

  // The system's message box, modal to this form; style and answer as in ui/types.h.
  // 0 when no box could be shown.
  virtual int32_t MessageBox(TextView text, TextView caption, uint32_t style) = 0;
};

}  // namespace sigillo::ui
