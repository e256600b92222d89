#pragma once
// The small count dialog (" Eingabe"): a label, a number field limited to
// 1..maximum, "Okay" and "abbrechen".

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

class TEingabeSofort : public QDialog {
    Q_OBJECT
public:
    explicit TEingabeSofort(QWidget* eltern = nullptr);
    void retranslate();
    // Shows the dialog modally; false on "abbrechen".
    bool abfragen(const QString& label, int vorschlag, int minimum, int maximum, int& wert);

    QLineEdit* feld() const { return feld_; }
    QPushButton* okKnopf() const { return ok_; }

private:
    void pruefen();
    QLabel* label_;
    QLineEdit* feld_;
    QLabel* meldung_;
    QPushButton* ok_;
    QPushButton* abbrechen_;
    int minimum_ = 1, maximum_ = 1;
};

} // namespace shell
