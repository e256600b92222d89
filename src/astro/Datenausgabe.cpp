#include "astro/Datenausgabe.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace astro {

namespace {

using sprache::Sprache;

// Fixed-point text with `stellen` decimals, right-aligned in `breite`
// characters; "." whatever the locale.
std::string festkomma(double wert, int stellen, size_t breite)
{
    char puffer[400];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
    std::string text = ec == std::errc() ? std::string(puffer, ende) : std::string("EingFehler");
    if (text.size() < breite)
        text.insert(0, breite - text.size(), ' ');
    return text;
}

std::string zweistellig(int n)
{
    std::string t = std::to_string(n);
    return t.size() < 2 ? "0" + t : t;
}

// Degrees, minutes and whole seconds of |x|: seconds rounded to tenths, then
// to whole seconds, with the carries of 60 seconds and 60 minutes.
struct Sexagesimal {
    long long grad;
    int minuten;
    int sekunden;
};

Sexagesimal zerlegen(double x)
{
    const double a = std::fabs(x);
    long long d = static_cast<long long>(std::trunc(a));
    const double minutenGanz = (a - static_cast<double>(d)) * 60.0;
    int m = static_cast<int>(std::trunc(minutenGanz));
    int s = static_cast<int>(std::round(std::round((minutenGanz - m) * 600.0) / 10.0));
    if (s >= 60) {
        s = 0;
        ++m;
    }
    if (m >= 60) {
        m = 0;
        ++d;
    }
    return {d, m, s};
}

std::string sexagesimalText(bool negativ, const Sexagesimal& w)
{
    // An angle that rounds to zero has no sign.
    negativ = negativ && (w.grad != 0 || w.minuten != 0 || w.sekunden != 0);
    const std::string d = std::to_string(w.grad);
    std::string text;
    if (negativ)
        text = w.grad < 10 ? "-0" + d : "-" + d;
    else if (w.grad <= 9)
        text = " 0" + d;
    else if (w.grad <= 99)
        text = " " + d;
    else
        text = d;
    return text + "°" + zweistellig(w.minuten) + "'" + zweistellig(w.sekunden) + "''";
}

const std::string& T(const char* schluessel, Sprache s) { return sprache::T(schluessel, s); }

} // namespace

std::string WinkelText(double grad)
{
    if (!(grad > -100.0 && grad <= 999.9999))
        return "EingFehler";
    return sexagesimalText(grad < 0, zerlegen(grad));
}

std::string TierkreisText(double laenge)
{
    static constexpr std::string_view zeichen[12] = {"Ari", "Tau", "Gem", "Cnc", "Leo", "Vir",
                                                     "Lib", "Sco", "Sgr", "Cap", "Aqr", "Psc"};
    if (!std::isfinite(laenge))
        return "EingFehler";
    const double l = Winkel360(laenge);
    int nr = static_cast<int>(std::trunc(l / 30.0));
    if (nr > 11)
        nr = 11;
    Sexagesimal w = zerlegen(l - 30.0 * nr);
    if (w.grad >= 30) { // rounded up to the start of the next sign
        w = {0, 0, 0};
        nr = (nr + 1) % 12;
    }
    return std::string(zeichen[nr]) + sexagesimalText(false, w);
}

// A value that rounds to zero is written without a sign ("0.00000", not
// "-0.00000"), so that a column of such values reads and sorts as zeros.
std::string ZahlZelle(double wert) { return festkomma(std::fabs(wert) < 0.000005 ? 0.0 : wert, 5, 14); }

std::string ZeitZelle(Tageszahl tag, const Ausgabeformat& f)
{
    if (f.ut)
        tag -= DeltaTTage(tag);
    if (f.jd)
        return festkomma(JulianischesDatum(tag), 5, 16);
    return DatumText(tag);
}

std::string KoerperZellen(const PositionXYZ& p, const Ausgabeformat& f)
{
    if (f.xyz)
        return ZahlZelle(p.X) + "\t" + ZahlZelle(p.Y) + "\t" + ZahlZelle(p.Z);
    Kugelkoordinaten k = XYZZuKugel(p);
    if (f.ae && !f.mond)
        k.R /= AE;
    if (f.astrologisch)
        return TierkreisText(k.L) + "\t" + WinkelText(k.B) + "\t" + ZahlZelle(k.R);
    return ZahlZelle(k.L) + "\t" + ZahlZelle(k.B) + "\t" + ZahlZelle(k.R);
}

std::string ZeilenAnfang(int nummer, Tageszahl tag, const Ausgabeformat& f)
{
    return std::to_string(nummer) + "\t" + ZeitZelle(tag, f);
}

std::string UeberblickZellen(const PositionXYZ& p, const Ausgabeformat& f) { return "\t" + KoerperZellen(p, f); }

std::string ZeileEinKoerper(int nummer, const PositionXYZ& p, Tageszahl tag, const Ausgabeformat& f)
{
    return ZeilenAnfang(nummer, tag, f) + UeberblickZellen(p, f);
}

std::string ZeileMehrereKoerper(int nummer, std::span<const PositionXYZ> p, Tageszahl tag, const Ausgabeformat& f)
{
    std::string zeile = ZeilenAnfang(nummer, tag, f);
    for (const PositionXYZ& q : p)
        zeile += UeberblickZellen(q, f);
    return zeile;
}

std::string LangzeitZeilenAnfang(int k, double tageSeit1900)
{
    return std::to_string(k) + "\t" + std::to_string(std::llround(tageSeit1900 / 365.24219));
}

std::string LangzeitZellen(double exzentrizitaet, double inklinationGrad)
{
    return "\t" + ZahlZelle(exzentrizitaet) + "\t" + ZahlZelle(inklinationGrad);
}

