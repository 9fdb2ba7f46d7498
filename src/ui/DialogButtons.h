// The OK and Cancel buttons under a settings dialog, named "1" and "2" as
// the resource ids of those buttons.
#pragma once

class QDialog;
class QDialogButtonBox;

// A button box owned by dialog whose OK calls dialog's accept() (overrides
// included) and whose Cancel calls reject(). The caller places it.
QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog);
