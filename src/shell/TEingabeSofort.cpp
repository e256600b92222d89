#include "shell/TEingabeSofort.h"

#include "sprache/Sprache.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace shell {

TEingabeSofort::TEingabeSofort(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("TEingabeSofort"));
    auto* v = new QVBoxLayout(this);
    label_ = new QLabel(this);
    feld_ = new QLineEdit(this);
    feld_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), feld_));
    meldung_ = new QLabel(this);
    meldung_->setStyleSheet(QStringLiteral("color: #b00000"));
    meldung_->hide();
    auto* knoepfe = new QHBoxLayout;
    ok_ = new QPushButton(this);
    abbrechen_ = new QPushButton(this);
    ok_->setDefault(true);
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbrechen_);
    v->addWidget(label_);
    v->addWidget(feld_);
    v->addWidget(meldung_);
    v->addLayout(knoepfe);
    connect(ok_, &QPushButton::clicked, this, &TEingabeSofort::pruefen);
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void TEingabeSofort::retranslate()
{
    setWindowTitle(QString::fromStdString(sprache::T("dialog.sofort.titel")));
    ok_->setText(QString::fromStdString(sprache::T("sofort.okay")));
    abbrechen_->setText(QString::fromStdString(sprache::T("sofort.abbrechen")));
}

void TEingabeSofort::pruefen()
{
    bool ok = false;
    const int n = feld_->text().toInt(&ok);
    if (!ok || n < minimum_ || n > maximum_) {
        meldung_->setText(QString::fromStdString(sprache::T("sofort.bereich")).arg(minimum_).arg(maximum_));
        meldung_->show();
        feld_->setFocus();
        feld_->selectAll();
        return;
    }
    accept();
}

bool TEingabeSofort::abfragen(const QString& label, int vorschlag, int minimum, int maximum, int& wert)
{
    minimum_ = minimum;
    maximum_ = maximum;
    label_->setText(label);
    feld_->setText(QString::number(vorschlag));
    feld_->selectAll();
    feld_->setFocus();
    meldung_->hide();
    if (exec() != QDialog::Accepted)
        return false;
    wert = feld_->text().toInt();
    return true;
}

} // namespace shell
