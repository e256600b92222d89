#pragma once
// "Bild speichern" and "Drucken ..." of the "Datei" menu. Both keep the
// picture the window shows: they take it from the back buffer of the last
// flip, not from the screen, so that no window over the figure spoils it.
// BMP and JPEG keep the part of the surface right of the control panel's
// column; PNG, SVG and PDF the whole surface, the vector formats drawn again
// by the run's own frame (Hauptprozedur::bildNachzeichnen).
//
// Both items are enabled when a run starts outside the start phase and stay
// enabled after it.

#include "output/Bilddatei.h"
#include "shell/Ordnergedaechtnis.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace shell {
class TForm1;
}

namespace output {

class TForm2;

class Ausgabebefehle : public QObject {
public:
    explicit Ausgabebefehle(shell::TForm1& form1);
    ~Ausgabebefehle() override;

    void Bildspeichern1Click();
    void Drucken1Click();

    // The printer of the program run (its settings stay between previews).
    QPrinter& drucker();

    // The folders the save dialog and the PDF page open in (the settings
    // store's, set by the program entry; none: the user's standard folders).
    shell::Ordnergedaechtnis* ordner = nullptr;
    // Where "Bild speichern" opens: "Testbild" in the folder chosen last.
    QString dateiVorschlag() const;

    // Replaceable for tests: the save dialog (returns the chosen name,
    // empty on cancel), whether a printer exists, whether the main window
    // is maximised, and showing the preview modally (it is placed over the
    // whole available screen before).
    std::function<QString()> dateiWaehlen;
    std::function<bool()> druckerVorhanden;
    std::function<bool()> fensterMaximiert;
    std::function<void(TForm2&)> vorschauZeigen;

    // The last file written, and the result of the last save.
    QString letzteDatei;
    Schreibergebnis letztesErgebnis;

private:
    QString dialogZeigen();
    Schreibergebnis speichern(const QString& name, const QImage& gezeigt);
    void pauseZurueck(bool vorher);

    shell::TForm1& f_;
    std::unique_ptr<QPrinter> drucker_;
};

} // namespace output
