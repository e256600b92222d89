#pragma once
// The overview dialog (" Eingabe:  Überblick Planetensystem"): which bodies,
// around which centre, from which day, with or without orbits and
// distances, or only the data rows. Its controls are the input record: the
// run reads them through eingabe() when it starts. The dialog keeps the
// controls consistent while the user edits them.

#include "figures/Ueberblick.h"
#include "ui/Darstellungsdialog.h"

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace shell {
class Startfeld;
class TForm1;
}

namespace ui {

class TFormUe : public Eingabedialog<figures::UeberblickEingabe> {
public:
    // form1 may be null (tests): then nothing outside the dialog is touched.
    explicit TFormUe(shell::TForm1* form1, QWidget* eltern = nullptr);
    void retranslate() override;

    // The input of a run, read from the controls. A start field holding only
    // "-" is set to "0".
    figures::UeberblickEingabe eingabe() override;

    // The menu command that selects the overview arms the first switch to
    // "Darstellung ohne Entfernungen"; newly selected, it also unticks
    // "Bahnen farbig" and applies the rule of "ohne Entfernungen" again.
    void gewaehlt(bool neu) override;
    void ueberblickGewaehlt() { ersteOhneEntfernungen_ = true; }
    // "Drehung der Figuren" has nothing to keep in the overview.
    bool figurenDrehungMoeglich() const override { return false; }
    // A data-only run has ended: "nur Datenausgabe" is unticked again.
    void datenOnlyBeendet();

    // Event handlers.
    void RadioGroupInnAussClick();
    void RadioGroupZentrumClick();
    void CheckBoxCeClick();
    void CheckBoxBahnUeClick();
    void CheckBoxKEClick();
    void CheckBoxMoClick();
    void CheckBoxDAClick();
    void EditSchrChange();
    void EditAnzChange();
    void Button1Click();

    int konfiguration() const;
    int zentrum() const;

    // Controls, for the menu commands, the examples and tests.
    QLineEdit* Edit9 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* LabelstartUe = nullptr;
    QCheckBox* CheckBoxBahnUe = nullptr;
    QCheckBox* CheckBoxFarbe = nullptr;
    QGroupBox* RadioGroupInnAuss = nullptr;
    std::array<QRadioButton*, 6> konfigurationen{};
    QGroupBox* RadioGroupZentrum = nullptr;
    std::array<QRadioButton*, 10> zentren{};
    QGroupBox* GroupBox1 = nullptr;
    std::array<QCheckBox*, 10> planeten{};       // 1 .. 9 (0 unused)
    QGroupBox* GroupBox2 = nullptr;
    std::array<QCheckBox*, 12> kleinplaneten{};  // bodies 10 .. 21
    QCheckBox* CheckBoxKE = nullptr;
    QCheckBox* CheckBoxMo = nullptr;
    QCheckBox* CheckBoxDA = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditSchr = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditAnz = nullptr;
    QPushButton* Button1 = nullptr;
    shell::Startfeld* startfeld = nullptr;

    // The error boxes of the body count; tests replace it.
    static std::function<void(QWidget* eltern, const QString& titel, const QString& text)> meldung;

protected:
    void schliessenRegeln() override;

private:
    QCheckBox* koerperBox(int b) const;
    void max9();
    void memoAndocken();
    bool ersteZentrumswahl_ = true;
    bool ersteOhneEntfernungen_ = true;
    bool max9Gezeigt_ = false;
    bool ohneEntfernungen_ = false;
};

} // namespace ui
