// The window as it is built: every control with its Swedish caption, position,
// size and settings; FormCreate then puts the second language in place if needed.
#include "shell/main_form.h"

#include "shell/command_line.h"
#include "shell/language.h"
#include "shell/verb.h"

namespace sigillo {

namespace {

constexpr int32_t kClientWidth = 249;
constexpr int32_t kClientHeight = 305;
constexpr int32_t kImageMargin = 4;
constexpr int32_t kPasswordLimit = 256;

const ui::Font kWindowFont{u"Tahoma", 11};
const ui::Font kFixedFont{u"Fixedsys", 12};

}  // namespace

TfrmMain::TfrmMain(ui::Application& app, OperationContext& operations)
    : app_(app), operations_(operations), form_(app.CreateForm("frmMain")) {
  CreateControls();
  FormCreate();
  NameEditBoxes();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateControls() {
  ui::Form& form = *form_;
  form.SetCaption(kTitleSwedish);
  form.SetClientSize(kClientWidth, kClientHeight);
  form.SetColor(ui::SystemColor::kButtonFace);
  form.SetFont(kWindowFont);
  form.SetOnPaint([this](ui::Canvas& canvas) { FormPaint(canvas); });
  form.SetOnFileDrop([this](TextView path) { FormFileDrop(path); });

  ilMenus = &form.CreateImageList("ilMenus", {"cross", "info"});
  ilButtons = &form.CreateImageList("ilButtons", {"folder", "padlock-closed", "padlock-open"});

  mnuMain = &form.CreateMainMenu("mnuMain");
  mnuMainFile = &mnuMain->AddItem("mnuMainFile");
  mnuMainFile->SetCaption(u"&Arkiv");
  mnuMainFileQuit = &mnuMainFile->AddItem("mnuMainFileQuit");
  mnuMainFileQuit->SetCaption(u"&Avsluta!");
  mnuMainFileQuit->SetImage(*ilMenus, 0);
  mnuMainFileQuit->SetShortcut(u"Ctrl+Q");
  mnuMainFileQuit->SetOnClick([this] { mnuMainFileQuitClick(); });
  mnuMainHelp = &mnuMain->AddItem("mnuMainHelp");
  mnuMainHelp->SetCaption(u"&Hjälp");
  mnuMainHelpAbout = &mnuMainHelp->AddItem("mnuMainHelpAbout");
  mnuMainHelpAbout->SetCaption(u"&Om...");
  mnuMainHelpAbout->SetImage(*ilMenus, 1);
  mnuMainHelpAbout->SetShortcut(u"F1");
  mnuMainHelpAbout->SetOnClick([this] { mnuMainHelpAboutClick(); });

  odOpenDialog = &form.CreateOpenDialog("odOpenDialog");
  odOpenDialog->SetTitle(u"Bläddra...");
  odOpenDialog->SetFilter(u"Alla filer (*.*)|*.*");

  lblFileName = &form.CreateLabel("lblFileName");
  lblFileName->SetAutoSize(true);
  lblFileName->SetCaption(u"Filnamn:");
  lblFileName->SetBounds({16, 16, 40, 13});

  txtFileName = &form.CreateEditBox("txtFileName");
  txtFileName->SetBounds({16, 32, 217, 21});
  txtFileName->SetMaxLength(0);
  txtFileName->SetTabOrder(0);
  txtFileName->SetOnChange([this] { txtFileNameChange(); });

  btnBrowse = &form.CreateButton("btnBrowse");
  btnBrowse->SetCaption(u"&Bläddra...");
  btnBrowse->SetBounds({128, 56, 105, 33});
  btnBrowse->SetImage(*ilButtons, 0);
  btnBrowse->SetImageMargins(kImageMargin);
  btnBrowse->SetTabOrder(1);
  btnBrowse->SetOnClick([this] { btnBrowseClick(); });

  lblPassword = &form.CreateLabel("lblPassword");
  lblPassword->SetAutoSize(true);
  lblPassword->SetCaption(u"Lösenord:");
  lblPassword->SetBounds({16, 104, 48, 13});

  txtPassword = &form.CreateEditBox("txtPassword");
  txtPassword->SetBounds({16, 120, 217, 23});
  txtPassword->SetFont(kFixedFont);
  txtPassword->SetMaxLength(kPasswordLimit);
  txtPassword->SetPasswordChar(u'*');
  txtPassword->SetTabOrder(2);

  lblRepeatPassword = &form.CreateLabel("lblRepeatPassword");
  lblRepeatPassword->SetAutoSize(true);
  lblRepeatPassword->SetCaption(u"Upprepa lösenordet:");
  lblRepeatPassword->SetBounds({16, 160, 99, 13});

  txtRepeatPassword = &form.CreateEditBox("txtRepeatPassword");
  txtRepeatPassword->SetBounds({16, 176, 217, 23});
  txtRepeatPassword->SetFont(kFixedFont);
  txtRepeatPassword->SetMaxLength(kPasswordLimit);
  txtRepeatPassword->SetPasswordChar(u'*');
  txtRepeatPassword->SetTabOrder(3);

  btnEncrypt = &form.CreateButton("btnEncrypt");
  btnEncrypt->SetCaption(u"&Kryptera!");
  btnEncrypt->SetBounds({16, 256, 105, 33});
  btnEncrypt->SetImage(*ilButtons, 1);
  btnEncrypt->SetImageMargins(kImageMargin);
  btnEncrypt->SetEnabled(false);
  btnEncrypt->SetDefault(false);
  btnEncrypt->SetTabOrder(4);
  btnEncrypt->SetOnClick([this] { btnEncryptClick(); });

  btnDecrypt = &form.CreateButton("btnDecrypt");
  btnDecrypt->SetCaption(u"&Dekryptera!");
  btnDecrypt->SetBounds({128, 256, 105, 33});
  btnDecrypt->SetImage(*ilButtons, 2);
  btnDecrypt->SetImageMargins(kImageMargin);
  btnDecrypt->SetEnabled(false);
  btnDecrypt->SetDefault(false);
  btnDecrypt->SetTabOrder(5);
  btnDecrypt->SetOnClick([this] { btnDecryptClick(); });

  lblStatus = &form.CreateLabel("lblStatus");
  lblStatus->SetAutoSize(false);
  lblStatus->SetBounds({16, 219, 217, 20});
  lblStatus->SetAlignment(ui::TextAlignment::kCenter);
  lblStatus->SetFont(kFixedFont);
  lblStatus->SetColor(ui::SystemColor::kButtonFace);
  lblStatus->SetCaption(u"");
}

void TfrmMain::FormCreate() {
  if (!sigillo::IsSwedish()) {
    app_.SetTitle(kTitleSecond);
    form_->SetCaption(app_.Title());
    mnuMainFile->SetCaption(u"&文件");
    mnuMainFileQuit->SetCaption(u"&退出!");
    mnuMainHelp->SetCaption(u"&帮助");
    mnuMainHelpAbout->SetCaption(u"&关于...");
    lblFileName->SetCaption(u"文件名称:");
    btnBrowse->SetCaption(u"&浏览...");
    lblPassword->SetCaption(u"密码:");
    lblRepeatPassword->SetCaption(u"重复密码:");
    btnEncrypt->SetCaption(u"&加密!");
    btnDecrypt->SetCaption(u"&解密!");
    odOpenDialog->SetFilter(u"全部文件 (*.*)|*.*");
    odOpenDialog->SetTitle(u"浏览...");
  }
  RegisterVerb(app_.ExeName(), sigillo::IsSwedish());
  OpenCommandLineFile();
}

void TfrmMain::NameEditBoxes() {
  // The labels are no buddies of the boxes (they carry no mnemonic), so a screen
  // reader learns from here what each box is for.
  txtFileName->SetAccessibleName(lblFileName->Caption());
  txtPassword->SetAccessibleName(lblPassword->Caption());
  txtRepeatPassword->SetAccessibleName(lblRepeatPassword->Caption());
}

void TfrmMain::OpenCommandLineFile() {
  const std::optional<Text> file = CommandLineFile(CommandLine(), operations_.fs);
  if (!file) return;
  // Shown first: a hidden window's controls cannot take the focus everywhere.
  form_->Show();
  txtFileName->SetText(*file);
  txtPassword->SetFocus();
}

}  // namespace sigillo
