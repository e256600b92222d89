#pragma once
// The control panel: a small tool window on top of the main window that
// starts, pauses and ends runs, sets the tempo and steers zoom and rotation
// while a figure is drawn. Its handlers only set values; the run loop reads
// them at its next iteration.

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;

namespace shell {

class TFormBedienfeld : public QWidget {
    Q_OBJECT
public:
    explicit TFormBedienfeld(QWidget* eltern = nullptr);

    void retranslate();

    // The mirrored values the run loop reads.
    int tempo() const;
    int zoomPosition() const;
    int drehungX() const;
    int drehungY() const;
    int drehungZ() const;
    bool mysteriumModus = false;   // set by the main window: 1:1 is 1000 then

    void setzeDrehungen(int x, int y, int z);
    void setzeZoom(int position);
    void zoomAktiv(bool a);
    void drehungAktiv(bool a);
    void pauseAktiviert(bool a);
    void pauseHervorheben(bool fett, const QString& hinweis);
    void beendenHervorheben(bool fett, const QString& hinweis);
    void startAktiv(bool start, bool neueEingabe);
    void labelStart(const QString& t);
    void labelZeit(const QString& t);
    void zaehler(bool sichtbar, const QString& t);
    void startUndZeitSichtbar(bool s);
    void sternGruppeSichtbar(bool s);
    // A run begins: the focus goes to Pause when it is offered, else to
    // Beenden, never to the tempo field (a text field would take the menu's
    // keys such as Ctrl+A). While a run is on, the space bar on a focused
    // button of the panel is the Pause key, not a click of that button.
    void laufFokussieren();
    void startFokussieren();
    void nurBahnenSichtbar(bool s);

    // Direct access for tests and the keyboard handling of the main window.
    QPushButton* startKnopf() const { return button1_; }
    QPushButton* pauseKnopf() const { return button2_; }
    QPushButton* beendenKnopf() const { return button3_; }
    QPushButton* neueEingabeKnopf() const { return button6_; }
    QLineEdit* tempoFeld() const { return edit2_; }
    QSlider* zoomRegler() const { return trackbar1_; }
    QSlider* reglerX() const { return trackBar2_; }
    QSlider* reglerY() const { return trackBar3_; }
    QSlider* reglerZ() const { return trackBar4_; }
    QCheckBox* nullsetzen() const { return checkBoxNullsetzen_; }
    QRadioButton* einsZuEins() const { return radioButton1_; }
    QLabel* zoomLabel() const { return label41_; }
    QLabel* zeitLabel() const { return labelZeit_; }
    QLabel* startLabel() const { return labelStart_; }
    // "Flächen ausfüllen" / "nur Linien zeichnen" and "nur Bahnen drehen".
    QRadioButton* flaechenKnopf() const { return sterneFlaechen_; }
    QRadioButton* linienKnopf() const { return sterneLinien_; }
    QCheckBox* nurBahnenBox() const { return checkBoxNurBahnen_; }
    // Checks "nur Linien zeichnen" (true) or "Flächen ausfüllen".
    void setzeNurLinien(bool linien);

    // Where the panel opens the first time it is shown: the place the user
    // left it at (from the settings) when that lies on a screen, else below
    // the main window's menu bar; always inside the screen's free area.
    void ortVorgeben(std::optional<QPoint> ort) { vorgabe_ = ort; }
    // The panel stands elsewhere than where it was placed: the user moved it.
    bool verschoben() const { return platziert_ && pos() != *platziert_; }

    // x/X, y/Y, c/C on the panel turn the sliders by ±3 degrees; returns true
    // when the key was one of them.
    bool drehTaste(QChar c);

signals:
    void startGedrueckt();
    void pauseGedrueckt();
    void beendenGedrueckt();
    void neueEingabeGedrueckt();
    void escapeGedrueckt();
    void leertasteGedrueckt();
    // zoom or rotation changed by the user: NeuZeichnen, Ruhezeitpunkt
    void ansichtGeaendert();
    void nurBahnenGeklickt(bool an);
    // The solids are drawn filled (false) or as lines (true) from now on.
    void nurLinienGewaehlt(bool linien);
    void geschlossen();
    void tierkreisTaste();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void tempoGeaendert(const QString& t);
    void zoomGeaendert(int pos);
    void drehungGeaendert();
    void nullsetzenGeklickt();

    QPushButton* button1_;
    QLabel* label13_;
    QLineEdit* edit2_;
    QToolButton* hoch_;
    QToolButton* runter_;
    QPushButton* button2_;
    QPushButton* button3_;
    QPushButton* button6_;
    QSlider* trackbar1_;
    QLabel* label40_;
    QLabel* label41_;
    QRadioButton* radioButton1_;
    QLabel* label3_;
    QLabel* label7_;
    QLabel* label5_;
    QLabel* label6_;
    QLabel* label12_;
    QLabel* label14_;
    QSlider* trackBar2_;
    QSlider* trackBar3_;
    QSlider* trackBar4_;
    QCheckBox* checkBoxNullsetzen_;
    QLabel* labelstart2_;
    QLabel* labelStart_;
    QLabel* label1_;
    QLabel* labelZeit_;
    QLabel* label11_;
    QLabel* label21_;
    QGroupBox* radioGroupSterne_;
    QRadioButton* sterneFlaechen_;
    QRadioButton* sterneLinien_;
    QCheckBox* checkBoxNurBahnen_;
    int gemerktX_ = 0, gemerktY_ = 0, gemerktZ_ = 0;
    void platzieren();
    double skala_ = 1.0;
    std::optional<QPoint> vorgabe_;
    std::optional<QPoint> platziert_;
    // Placed below the menu bar (not at a remembered place), which it follows.
    bool amMenue_ = false;
    QPointer<QWidget> menueleiste_;
};

} // namespace shell
