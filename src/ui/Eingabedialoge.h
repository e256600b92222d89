#pragma once
// The input dialogs of the representations. They live for the whole program
// and keep their controls' values between runs.

namespace shell {
class TForm1;
}

namespace ui {

// Creates every input dialog in program order and registers it with the main
// window. A representation whose dialog is not built yet gets a plain window
// with its caption that says so.
void DialogeAnlegen(shell::TForm1& form1);

} // namespace ui
