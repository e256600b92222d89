#pragma once
// The "Datumsanzeige" submenu of the main window: "Startzeit jetzt" (the
// computer's local clock as TD into every start field), "Startzeit eingeben"
// (F9, the start-date dialog) and "Julianisches Datum" (the start labels, the
// panel's time labels and the data output show Julian Dates).
//
// The program entry creates it once after the dialogs:
//
//     ui::DatumMenues datumMenues(form1);
//
// The start fields are those the dialogs registered with
// shell::Startfelder::von(&form1); a dialog that does not exist yet is skipped.

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace shell {
class TForm1;
}

namespace ui {

class TFormDatum;

class DatumMenues : public QObject {
public:
    // Lives shorter than the main window (the program entry keeps it on the
    // stack after the window).
    explicit DatumMenues(shell::TForm1& form1);
    ~DatumMenues() override;

    QMenu* datum1() const { return datum1_; }
    QAction* startzeit1() const { return startzeit1_; }
    QAction* startzeiteingeben1() const { return startzeiteingeben1_; }
    QAction* julDay1() const { return julDay1_; }

    void Startzeit1Click();
    // Run start with "Startzeit jetzt": a start field whose text differs
    // from the one the command last wrote takes the present time again.
    void startzeitErneuern();
    void Startzeiteingeben1Click();
    void JulDay1Click();
    void retranslate();

    // The texts the date dialog starts with ("2000", "01", "01" at first).
    QString gemerktesJahr() const { return jahr_; }
    QString gemerkterMonat() const { return monat_; }
    QString gemerkterTag() const { return tag_; }

    // The clock of "Startzeit jetzt" and the modal showing of the date
    // dialog; tests replace them.
    std::function<QDateTime()> uhr = [] { return QDateTime::currentDateTime(); };
    std::function<void(TFormDatum&)> dialogZeigen;

private:
    void startfelderSetzen(const QString& text, const QString& ueberblick);

    shell::TForm1& form1_;
    QMenu* datum1_;
    QAction* startzeit1_;
    QAction* startzeiteingeben1_;
    QAction* julDay1_;
    QString jahr_ = QStringLiteral("2000");
    QString jetztText_; // the text "Startzeit jetzt" last wrote
    size_t laufbeginnIndex_ = static_cast<size_t>(-1);
    QString monat_ = QStringLiteral("01");
    QString tag_ = QStringLiteral("01");
};

} // namespace ui
