// What the encrypt and decrypt operations need of the window that runs them.
// The desktop program, the command line and the tests each provide one.
#pragma once

#include "toolz/text.h"

namespace sigillo {

// A text as it exists in both languages: Swedish first, then the second language.
struct TextPair {
  TextView swedish;
  TextView second;
};

class OperationWindow {
 public:
  virtual ~OperationWindow() = default;

  // The three input boxes, read as typed.
  virtual Text FileNameText() = 0;
  virtual Text PasswordText() = 0;
  virtual Text RepeatPasswordText() = 0;

  // The language of the moment; asked afresh for every text shown.
  virtual bool IsSwedish() = 0;

  // The status line.
  virtual Text StatusText() = 0;
  virtual void SetStatusText(TextView text) = 0;

  // Message boxes owned by the window, with their default captions.
  virtual void ShowError(TextView text) = 0;
  // An empty text asks the default question.
  virtual bool AskConfirm(TextView text) = 0;

  // Locks the inputs and shows the busy cursor.
  virtual void BeginBusy() = 0;
  // Clears the status line and the cursor, shows the completion message when
  // success is set, then unlocks and empties the inputs.
  virtual void EndBusy(bool success) = 0;
  // Lets the window process pending messages.
  virtual void PumpMessages() = 0;
};

}  // namespace sigillo
