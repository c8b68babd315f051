// The program's one window: a file name, a password typed twice, and the button
// that encrypts or decrypts the file in place.
#pragma once

#include <memory>

#include "fileops/operation_window.h"
#include "fileops/operations.h"
#include "ui/application.h"

namespace sigillo {

inline constexpr char16_t kTitleSwedish[] = u"Sigillo 1.41";
inline constexpr char16_t kTitleSecond[] = u"Vaultix1.01";

class TfrmMain final : public OperationWindow {
 public:
  // Builds the window and ends with FormCreate. The window stays hidden unless
  // the command line named a file.
  TfrmMain(ui::Application& app, OperationContext& operations);
  ~TfrmMain() override;
  TfrmMain(const TfrmMain&) = delete;
  TfrmMain& operator=(const TfrmMain&) = delete;

  // Owned by the window for its whole life.
  ui::MainMenu* mnuMain = nullptr;
  ui::MenuItem* mnuMainFile = nullptr;
  ui::MenuItem* mnuMainFileQuit = nullptr;
  ui::MenuItem* mnuMainHelp = nullptr;
  ui::MenuItem* mnuMainHelpAbout = nullptr;
  ui::ImageList* ilMenus = nullptr;
  ui::ImageList* ilButtons = nullptr;
  ui::OpenDialog* odOpenDialog = nullptr;
  ui::Label* lblFileName = nullptr;
  ui::EditBox* txtFileName = nullptr;
  ui::Button* btnBrowse = nullptr;
  ui::Label* lblPassword = nullptr;
  ui::EditBox* txtPassword = nullptr;
  ui::Label* lblRepeatPassword = nullptr;
  ui::EditBox* txtRepeatPassword = nullptr;
  ui::Button* btnEncrypt = nullptr;
  ui::Button* btnDecrypt = nullptr;
  ui::Label* lblStatus = nullptr;

  void mnuMainFileQuitClick();
  void mnuMainHelpAboutClick();
  void btnBrowseClick();
  void FormCreate();
  void FormPaint(ui::Canvas& canvas);
  void txtFileNameChange();
  void btnEncryptClick();
  void btnDecryptClick();
  void DrawEtchedLine(ui::Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

  // A file dropped on the window is taken like one chosen with Browse.
  void FormFileDrop(TextView path);

  ui::Form& Form() { return *form_; }

  // What the operations use of the window.
  Text FileNameText() override;
  Text PasswordText() override;
  Text RepeatPasswordText() override;
  bool IsSwedish() override;
  Text StatusText() override;
  void SetStatusText(TextView text) override;
  void ShowError(TextView text) override;
  bool AskConfirm(TextView text) override;
  void BeginBusy() override;
  void EndBusy(bool success) override;
  void PumpMessages() override;

 private:
  void CreateControls();
  void NameEditBoxes();
  void OpenCommandLineFile();
  void SetBusyCursor();
  void SetNormalCursor();

  ui::Application& app_;
  OperationContext& operations_;
  std::unique_ptr<ui::Form> form_;
};

}  // namespace sigillo
