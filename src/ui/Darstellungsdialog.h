#pragma once
// The common base of the representation dialogs: created once with the main
// window and kept for the whole program (their controls hold the choices of
// their representation), scaled for the screen's dots per inch, registered
// for the language pass, "Eingabe okay" clears the surface and closes, and
// closing gives the focus to the control panel's Start. A dialog never
// writes the main window's run configuration or run state: the run reads
// the dialog's input record when it starts, and menu items reach the dialog
// as typed references (shell::Menueaktionen).

#include <QDialog>

namespace shell {
class TForm1;
}

namespace ui {

class Darstellungsdialog : public QDialog {
public:
    // form1 may be null (tests): then nothing outside the dialog is touched.
    Darstellungsdialog(shell::TForm1* form1, const char* komponente, QWidget* eltern = nullptr);

    // Captions, hints and list items in the current language.
    virtual void retranslate() = 0;

    // The menu command of the representation ran (`neu`: it was not the
    // selected one before).
    virtual void gewaehlt(bool neu) { (void)neu; }
    // Menu states that follow the dialog's controls: "Drehung der Figuren"
    // needs a figure to keep, "Datenausgabe" something to list.
    virtual bool figurenDrehungMoeglich() const { return true; }
    virtual bool datenausgabeMoeglich() const { return true; }

    // Dots per inch / 96, fixed at creation.
    double dpiFaktor() const { return dpiFaktor_; }
    // A length of the 96-dpi design in pixels of this screen.
    int px(int pixel96) const;

    // "Eingabe okay": the surface is cleared to the background colour and
    // the dialog closes.
    void eingabeOkay();

protected:
    // What closing corrects in the controls (before Start takes the focus).
    virtual void schliessenRegeln() {}
    void closeEvent(QCloseEvent* e) override;
    // Showing the dialog makes the main menu's shortcuts (F2 ... F9, Ctrl+K,
    // Ctrl+A, ...) work while the dialog has the focus too: the menu items
    // with a shortcut are added to the dialog, so a key the dialog's own
    // controls do not take reaches the main window's command.
    void showEvent(QShowEvent* e) override;

    shell::TForm1* form1_;

private:
    double dpiFaktor_ = 1.0;
};

// A dialog whose controls make the input record `Eingabe` of its run.
template <class Eingabe> class Eingabedialog : public Darstellungsdialog {
public:
    using Darstellungsdialog::Darstellungsdialog;
    // The input record of a run, read from the controls.
    virtual Eingabe eingabe() = 0;
};

} // namespace ui
