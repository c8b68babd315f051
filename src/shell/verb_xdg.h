// The context-menu entry on free desktops: a Dolphin service menu, a Nemo action
// and a desktop entry for every file manager's "Open With", all in the user's data
// folder (XDG_DATA_HOME, by default ~/.local/share).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "toolz/text.h"

namespace sigillo {

struct VerbFile {
  std::filesystem::path path;  // relative to the data folder
  std::string content;
  bool executable = false;  // Dolphin ignores service menus that are not
};

std::vector<VerbFile> XdgVerbFiles(TextView program_path, TextView caption);

// One argument of a desktop entry's Exec line: in double quotes, with a backslash
// before each double quote, backquote, dollar and backslash; "%" doubled where the
// line's field codes need it.
std::string QuotedExecArgument(std::string_view argument, bool double_percent);

// A value as a key file stores it: backslashes and control characters escaped.
std::string KeyFileValue(std::string_view value);

// The caption without its mnemonic marks ("&&" stays one "&").
Text StripMnemonic(TextView caption);

// XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty when
// neither is known.
std::filesystem::path XdgDataHome();

// Writes content to path, creating its folders, unless the file already holds it
// (with the executable bits when asked for). False on any failure.
bool WriteFileIfChanged(const std::filesystem::path& path, const std::string& content,
                        bool executable);

}  // namespace sigillo