std::string Titelzeile(std::span<const KoerperNr> koerper, KoerperNr zentrum, Sprache s)
{
    std::string titel = "+++++  ";
    for (KoerperNr n : koerper)
        titel += KoerperName(n, s) + ", ";
    return titel + T("da.zentrum", s) + KoerperName(zentrum, s) + "  +++++";
}

std::vector<std::string> DatenAusgabeBeschriftung(const Kopfangaben& k, const Ausgabeformat& f, Sprache s)
{
    std::vector<std::string> z;
    if (k.langzeit) {
        z.emplace_back();
        for (const char* schluessel : {"da.lz.1", "da.lz.2", "da.lz.3", "da.lz.4"})
            z.push_back(T(schluessel, s));
        z.emplace_back();
        z.push_back(Titelzeile(k.koerper, koerper::Sonne, s));
        std::string spalten = T("da.spalte.nummer", s) + "\t" + T("da.spalte.jahr", s) + "\t";
        for (KoerperNr n : k.koerper) {
            const std::string kurz(KoerperKurzname(n));
            spalten += "      " + kurz + " - e   \t      " + kurz + " - i   \t";
        }
        z.push_back(spalten);
        return z;
    }
    if (k.drehungDerFiguren)
        return z;

    const bool genau = k.hoheGenauigkeit || f.mond;
    z.emplace_back();
    if (genau) {
        z.push_back(T("da.grundlage.genau", s) + T("da.vsop", s));
        z.push_back(T(f.ut ? "da.zeit.ut" : "da.zeit.td", s));
        z.push_back(T("da.verfahren", s));
    } else {
        z.push_back(T("da.niedrig", s));
        z.push_back(T("da.grundlage", s) + T("osku.datenbasis", s));
    }
    z.push_back(T(k.praezession ? "da.praezession.an" : "da.praezession.aus", s));
    if (k.rotationen && !k.rotationErdeMond) {
        z.push_back(T("da.rotation.1", s));
        z.push_back(T("da.rotation.2", s));
    }
    if (k.konjunktionen)
        z.push_back(T("da.konjunktionen", s));
    z.push_back(T("da.gewaehr", s));
    z.emplace_back();
    z.push_back(k.titelzeile);

    if (k.namenszeile) {
        std::string namen = "   \t                \t";
        bool erste = true;
        for (KoerperNr n : k.koerper) {
            const std::string kurz(n == k.zentrum ? KoerperKurzname(koerper::Sonne) : KoerperKurzname(n));
            const std::string zelle = "      " + kurz + "       ";
            for (int i = 0; i < 3; ++i) {
                if (!erste)
                    namen += "\t";
                namen += zelle;
                erste = false;
            }
        }
        z.push_back(namen);
    } else if (!k.ueberblickNamen.empty()) {
        z.push_back(k.ueberblickNamen);
    }

    std::string gruppe;
    if (f.xyz)
        gruppe = "\t" + T("da.spalte.x", s) + "\t" + T("da.spalte.y", s) + "\t" +
                 T(f.mond ? "da.spalte.z.mond" : "da.spalte.z.km", s);
    else
        gruppe = "\t" + T("da.spalte.laenge", s) + "\t" + T("da.spalte.breite", s) + "\t" +
                 T(f.mond ? "da.spalte.r.mond" : (f.ae ? "da.spalte.r.ae" : "da.spalte.r.km"), s);
    std::string spalten = T("da.spalte.nummer", s) + "\t" + T(f.jd ? "da.spalte.jd" : "da.spalte.datum", s);
    for (size_t i = 0; i < k.koerper.size(); ++i)
        spalten += gruppe;
    z.push_back(spalten);
    return z;
}

std::vector<std::string> DatenAusgabeBeschriftung(const Kopfangaben& k, const Ausgabeformat& f)
{
    return DatenAusgabeBeschriftung(k, f, sprache::aktuelleSprache());
}

void Zeilenspeicher::anhaengen(const std::string& text)
{
    if (zeilen.empty())
        zeilen.emplace_back();
    zeilen.back() += text;
}

void Datenausgabe::zeile(const std::string& z)
{
    if (ziel_)
        ziel_->zeileAnfuegen(z);
}

void Datenausgabe::anhaengen(const std::string& t)
{
    if (ziel_)
        ziel_->anhaengen(t);
}

void Datenausgabe::Beschriftung(const Kopfangaben& k)
{
    for (const std::string& z : DatenAusgabeBeschriftung(k, format))
        zeile(z);
}

void Datenausgabe::DatenAusgabe(int nummer, const PositionXYZ& p, Tageszahl tag)
{
    if (nummer > zeilengrenze)
        return;
    zeile(ZeileEinKoerper(nummer, p, tag, format));
}

void Datenausgabe::DatenAusgabe3P(int nummer, std::span<const PositionXYZ> p, Tageszahl tag)
{
    zeile(ZeileMehrereKoerper(nummer, p, tag, format));
}

void Datenausgabe::UeberblickZeileBeginnen(int nummer, Tageszahl tag) { zeile(ZeilenAnfang(nummer, tag, format)); }

void Datenausgabe::DatenAusgabeUe(const PositionXYZ& p) { anhaengen(UeberblickZellen(p, format)); }

void Datenausgabe::LangzeitZeileBeginnen(int k, double tageSeit1900) { zeile(LangzeitZeilenAnfang(k, tageSeit1900)); }

void Datenausgabe::DatenAusgabeLZ(double exzentrizitaet, double inklinationGrad)
{
    anhaengen(LangzeitZellen(exzentrizitaet, inklinationGrad));
}

} // namespace astro
