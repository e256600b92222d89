#include "figures/Einstellungssatz.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace figures {

int StandardASonneBary(int bildschirmBreite, int bildschirmHoehe)
{
    if (bildschirmBreite <= 0 || bildschirmHoehe <= 0)
        return Einstellungssatz{}.IntASonneBary;
    const double r = bildschirmHoehe / 5.8 * bildschirmBreite / 1024.0;
    return std::clamp(static_cast<int>(std::lround(r)), 1, 1200);
}

Einstellungssatz Werkseinstellungen(int aSonneBary)
{
    Einstellungssatz s;
    s.IntASonneBary = aSonneBary;
    return s;
}

Farbe KoerperFarbe(const Einstellungssatz& s, int koerpercode)
{
    if (koerpercode == KoerpercodeMond)
        return s.IntFarbePlanet[10];
    if (koerpercode >= 0 && koerpercode < AnzahlKoerperfarben)
        return s.IntFarbePlanet[static_cast<std::size_t>(koerpercode)];
    return s.IntFarbeBahnen;
}

Farbe FarbeNachTabellenindex(const Einstellungssatz& s, int index)
{
    switch (index) {
    case 1: return s.IntFarbeBahnen;
    case 2: return s.IntFarbeSonnenbahn;
    case 3: return s.IntFarbeRG;
    case 4: return s.IntFarbeFuehrungslinie;
    case 5: return s.IntFarbeMondSpur;
    case 6: return s.IntFarbeBahn2;
    case 7: return s.IntFarbeLiniePlaneten;
    case 8: return s.IntFarbeMondPktFuell;
    case 9: return s.IntFarbeMondPktRand;
    case 10: return s.IntFarbeMondLinien;
    case 11: return s.IntFarbeSterneLinie;
    case 12: return s.IntFarbeSterneFlaeche;
    case 27: return s.IntFarbeLinieMystT;
    case 28: return s.IntFarbeLinieMystH;
    case 29: return s.IntFarbeLinieMystO;
    case 30: return s.IntFarbeLinieMystD;
    case 31: return s.IntFarbeLinieMystI;
    case 37: return s.IntFarbeTierkreis;
    default: break;
    }
    if (index >= 39 && index < 39 + AnzahlKoerperfarben)
        return s.IntFarbePlanet[static_cast<std::size_t>(index - 39)];
    return s.IntFarbeHintergrund;
}

bool Einstellungswert::gueltig(long long w) const
{
    switch (typ) {
    case Werttyp::Wahrheit: return w == 0 || w == 1;
    case Werttyp::Farbe:
    case Werttyp::Farbtext: return w >= 0 && w <= 0xFFFFFF;
    case Werttyp::Ganzzahl:
        if (!erlaubt.empty())
            return std::find(erlaubt.begin(), erlaubt.end(), w) != erlaubt.end();
        return w >= minimum && w <= maximum;
    }
    return false;
}

