#pragma once
// The print preview: a silver window with the white sheet of the printer's
// paper, its printable area dotted, and the captured picture on it, which the
// user moves and resizes with the mouse before printing it. The geometry is
// Vorschaulayout's; this window paints it and forwards the mouse.

#include "output/Vorschaulayout.h"
#include "shell/Ordnergedaechtnis.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QPrinter;
class QPushButton;

namespace output {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // `drucker` is the printer of the program run; `bild` the captured
    // picture.
    TForm2(QPrinter& drucker, QImage bild, QWidget* eltern = nullptr);

    Vorschaulayout& layout() { return l_; }
    const QImage& bild() const { return bild_; }
    QPushButton* button1() const { return button1_; }
    QPushButton* bitBtn1() const { return bitBtn1_; }
    QPushButton* button2() const { return button2_; }

    // The printer dialog of "Druckereinstellungen"; true when confirmed.
    // Tests replace it.
    std::function<bool(QPrinter&)> druckerEinstellen;
    // The file of the PDF printer, asked for on every print (empty:
    // cancelled); the dialog proposes pdfVorschlag().
    std::function<QString()> pdfDateiWaehlen;
    // The last file printed to in this program run, else "Velmora.pdf" in
    // the folder chosen last (`ordner`, the settings store's folders).
    QString pdfVorschlag() const;
    shell::Ordnergedaechtnis* ordner = nullptr;
    // Message boxes of the window (tests answer them).
    std::function<void(const QString& titel, const QString& text)> fehlermeldung;

    void FormActivate();
    void DruckerAbfragen();
    void Button1Click();
    bool BitBtn1Click();
    void Button2Click() { close(); }

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void retranslate();
    void knoepfeSetzen();

    QPrinter& drucker_;
    QImage bild_;
    Vorschaulayout l_;
    // Where the picture is painted: its place when the last move or resize
    // ended (the outline shows the new place meanwhile).
    Gleitkanten gemalt_;
    // After a move or resize the printable area's frame is drawn once more
    // in the window's colour by XOR, until the sheet is laid out again.
    bool randNachgezogen_ = false;
    QPushButton* button1_;
    QPushButton* bitBtn1_;
    QPushButton* button2_;
};

} // namespace output
