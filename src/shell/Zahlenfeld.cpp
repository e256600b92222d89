#include "shell/Zahlenfeld.h"

#include <QHash>
#include <QPointer>

#include "sprache/Sprache.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QValidator>

namespace shell {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Passes whole texts through the key filter, character by character. The
// cursor keeps its place among the characters that stay.
class FilterValidator : public QValidator {
public:
    FilterValidator(QObject* eltern, const Filterart& art) : QValidator(eltern), art_(art) {}
    State validate(QString& eingabe, int& pos) const override
    {
        const std::string gefiltert = TextFiltern(art_, eingabe.toStdString());
        if (gefiltert != eingabe.toStdString()) {
            pos = static_cast<int>(TextFiltern(art_, eingabe.left(pos).toStdString()).size());
            eingabe = Q(gefiltert);
        }
        return Acceptable;
    }

private:
    const Filterart& art_;
};

} // namespace

namespace {

// The filter of each field and the start fields of each main window, kept
// where they are made (QPointer: gone with their object).
QHash<const QLineEdit*, QPointer<Zahlenfilter>>& Filterverzeichnis()
{
    static QHash<const QLineEdit*, QPointer<Zahlenfilter>> v;
    return v;
}
QHash<const QWidget*, QPointer<Startfelder>>& Startfeldverzeichnis()
{
    static QHash<const QWidget*, QPointer<Startfelder>> v;
    return v;
}

} // namespace

Zahlenfilter::Zahlenfilter(QLineEdit* feld, Filterart art) : QObject(feld), feld_(feld), art_(art)
{
    setObjectName(QStringLiteral("Zahlenfilter"));
    Filterverzeichnis().insert(feld, this);
    feld->installEventFilter(this);
    feld->setValidator(new FilterValidator(this, art_));
}

Zahlenfilter* Zahlenfilter::anbringen(QLineEdit* feld, Filterart art, int maxLaenge)
{
    Zahlenfilter* f = von(feld);
    if (f)
        f->setzeArt(art);
    else
        f = new Zahlenfilter(feld, art);
    if (maxLaenge > 0)
        feld->setMaxLength(maxLaenge);
    return f;
}

Zahlenfilter* Zahlenfilter::von(const QLineEdit* feld)
{
    return Filterverzeichnis().value(feld);
}

void Zahlenfilter::setzeArt(Filterart art)
{
    art_ = art;
    feld_->setText(feld_->text()); // the validator brings the text in line
}

bool Zahlenfilter::eventFilter(QObject* o, QEvent* e)
{
    if (o != feld_ || e->type() != QEvent::KeyPress)
        return QObject::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const QString t = k->text();
    if (t.size() != 1 || !t.at(0).isPrint() || (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false; // editing keys, shortcuts (paste goes through the validator)
    QString rest = feld_->text();
    if (feld_->hasSelectedText())
        rest.remove(feld_->selectionStart(), feld_->selectedText().size());
    const char taste = t.at(0).unicode() < 128 ? static_cast<char>(t.at(0).unicode()) : '\0';
    const auto zeichen = TasteFiltern(art_, rest.toStdString(), taste);
    if (!zeichen)
        return true; // swallowed
    if (*zeichen != taste) {
        feld_->insert(QString(QChar(*zeichen)));
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------

std::function<void(QWidget*, const QString&, const QString&)> Startfeld::meldung =
    [](QWidget* eltern, const QString& titel, const QString& text) { QMessageBox::information(eltern, titel, text); };

Startfeld::Startfeld(QLineEdit* feld, QLabel* label, std::function<int()> klasse)
    : QObject(feld), feld_(feld), label_(label), klasse_(std::move(klasse))
{
    setObjectName(QStringLiteral("Startfeld"));
    Zahlenfilter::anbringen(feld, Filterart::Vorzeichen);
    connect(feld, &QLineEdit::textChanged, this, &Startfeld::geaendert);
    retranslate();
}

int Startfeld::klasse() const { return schmal_ ? 3 : (klasse_ ? klasse_() : 2); }

double Startfeld::wert() const { return StartWert(feld_->text().toStdString()); }

void Startfeld::setzeSchmal(bool schmal)
{
    schmal_ = schmal;
    retranslate();
}

void Startfeld::retranslate()
{
    feld_->setToolTip(Q(sprache::T(BereichDerKlasse(klasse()).hinweis)));
    if (!label_)
        return;
    if (!labelGeaendert_)
        label_->setText(Q(sprache::T("eingabe.startlabel")));
    label_->setToolTip(Q(sprache::T("eingabe.startlabel.hinweis")));
}

void Startfeld::labelAktualisieren()
{
    if (!label_)
        return;
    labelGeaendert_ = true;
    label_->setText(Q(StartLabelAktualisieren(feld_->text().toStdString(), jd_)));
}

void Startfeld::geaendert()
{
    if (inPruefung_)
        return;
    inPruefung_ = true;
    const QString vorher = feld_->text();
    const Startpruefung p = StartzeitPruefen(vorher.toStdString(), klasse());
    // Field and label show the day that will be used (the bound after a
    // correction) before the range message appears: the message box runs
    // while this keystroke is still being handled, and behind it the label
    // must not name the day of the keystroke before.
    if (Q(p.text) != vorher)
        feld_->setText(Q(p.text));
    if (label_) {
        labelGeaendert_ = true;
        label_->setText(Q(StartLabelText(p.wert, jd_)));
    }
    if (p.ausserhalb && meldung)
        meldung(feld_->window(), Q(sprache::T("eingabe.korrigieren")), Q(sprache::T(BereichDerKlasse(klasse()).meldung)));
    inPruefung_ = false;
}

// ---------------------------------------------------------------------------

Startfelder::Startfelder(QWidget* hauptfenster) : QObject(hauptfenster)
{
    setObjectName(QStringLiteral("Startfelder"));
    Startfeldverzeichnis().insert(hauptfenster, this);
}

Startfelder& Startfelder::von(QWidget* hauptfenster)
{
    Startfelder* r = Startfeldverzeichnis().value(hauptfenster);
    return r ? *r : *new Startfelder(hauptfenster);
}

void Startfelder::anmelden(Darstellung d, Startfeld* feld)
{
    for (size_t i = 0; i < kReihenfolge.size(); ++i)
        if (kReihenfolge[i] == d)
            felder_[i] = feld;
}

Startfeld* Startfelder::feld(Darstellung d) const
{
    for (size_t i = 0; i < kReihenfolge.size(); ++i)
        if (kReihenfolge[i] == d)
            return felder_[i];
    return nullptr;
}

void Startfelder::hoheGenauigkeitGeaendert(bool an)
{
    for (size_t i = 0; i < kReihenfolge.size(); ++i) {
        if (kReihenfolge[i] == Darstellung::Mond || !felder_[i])
            continue;
        felder_[i]->setzeSchmal(an);
        felder_[i]->feld()->setText(QStringLiteral("0"));
    }
}

std::vector<Startfeld*> Startfelder::alle() const
{
    std::vector<Startfeld*> v;
    for (const auto& f : felder_)
        if (f)
            v.push_back(f);
    return v;
}

} // namespace shell