namespace {

using E = Einstellungssatz;
using Z = Zugehoerigkeit;

#define VM_SKALAR(feld, typ_)                                                              \
    [](const E& s, int) -> long long { return static_cast<long long>(s.feld); },          \
        [](E& s, int, long long w) { s.feld = static_cast<typ_>(w); }

Einstellungswert eintrag(std::string abschnitt, std::string name, Werttyp typ, Z z, long long lo, long long hi,
                         long long (*l)(const E&, int), void (*st)(E&, int, long long), int index = 0)
{
    Einstellungswert w;
    w.abschnitt = std::move(abschnitt);
    w.name = std::move(name);
    w.typ = typ;
    w.zugehoerigkeit = z;
    w.minimum = lo;
    w.maximum = hi;
    w.lesen = l;
    w.setzen = st;
    w.index = index;
    return w;
}

std::vector<Einstellungswert> tabelleAufbauen()
{
    std::vector<Einstellungswert> t;
    const std::string farben = "Farbzuweisungen";
    auto farbe = [&](const char* name, long long (*l)(const E&, int), void (*st)(E&, int, long long)) {
        t.push_back(eintrag(farben, name, Werttyp::Farbe, Z::BeideSaetze, 0, 0xFFFFFF, l, st));
    };

    for (int i = 0; i < AnzahlKoerperfarben; ++i) {
        auto w = eintrag(
            farben, "IntFarbePlanet" + std::to_string(i), Werttyp::Farbe, Z::BeideSaetze, 0, 0xFFFFFF,
            [](const E& s, int k) -> long long { return s.IntFarbePlanet[static_cast<std::size_t>(k)]; },
            [](E& s, int k, long long v) { s.IntFarbePlanet[static_cast<std::size_t>(k)] = static_cast<Farbe>(v); }, i);
        // Entries beyond the Moon are read at start but always written from
        // (and reset to) their defaults: the user cannot change them.
        w.schreiben = i < AnzahlBenutzerKoerperfarben;
        t.push_back(std::move(w));
    }
    farbe("IntFarbeHintergrund", VM_SKALAR(IntFarbeHintergrund, Farbe));
    farbe("IntFarbeBahnen", VM_SKALAR(IntFarbeBahnen, Farbe));
    farbe("IntFarbeSonnenbahn", VM_SKALAR(IntFarbeSonnenbahn, Farbe));
    farbe("IntFarbeRG", VM_SKALAR(IntFarbeRG, Farbe));
    farbe("IntFarbeFuehrungslinie", VM_SKALAR(IntFarbeFuehrungslinie, Farbe));
    farbe("IntFarbeMondSpur", VM_SKALAR(IntFarbeMondSpur, Farbe));
    farbe("IntFarbeBahn2", VM_SKALAR(IntFarbeBahn2, Farbe));
    farbe("IntFarbeLiniePlaneten", VM_SKALAR(IntFarbeLiniePlaneten, Farbe));
    farbe("IntFarbeMondPktFuell", VM_SKALAR(IntFarbeMondPktFuell, Farbe));
    farbe("IntFarbeMondPktRand", VM_SKALAR(IntFarbeMondPktRand, Farbe));
    farbe("IntFarbeMondLinien", VM_SKALAR(IntFarbeMondLinien, Farbe));
    farbe("IntFarbeSterneLinie", VM_SKALAR(IntFarbeSterneLinie, Farbe));
    farbe("IntFarbeSterneFlaeche", VM_SKALAR(IntFarbeSterneFlaeche, Farbe));
    farbe("IntFarbeLinieMystT", VM_SKALAR(IntFarbeLinieMystT, Farbe));
    farbe("IntFarbeLinieMystH", VM_SKALAR(IntFarbeLinieMystH, Farbe));
    farbe("IntFarbeLinieMystO", VM_SKALAR(IntFarbeLinieMystO, Farbe));
    farbe("IntFarbeLinieMystD", VM_SKALAR(IntFarbeLinieMystD, Farbe));
    farbe("IntFarbeLinieMystI", VM_SKALAR(IntFarbeLinieMystI, Farbe));
    farbe("IntFarbeTierkreis", VM_SKALAR(IntFarbeTierkreis, Farbe));
    farbe("IntFarbeMittelpunkteRG", VM_SKALAR(IntFarbeMittelpunkteRG, Farbe));
    farbe("IntFarbeFuellungMittelp", VM_SKALAR(IntFarbeFuellungMittelp, Farbe));
    farbe("IntFarbeLinienzug", VM_SKALAR(IntFarbeLinienzug, Farbe));
    farbe("IntFarbePositionenP2", VM_SKALAR(IntFarbePositionenP2, Farbe));
    farbe("IntFarbeRandP2", VM_SKALAR(IntFarbeRandP2, Farbe));
    farbe("IntFarbeLinienP2", VM_SKALAR(IntFarbeLinienP2, Farbe));
    farbe("IntFarbePositionenP3", VM_SKALAR(IntFarbePositionenP3, Farbe));
    farbe("IntFarbeRandP3", VM_SKALAR(IntFarbeRandP3, Farbe));
    farbe("IntFarbeLinienP3", VM_SKALAR(IntFarbeLinienP3, Farbe));
    farbe("IntFarbeFuellungKonj", VM_SKALAR(IntFarbeFuellungKonj, Farbe));
    farbe("IntFarbeLinienKonj", VM_SKALAR(IntFarbeLinienKonj, Farbe));
    farbe("IntFarbeFuellungOppo", VM_SKALAR(IntFarbeFuellungOppo, Farbe));
    farbe("IntFarbeLinienOppo", VM_SKALAR(IntFarbeLinienOppo, Farbe));

    for (int i = 0; i < AnzahlDialogfarben; ++i) {
        t.push_back(eintrag(
            "Dialogfarben", "IntDialogFarbe" + std::to_string(i), Werttyp::Farbtext, Z::Einmal, 0, 0xFFFFFF,
            [](const E& s, int k) -> long long { return s.IntDialogFarbe[static_cast<std::size_t>(k)]; },
            [](E& s, int k, long long v) { s.IntDialogFarbe[static_cast<std::size_t>(k)] = static_cast<Farbe>(v); }, i));
    }

    t.push_back(eintrag("SternHintergrund", "IntBilditem", Werttyp::Ganzzahl, Z::BeideSaetze, -1, 2,
                        VM_SKALAR(IntBilditem, int)));

    const std::string staerken = "PunkteUndLinienStaerken";
    auto groesse = [&](const char* name, long long hi, long long (*l)(const E&, int), void (*st)(E&, int, long long)) {
        t.push_back(eintrag(staerken, name, Werttyp::Ganzzahl, Z::BeideSaetze, 1, hi, l, st));
    };
    groesse("IntA", 500, VM_SKALAR(IntA, int));
    groesse("IntA2", 250, VM_SKALAR(IntA2, int));
    groesse("IntASonne", 800, VM_SKALAR(IntASonne, int));
    groesse("IntASonneBary", 1200, VM_SKALAR(IntASonneBary, int));
    groesse("IntBahnDicke", 100, VM_SKALAR(IntBahndicke, int));
    groesse("IntLinienDicke", 100, VM_SKALAR(IntLiniendicke, int));
    groesse("IntRandDicke", 10, VM_SKALAR(IntRanddicke, int));

    auto flagge = [&](const char* abschnitt, const char* name, long long (*l)(const E&, int),
                      void (*st)(E&, int, long long)) {
        t.push_back(eintrag(abschnitt, name, Werttyp::Wahrheit, Z::Einmal, 0, 1, l, st));
    };
    flagge("Sprache", "BoolSprache", VM_SKALAR(BoolSprache, bool));
    flagge("ZitateAnzeigen", "BoolZitateAnzeigen", VM_SKALAR(BoolZitateAnzeigen, bool));
    flagge("Anfangsanimation", "BoolAnfangsanimation", VM_SKALAR(BoolAnfangsanimation, bool));
    flagge("Einstellungen", "BoolBeschriftung", VM_SKALAR(BoolBeschriftung, bool));
    flagge("Einstellungen", "BoolGenauigkeit", VM_SKALAR(BoolGenauigkeit, bool));

    auto berechn = eintrag("Einstellungen", "IntAnzahlBerechn", Werttyp::Ganzzahl, Z::Einmal, 1, 3,
                           VM_SKALAR(IntAnzahlBerechn, int));
    berechn.erlaubt = {1, 2, 3};
    t.push_back(std::move(berechn));
    auto bahnpunkte = eintrag("Einstellungen", "IntAnzahlBahnpunkte", Werttyp::Ganzzahl, Z::Einmal, 1, 8,
                              VM_SKALAR(IntAnzahlBahnpunkte, int));
    bahnpunkte.erlaubt = {1, 2, 4, 8};
    t.push_back(std::move(bahnpunkte));

    // The panel's place: any screen coordinate (screens may lie left of or
    // above the primary one); the lowest value means "not moved yet".
    t.push_back(eintrag("Bedienfeld", "IntBedienfeldLinks", Werttyp::Ganzzahl, Z::Einmal, E::KeinOrt, 32767,
                        VM_SKALAR(IntBedienfeldLinks, int)));
    t.push_back(eintrag("Bedienfeld", "IntBedienfeldOben", Werttyp::Ganzzahl, Z::Einmal, E::KeinOrt, 32767,
                        VM_SKALAR(IntBedienfeldOben, int)));
    return t;
}

#undef VM_SKALAR

bool gleichOhneGrossKlein(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

const std::vector<Einstellungswert>& einstellungsTabelle()
{
    static const std::vector<Einstellungswert> t = tabelleAufbauen();
    return t;
}

const Einstellungswert* einstellungswertNachName(const std::string& abschnitt, const std::string& name)
{
    for (const auto& w : einstellungsTabelle())
        if (gleichOhneGrossKlein(w.abschnitt, abschnitt) && gleichOhneGrossKlein(w.name, name))
            return &w;
    return nullptr;
}

int einstellungenPruefen(Einstellungssatz& s, const Einstellungssatz& vorgaben)
{
    int korrigiert = 0;
    for (const auto& w : einstellungsTabelle()) {
        if (!w.gueltig(w.wert(s))) {
            w.wertSetzen(s, w.wert(vorgaben));
            ++korrigiert;
        }
    }
    return korrigiert;
}

std::string farbText(Farbe f)
{
    char puffer[8];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, f & 0xFFFFFF, 16);
    (void)fehler;
    std::string s(puffer, ende);
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return std::string(6 - std::min<std::size_t>(6, s.size()), '0') + s;
}

bool farbTextLesen(const std::string& text, Farbe& f)
{
    std::size_t a = 0, e = text.size();
    while (a < e && std::isspace(static_cast<unsigned char>(text[a])))
        ++a;
    while (e > a && std::isspace(static_cast<unsigned char>(text[e - 1])))
        --e;
    if (e == a || e - a > 6)
        return false;
    unsigned wert = 0;
    auto [p, fehler] = std::from_chars(text.data() + a, text.data() + e, wert, 16);
    if (fehler != std::errc() || p != text.data() + e)
        return false;
    f = wert;
    return true;
}

// ---------------------------------------------------------------------------

namespace {

// The fields that exist in both sets and that the user can change: every
// colour (body fills 0 ... 10), the star background, sizes and widths.
void doppelteFelderKopieren(Einstellungssatz& ziel, const Einstellungssatz& quelle)
{
    for (const auto& w : einstellungsTabelle())
        if (w.zugehoerigkeit == Zugehoerigkeit::BeideSaetze && w.schreiben)
            w.wertSetzen(ziel, w.wert(quelle));
}

} // namespace

Einstellungen::Einstellungen(int aSonneBaryStandard)
    : aktuelleEinstellungen(Werkseinstellungen(aSonneBaryStandard))
    , benutzerEinstellungen(aktuelleEinstellungen)
    , werk_(aktuelleEinstellungen)
{
}

void Einstellungen::eingelesen(const Einstellungssatz& gelesen)
{
    aktuelleEinstellungen = gelesen;
    benutzerEinstellungen = gelesen;
    for (int i = AnzahlBenutzerKoerperfarben; i < AnzahlKoerperfarben; ++i)
        benutzerEinstellungen.IntFarbePlanet[static_cast<std::size_t>(i)] = werk_.IntFarbePlanet[static_cast<std::size_t>(i)];
    benutzerAktiv_ = true;
}

void Einstellungen::koerperfarbeSetzen(int eintrag, Farbe f)
{
    if (eintrag < 0 || eintrag >= AnzahlKoerperfarben)
        return;
    aktuelleEinstellungen.IntFarbePlanet[static_cast<std::size_t>(eintrag)] = f;
    benutzerEinstellungen.IntFarbePlanet[static_cast<std::size_t>(eintrag)] = f;
}

void Einstellungen::wertSetzen(const Einstellungswert& w, long long wert)
{
    w.wertSetzen(aktuelleEinstellungen, wert);
    w.wertSetzen(benutzerEinstellungen, wert);
}

bool Einstellungen::standardUmschalten()
{
    if (benutzerAktiv_)
        doppelteFelderKopieren(aktuelleEinstellungen, werk_);
    else
        doppelteFelderKopieren(aktuelleEinstellungen, benutzerEinstellungen);
    benutzerAktiv_ = !benutzerAktiv_;
    return benutzerAktiv_;
}

} // namespace figures
