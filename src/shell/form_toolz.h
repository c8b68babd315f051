// The program's message boxes: each with its default caption in both languages,
// a fixed icon and fixed buttons, modal to its owner.
#pragma once

#include "toolz/text.h"
#include "ui/form.h"

namespace sigillo {

// An empty caption gives the routine's default caption in the current language.
void ShowInformation(ui::Form& owner, TextView text, TextView caption);
void ShowError(ui::Form& owner, TextView text, TextView caption);
void ShowAbout(ui::Form& owner, TextView text, TextView caption);
// Yes and No; true only for Yes. An empty text asks the default question.
bool AskConfirm(ui::Form& owner, TextView text, TextView caption);
// The end of a successful operation.
void ShowDone(ui::Form& owner);

}  // namespace sigillo
