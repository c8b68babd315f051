#include "shell/form_toolz.h"

#include "shell/language.h"

namespace sigillo {

namespace {

Text PickCaption(TextView caption, TextView swedish_default, TextView second_default) {
  const Text fallback = LangStr(IsSwedish(), swedish_default, second_default);
  return LangStr(caption.empty(), fallback, caption);
}

}  // namespace

void ShowInformation(ui::Form& owner, TextView text, TextView caption) {
  owner.MessageBox(text, PickCaption(caption, u"Information", u"Information"),
                   ui::kMbIconInformation | ui::kMbOk);
}

void ShowError(ui::Form& owner, TextView text, TextView caption) {
  owner.MessageBox(text, PickCaption(caption, u"Fel", u"Error"), ui::kMbIconError | ui::kMbOk);
}

void ShowAbout(ui::Form& owner, TextView text, TextView caption) {
  owner.MessageBox(text, PickCaption(caption, u"Om...", u"About..."),
                   ui::kMbIconInformation | ui::kMbOk);
}

bool AskConfirm(ui::Form& owner, TextView text, TextView caption) {
  const Text picked_caption = PickCaption(caption, u"Bekräfta", u"Confirm");
  const Text question = LangStr(IsSwedish(), u"Fortsätta?", u"Continue?");
  const Text picked_text = LangStr(text.empty(), question, text);
  return owner.MessageBox(picked_text, picked_caption, ui::kMbIconQuestion | ui::kMbYesNo) ==
         ui::kIdYes;
}

void ShowDone(ui::Form& owner) {
  ShowInformation(owner, LangStr(IsSwedish(), u"Klart!", u"Done!"), u"");
}

}  // namespace sigillo
