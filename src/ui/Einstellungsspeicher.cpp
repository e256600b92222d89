#include "ui/Einstellungsspeicher.h"

#include "sprache/Sprache.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaType>
#include <QVariant>

#include <map>

namespace ui {

using figures::Einstellungswert;
using figures::Werttyp;

std::unique_ptr<QSettings> standardEinstellungsspeicher()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tarvello"),
                                       QStringLiteral("Ini"));
}

namespace {

QString schluessel(const Einstellungswert& w)
{
    return QString::fromStdString(w.abschnitt) + QLatin1Char('/') + QString::fromStdString(w.name);
}

// The table entry a stored key ("Section/Name", any case) belongs to.
const Einstellungswert* eintragZuSchluessel(const QString& key)
{
    const qsizetype strich = key.indexOf(QLatin1Char('/'));
    if (strich <= 0)
        return nullptr;
    return figures::einstellungswertNachName(key.left(strich).toStdString(), key.mid(strich + 1).toStdString());
}

// A stored value as an integer: numbers written by this program come back as
// text from the file, or as numbers when the same QSettings object wrote them.
bool ganzzahlLesen(const QVariant& v, long long& wert)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        wert = v.toLongLong();
        return true;
    case QMetaType::QString: {
        bool ok = false;
        wert = v.toString().trimmed().toLongLong(&ok, 10);
        return ok;
    }
    default:
        return false;
    }
}

bool wahrheitLesen(const QVariant& v, long long& wert)
{
    if (v.typeId() == QMetaType::Bool) {
        wert = v.toBool() ? 1 : 0;
        return true;
    }
    if (v.typeId() != QMetaType::QString)
        return ganzzahlLesen(v, wert);
    const QString t = v.toString().trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1")) {
        wert = 1;
        return true;
    }
    if (t == QLatin1String("false") || t == QLatin1String("0")) {
        wert = 0;
        return true;
    }
    return false;
}

// Converts one stored value; false when it is unusable (wrong type, empty,
// out of range).
bool wertUmwandeln(const Einstellungswert& w, const QVariant& v, long long& wert)
{
    bool ok = false;
    switch (w.typ) {
    case Werttyp::Farbe:
    case Werttyp::Ganzzahl: ok = ganzzahlLesen(v, wert); break;
    case Werttyp::Wahrheit: ok = wahrheitLesen(v, wert); break;
    case Werttyp::Farbtext: {
        figures::Farbe f = 0;
        ok = v.typeId() == QMetaType::QString && figures::farbTextLesen(v.toString().toStdString(), f);
        wert = f;
        break;
    }
    }
    return ok && w.gueltig(wert);
}

QVariant wertAlsVariant(const Einstellungswert& w, long long wert)
{
    switch (w.typ) {
    case Werttyp::Farbe:
    case Werttyp::Ganzzahl: return QVariant(static_cast<int>(wert));
    case Werttyp::Wahrheit: return QVariant(wert != 0);
    case Werttyp::Farbtext: return QVariant(QString::fromStdString(figures::farbText(static_cast<figures::Farbe>(wert))));
    }
    return {};
}

QString statusText(QSettings::Status s)
{
    switch (s) {
    case QSettings::NoError: return {};
    case QSettings::AccessError: return QString::fromStdString(sprache::T("einstellungen.zugriffsfehler"));
    case QSettings::FormatError: return QString::fromStdString(sprache::T("einstellungen.formatfehler"));
    }
    return {};
}

} // namespace

Leseergebnis IniEinlesen(QSettings& speicher, const figures::Einstellungssatz& vorgaben, figures::Einstellungssatz& ziel)
{
    Leseergebnis erg;
    erg.status = speicher.status();
    ziel = vorgaben;

    // Gather the stored values by table entry, whatever the spelling of
    // section and name in the file.
    std::map<const Einstellungswert*, QString> gefunden;
    const QStringList alle = speicher.allKeys();
    for (const QString& key : alle) {
        if (const Einstellungswert* w = eintragZuSchluessel(key)) {
            // The declared spelling wins over another one in the same file.
            auto it = gefunden.find(w);
            if (it == gefunden.end() || key == schluessel(*w))
                gefunden[w] = key;
        }
    }

    for (const Einstellungswert& w : figures::einstellungsTabelle()) {
        auto it = gefunden.find(&w);
        if (it == gefunden.end()) {
            ++erg.fehlend;
            continue;
        }
        long long wert = 0;
        if (wertUmwandeln(w, speicher.value(it->second), wert)) {
            w.wertSetzen(ziel, wert);
            ++erg.gelesen;
        } else {
            erg.verworfen << it->second;
        }
    }
    return erg;
}

Leseergebnis IniEinlesen(QSettings& speicher, figures::Einstellungen& einstellungen)
{
    figures::Einstellungssatz gelesen;
    Leseergebnis erg = IniEinlesen(speicher, einstellungen.werkseinstellungen(), gelesen);
    einstellungen.eingelesen(gelesen);
    return erg;
}

Schreibergebnis IniSchreiben(QSettings& speicher, const figures::Einstellungssatz& benutzer)
{
    // Drop values of ours stored under a different spelling, so that the
    // file does not hold two differently spelt copies of one value.
    const QStringList alle = speicher.allKeys();
    for (const QString& key : alle)
        if (const Einstellungswert* w = eintragZuSchluessel(key); w && w->schreiben && key != schluessel(*w))
            speicher.remove(key);

    for (const Einstellungswert& w : figures::einstellungsTabelle())
        if (w.schreiben)
            speicher.setValue(schluessel(w), wertAlsVariant(w, w.wert(benutzer)));

    speicher.sync();
    Schreibergebnis erg;
    erg.ok = speicher.status() == QSettings::NoError;
    if (!erg.ok)
        erg.fehler = statusText(speicher.status()) + QStringLiteral("\n") + speicher.fileName();
    return erg;
}

Schreibergebnis IniSchreiben(QSettings& speicher, const figures::Einstellungen& einstellungen)
{
    return IniSchreiben(speicher, einstellungen.benutzer());
}

bool IniSchreibenMitMeldung(QWidget* eltern, QSettings& speicher, const figures::Einstellungen& einstellungen)
{
    const Schreibergebnis erg = IniSchreiben(speicher, einstellungen);
    if (!erg.ok) {
        QMessageBox::critical(eltern, QString::fromStdString(sprache::T("meldung.fehler")),
                              QString::fromStdString(sprache::T("einstellungen.schreibfehler")) + QStringLiteral("\n\n") +
                                  erg.fehler);
    }
    return erg.ok;
}

QString Ordnerspeicher::schluessel(shell::Ordnerart art)
{
    switch (art) {
    case shell::Ordnerart::Bild: return QStringLiteral("Ordner/StrOrdnerBild");
    case shell::Ordnerart::Daten: return QStringLiteral("Ordner/StrOrdnerDaten");
    case shell::Ordnerart::Druck: return QStringLiteral("Ordner/StrOrdnerDruck");
    }
    return {};
}

QString Ordnerspeicher::ordner(shell::Ordnerart art) const
{
    const QVariant v = speicher_.value(schluessel(art));
    return v.typeId() == QMetaType::QString ? QDir::fromNativeSeparators(v.toString().trimmed()) : QString();
}

void Ordnerspeicher::merken(shell::Ordnerart art, const QString& datei)
{
    if (datei.isEmpty())
        return;
    const QString ordner = QFileInfo(datei).absolutePath();
    if (ordner == this->ordner(art))
        return;
    speicher_.setValue(schluessel(art), ordner);
    speicher_.sync();
}

} // namespace ui
