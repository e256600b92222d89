#include "ui/Programmstart.h"

#include "astro/Datenordner.h"
#include "astro/VsopQuelle.h"
#include "figures/Einstellungssatz.h"
#include "sprache/Sprache.h"
#include "ui/Einstellungsspeicher.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace ui {

void AnwendungBenennen() { QGuiApplication::setApplicationName(QStringLiteral("Velmora")); }

void gespeicherteSpracheSetzen()
{
    auto speicher = standardEinstellungsspeicher();
    figures::Einstellungen e;
    IniEinlesen(*speicher, e);
    sprache::setzeSprache(e.benutzer().BoolSprache ? sprache::Sprache::Deutsch : sprache::Sprache::Englisch);
}

Ladeergebnis PlanetendatenLaden(const std::string& datenOrdner)
{
    Ladeergebnis r;
    auto quelle = astro::VsopQuelleLaden(datenOrdner);
    if (!quelle) {
        QString text = QString::fromStdString(sprache::T("lauf.datenfehler"));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        r.meldung = text;
        r.detail = quelle.status().detail;
        return r;
    }
    r.rechner = std::make_shared<astro::Positionsrechner>();
    r.rechner->setzeReihenquelle(quelle.wert());
    return r;
}

std::shared_ptr<astro::Positionsrechner> Programmladen(const char* argv0, std::function<void(const QString&)> fehlerbox)
{
    gespeicherteSpracheSetzen();
    const std::string ordner = astro::DatenOrdnerFinden(astro::ProgrammOrdner(argv0));
    Ladeergebnis r = PlanetendatenLaden(ordner);
    if (r.rechner)
        return r.rechner;
    if (fehlerbox)
        fehlerbox(r.meldung);
    else
        QMessageBox::critical(nullptr, QString::fromStdString(sprache::T("meldung.fehler")), r.meldung);
    return nullptr;
}

} // namespace ui
