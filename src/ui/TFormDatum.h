#pragma once
// The start-date dialog (" Startdatum eingeben"): year, month and day of the
// start date. It corrects its fields in place and has no cancel: Return in
// any field, "okay" and the close box all accept. A date the calendar does
// not have (2023-02-30) is refused with a message naming the date it would
// count as; the dialog stays open with the day selected.

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class TFormDatum : public QDialog {
public:
    explicit TFormDatum(QWidget* eltern = nullptr);
    void retranslate();

    // Fills the fields from the remembered texts ("001" is shown as "01").
    void setzen(const QString& jahr, const QString& monat, const QString& tag);
    // The entry as integers, completed by the field rules (an empty month is
    // 1, a lone "-" year 0).
    int jahr() const;
    int monat() const;
    int tag() const;

    QLineEdit* editJ() const { return editJ_; }
    QLineEdit* editM() const { return editM_; }
    QLineEdit* editT() const { return editT_; }
    QPushButton* okay() const { return okay_; }

    void accept() override;
    void reject() override { accept(); }

    // Shows the correction message (caption and text). Tests replace it; the
    // default is an information box over the dialog.
    static std::function<void(QWidget* eltern, const QString& titel, const QString& text)> meldung;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void jahrGeaendert(bool fertig);
    void monatTagGeaendert(QLineEdit* feld, int hoechster, bool fertig);
    QLabel* label_;
    QLineEdit* editJ_;
    QLineEdit* editM_;
    QLineEdit* editT_;
    QPushButton* okay_;
    bool inKorrektur_ = false;
};

} // namespace ui
