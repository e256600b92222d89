#include "shell/TEingabeSofort.h"

#include "shell/Eingabebehandlung.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Sprache.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

namespace {
QString TQ(const char* k) { return QString::fromStdString(sprache::T(k)); }
} // namespace

TEingabeSofort::TEingabeSofort(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("TEingabeSofort"));
    auto* v = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setWordWrap(true);
    feld_ = new QLineEdit(QStringLiteral("500"), this);
    feld_->setObjectName(QStringLiteral("Edit1"));
    Zahlenfilter::anbringen(feld_, Filterart::Ziffern, 4);
    auto* knoepfe = new QHBoxLayout;
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("Button1"));
    abbrechen_ = new QPushButton(this);
    abbrechen_->setObjectName(QStringLiteral("Button2"));
    ok_->setDefault(true);
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbrechen_);
    v->addWidget(label_);
    v->addWidget(feld_);
    v->addLayout(knoepfe);
    connect(feld_, &QLineEdit::textChanged, this, &TEingabeSofort::geaendert);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    // Only "abbrechen" cancels; closing the window otherwise (its X) takes
    // the number as it stands.
    connect(abbrechen_, &QPushButton::clicked, this, [this] { done(Abgebrochen); });
    retranslate();
}

void TEingabeSofort::retranslate()
{
    setWindowTitle(TQ("dialog.sofort.titel"));
    ok_->setText(TQ("sofort.okay"));
    abbrechen_->setText(TQ("sofort.abbrechen"));
}

void TEingabeSofort::setzeSchrittModus(bool schritte)
{
    schrittModus_ = schritte;
    feld_->setMaxLength(schritte ? 5 : 4);
}

void TEingabeSofort::setzeGrenzen(int schrittgrenze, int konstellationsgrenze, bool drehungDerFiguren)
{
    schrittgrenze_ = schrittgrenze;
    konstellationsgrenze_ = konstellationsgrenze;
    drehung_ = drehungDerFiguren;
}

int TEingabeSofort::grenze() const
{
    if (feste_ > 0)
        return feste_;
    return SofortGrenze(schrittModus_, drehung_, schrittgrenze_, konstellationsgrenze_);
}

QString TEingabeSofort::aufforderung(Aufforderung a, int grenze)
{
    const char* k = a == Aufforderung::Konjunktionen     ? "sofort.konjunktionen"
                    : a == Aufforderung::Konstellationen ? "sofort.konstellationen"
                                                         : "sofort.schritte";
    return TQ(k) + QString::number(grenze) + TQ("sofort.ende");
}

void TEingabeSofort::geaendert()
{
    if (inKorrektur_)
        return;
    // An empty field or a 0 becomes 1 at once; the 1 is selected, so that
    // the next digit typed replaces it ("5" gives 5, not 15).
    const QString neu = QString::fromStdString(SofortBegrenzen(feld_->text().toStdString(), grenze()));
    if (neu == feld_->text())
        return;
    inKorrektur_ = true;
    feld_->setText(neu);
    feld_->selectAll();
    inKorrektur_ = false;
}

void TEingabeSofort::reject() { accept(); }

void TEingabeSofort::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    feld_->setFocus();
}

bool TEingabeSofort::ausfuehren(const QString& label, int vorschlag, int& wert)
{
    label_->setText(label);
    feld_->setText(QString::number(vorschlag));
    feld_->selectAll();
    if (exec() == Abgebrochen)
        return false;
    inKorrektur_ = true;
    feld_->setText(QString::fromStdString(SofortBegrenzen(feld_->text().toStdString(), grenze())));
    inKorrektur_ = false;
    wert = feld_->text().toInt();
    return true;
}

bool TEingabeSofort::abfragen(const QString& label, int vorschlag, int minimum, int maximum, int& wert)
{
    feste_ = std::max({1, minimum, maximum});
    const int laenge = feld_->maxLength();
    feld_->setMaxLength(static_cast<int>(QString::number(feste_).size()));
    const bool ok = ausfuehren(label, vorschlag, wert);
    feld_->setMaxLength(laenge);
    feste_ = 0;
    if (ok)
        wert = std::clamp(wert, std::max(1, minimum), std::max({1, minimum, maximum}));
    return ok;
}

} // namespace shell
