#include "ui/TFormDatum.h"

#include "shell/Eingabebehandlung.h"
#include "shell/Zahlenfeld.h"
#include "ui/Sprachwechsel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QLineEdit* neuesFeld(QWidget* eltern, const char* name, shell::Filterart art, int laenge, int breite)
{
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    shell::Zahlenfilter::anbringen(f, art, laenge);
    f->setFixedWidth(breite);
    return f;
}

// A corrected field: the new text, selected, the focus kept in the field.
void korrigieren(QLineEdit* feld, const shell::Feldkorrektur& k)
{
    const QString neu = QString::fromStdString(k.text);
    if (neu != feld->text())
        feld->setText(neu);
    if (k.korrigiert) {
        feld->selectAll();
        feld->setFocus();
    }
}

} // namespace

std::function<void(QWidget*, const QString&, const QString&)> TFormDatum::meldung =
    [](QWidget* eltern, const QString& titel, const QString& text) { QMessageBox::information(eltern, titel, text); };

TFormDatum::TFormDatum(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("TFormDatum"));
    auto* v = new QVBoxLayout(this);
    label_ = new QLabel(this);
    editJ_ = neuesFeld(this, "EditJ", shell::Filterart::Ganzzahl, 5, 64);
    editM_ = neuesFeld(this, "EditM", shell::Filterart::Ziffern, 2, 36);
    editT_ = neuesFeld(this, "EditT", shell::Filterart::Ziffern, 2, 36);
    auto* felder = new QHBoxLayout;
    felder->addWidget(editJ_);
    felder->addWidget(new QLabel(QStringLiteral("-"), this));
    felder->addWidget(editM_);
    felder->addWidget(new QLabel(QStringLiteral("-"), this));
    felder->addWidget(editT_);
    felder->addStretch();
    okay_ = new QPushButton(this);
    okay_->setObjectName(QStringLiteral("Button1"));
    okay_->setDefault(true);
    auto* knopf = new QHBoxLayout;
    knopf->addStretch();
    knopf->addWidget(okay_);
    v->addWidget(label_);
    v->addLayout(felder);
    v->addLayout(knopf);

    // While typing only the bounds apply; leaving a field completes it.
    connect(editJ_, &QLineEdit::textChanged, this, [this] { jahrGeaendert(false); });
    connect(editM_, &QLineEdit::textChanged, this, [this] { monatTagGeaendert(editM_, 12, false); });
    connect(editT_, &QLineEdit::textChanged, this, [this] { monatTagGeaendert(editT_, 31, false); });
    connect(editJ_, &QLineEdit::editingFinished, this, [this] { jahrGeaendert(true); });
    connect(editM_, &QLineEdit::editingFinished, this, [this] { monatTagGeaendert(editM_, 12, true); });
    connect(editT_, &QLineEdit::editingFinished, this, [this] { monatTagGeaendert(editT_, 31, true); });
    // Return in any field presses the default button "okay" (one accept per
    // key, so a refused date is reported once).
    connect(okay_, &QPushButton::clicked, this, &QDialog::accept);
    setzen(QStringLiteral("2000"), QStringLiteral("01"), QStringLiteral("01"));
    retranslate();
}

void TFormDatum::retranslate()
{
    setWindowTitle(TQ("datum.titel"));
    label_->setText(TQ("datum.label"));
    okay_->setText(TQ("datum.okay"));
    editJ_->setToolTip(TQ("datum.jahr.hinweis"));
    setToolTip(TQ("datum.hinweis"));
}

void TFormDatum::setzen(const QString& jahr, const QString& monat, const QString& tag)
{
    editJ_->setText(jahr);
    editM_->setText(QString::fromStdString(shell::MonatTagAnzeigen(monat.toStdString())));
    editT_->setText(QString::fromStdString(shell::MonatTagAnzeigen(tag.toStdString())));
}

int TFormDatum::jahr() const { return QString::fromStdString(shell::JahrPruefen(editJ_->text().toStdString()).text).toInt(); }

int TFormDatum::monat() const
{
    return QString::fromStdString(shell::MonatTagPruefen(editM_->text().toStdString(), 12).text).toInt();
}

int TFormDatum::tag() const
{
    return QString::fromStdString(shell::MonatTagPruefen(editT_->text().toStdString(), 31).text).toInt();
}

void TFormDatum::accept()
{
    const int j = jahr(), m = monat(), t = tag();
    if (const auto statt = shell::DatumUnmoeglich(j, m, t)) {
        if (meldung)
            meldung(this, TQ("eingabe.korrigieren"),
                    TQ("datum.unmoeglich")
                        .arg(QString::fromStdString(shell::DatumNennen(j, m, t)), QString::fromStdString(*statt)));
        editT_->setFocus();
        editT_->selectAll();
        return;
    }
    QDialog::accept();
}

void TFormDatum::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    editM_->setText(QString::fromStdString(shell::MonatTagAnzeigen(editM_->text().toStdString())));
    editT_->setText(QString::fromStdString(shell::MonatTagAnzeigen(editT_->text().toStdString())));
    editJ_->setFocus();
    editJ_->selectAll();
}

void TFormDatum::jahrGeaendert(bool fertig)
{
    if (inKorrektur_)
        return;
    inKorrektur_ = true;
    korrigieren(editJ_, shell::JahrPruefen(editJ_->text().toStdString(), fertig));
    inKorrektur_ = false;
}

void TFormDatum::monatTagGeaendert(QLineEdit* feld, int hoechster, bool fertig)
{
    if (inKorrektur_)
        return;
    inKorrektur_ = true;
    korrigieren(feld, shell::MonatTagPruefen(feld->text().toStdString(), hoechster, fertig));
    inKorrektur_ = false;
}

} // namespace ui
