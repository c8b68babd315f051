// Plain values shared by the widget layer and the window written against it.
#pragma once

#include <cstdint>

#include "toolz/text.h"

namespace sigillo::ui {

// Position and size in client pixels of the parent.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The system's colours that the window paints with.
enum class SystemColor { kButtonFace, kButtonShadow, kButtonHighlight };

// The application-wide mouse cursor.
enum class ScreenCursor { kDefault, kHourGlass };

enum class TextAlignment { kLeft, kCenter };

// A font by family name and character height in pixels. A backend that lacks the
// family substitutes its closest installed one.
struct Font {
  Text name;
  int32_t height = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

// Message box styles and answers. The values are those of the Windows message box,
// so that a Windows backend passes them through unchanged.
inline constexpr uint32_t kMbOk = 0;
inline constexpr uint32_t kMbYesNo = 4;
inline constexpr uint32_t kMbIconError = 16;
inline constexpr uint32_t kMbIconQuestion = 32;
inline constexpr uint32_t kMbIconInformation = 64;
inline constexpr int32_t kIdOk = 1;
inline constexpr int32_t kIdYes = 6;
inline constexpr int32_t kIdNo = 7;

}  // namespace sigillo::ui
