// The window's handlers, and what it offers the encrypt and decrypt operations.
#include <array>

#include "fileops/format.h"
#include "fileops/progress.h"
#include "shell/form_toolz.h"
#include "shell/language.h"
#include "shell/main_form.h"

namespace sigillo {

namespace {

constexpr std::array<int32_t, 4> kEtchedRows = {96, 152, 208, 248};
constexpr int32_t kEtchedLeft = 16;
constexpr int32_t kEtchedRight = 232;

constexpr char16_t kProjectAddress[] = u"https://sigillo.example.org/";

Text AboutText(bool swedish) {
  const Text address = kProjectAddress;
  if (swedish) {
    return u"Sigillo utvecklas av Sigillo-projektet (" + address + u").\r\n\r\n" +
           u"Bilderna på knapparna och i menyerna är ritade av Sigillo-projektet (" + address +
           u").\r\n";
  }
  return u"Sigillo is developed by the Sigillo project (" + address + u").\r\n\r\n" +
         u"The pictures on the buttons and in the menus are drawn by the Sigillo project (" +
         address + u").\r\n";
}

}  // namespace

void TfrmMain::mnuMainFileQuitClick() {
  form_->Close();
}

void TfrmMain::mnuMainHelpAboutClick() {
  const bool swedish = sigillo::IsSwedish();
  const Text caption = LangStr(swedish, u"Om", u"About") + u" " + app_.Title();
  sigillo::ShowAbout(*form_, AboutText(swedish), caption);
}

void TfrmMain::btnBrowseClick() {
  if (!odOpenDialog->Execute()) return;
  txtFileName->SetText(odOpenDialog->FileName());
  txtPassword->SetFocus();
}

void TfrmMain::FormFileDrop(TextView path) {
  if (!txtFileName->Enabled()) return;  // an operation is running
  txtFileName->SetText(path);
  txtPassword->SetFocus();
}

void TfrmMain::FormPaint(ui::Canvas& canvas) {
  for (int32_t y : kEtchedRows)
    DrawEtchedLine(canvas, kEtchedLeft, y, kEtchedRight, y);
}

void TfrmMain::DrawEtchedLine(ui::Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.DrawLine(x1, y1, x2, y2, ui::SystemColor::kButtonShadow);
  canvas.DrawLine(x1, y1 + 1, x2, y2 + 1, ui::SystemColor::kButtonHighlight);
}

void TfrmMain::txtFileNameChange() {
  btnEncrypt->SetEnabled(false);
  btnEncrypt->SetDefault(false);
  btnDecrypt->SetEnabled(false);
  btnDecrypt->SetDefault(false);
  const Text name = txtFileName->GetText();
  if (name.empty()) return;
  const std::string path = NativePath(name);
  if (operations_.fs.Kind(path) != PathKind::kFile) return;
  ui::Button* offered = IsEncryptedFile(operations_.fs, path) ? btnDecrypt : btnEncrypt;
  offered->SetEnabled(true);
  offered->SetDefault(true);
}

void TfrmMain::btnEncryptClick() {
  EncryptOperation(*this, operations_);
}

void TfrmMain::btnDecryptClick() {
  DecryptOperation(*this, operations_);
}

// ---- For the operations ----

Text TfrmMain::FileNameText() {
  return txtFileName->GetText();
}

Text TfrmMain::PasswordText() {
  return txtPassword->GetText();
}

Text TfrmMain::RepeatPasswordText() {
  return txtRepeatPassword->GetText();
}

bool TfrmMain::IsSwedish() {
  return sigillo::IsSwedish();
}

Text TfrmMain::StatusText() {
  return lblStatus->Caption();
}

void TfrmMain::SetStatusText(TextView text) {
  lblStatus->SetCaption(text);
}

void TfrmMain::ShowError(TextView text) {
  sigillo::ShowError(*form_, text, u"");
}

bool TfrmMain::AskConfirm(TextView text) {
  return sigillo::AskConfirm(*form_, text, u"");
}

void TfrmMain::BeginBusy() {
  txtFileName->SetEnabled(InvertFlag(txtFileName->Enabled()));
  btnBrowse->SetEnabled(InvertFlag(btnBrowse->Enabled()));
  txtPassword->SetEnabled(InvertFlag(txtPassword->Enabled()));
  txtRepeatPassword->SetEnabled(InvertFlag(txtRepeatPassword->Enabled()));
  btnEncrypt->SetEnabled(false);
  btnDecrypt->SetEnabled(false);
  SetBusyCursor();
}

void TfrmMain::EndBusy(bool success) {
  lblStatus->SetCaption(u"");
  SetNormalCursor();
  if (success) ShowDone(*form_);
  txtFileName->SetEnabled(InvertFlag(txtFileName->Enabled()));
  btnBrowse->SetEnabled(InvertFlag(btnBrowse->Enabled()));
  txtPassword->SetEnabled(InvertFlag(txtPassword->Enabled()));
  txtRepeatPassword->SetEnabled(InvertFlag(txtRepeatPassword->Enabled()));
  btnEncrypt->SetEnabled(false);
  btnDecrypt->SetEnabled(false);
  txtFileName->SetText(u"");
  txtPassword->SetText(u"");
  txtRepeatPassword->SetText(u"");
  lblStatus->SetCaption(u"");
  txtFileName->SetFocus();
}

void TfrmMain::PumpMessages() {
  app_.ProcessMessages();
}

void TfrmMain::SetBusyCursor() {
  app_.SetCursor(ui::ScreenCursor::kHourGlass);
}

void TfrmMain::SetNormalCursor() {
  app_.SetCursor(ui::ScreenCursor::kDefault);
}

}  // namespace sigillo
