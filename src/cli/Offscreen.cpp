#include "cli/Offscreen.h"

#include "sprache/Sprache.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace cli {

OffscreenAnwendung::OffscreenAnwendung()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit() + "/velmora-runtime");
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenAnwendung::~OffscreenAnwendung() = default;

std::map<std::string, Befehlsfunktion>& renderFiguren()
{
    static std::map<std::string, Befehlsfunktion> figuren;
    return figuren;
}

int bildoptionLesen(const Argumente& args, size_t& i, double& zoom, figures::Tierkreisart& tierkreis, int& sterne,
                    int& bahnpunkteFaktor)
{
    const std::string& a = args[i];
    if (i + 1 >= args.size())
        return 0;
    if (a == "--zoom") {
        if (!zahlLesen(args[++i], zoom) || zoom < 0.1 || zoom > 50)
            return fehler("--zoom wants a number between 0.1 and 50"), -1;
    } else if (a == "--zodiac") {
        const std::string w = args[++i];
        if (w == "signs")
            tierkreis = figures::Tierkreisart::Zeichen;
        else if (w == "constellations")
            tierkreis = figures::Tierkreisart::Sternbilder;
        else
            return fehler("--zodiac wants signs or constellations"), -1;
    } else if (a == "--stars") {
        const std::string w = args[++i];
        if (w != "0" && w != "1" && w != "2")
            return fehler("--stars wants 0, 1 or 2"), -1;
        sterne = w[0] - '0';
    } else if (a == "--points") {
        const std::string w = args[++i];
        if (w != "1" && w != "2" && w != "4" && w != "8")
            return fehler("--points wants 1, 2, 4 or 8"), -1;
        bahnpunkteFaktor = w[0] - '0';
    } else if (a == "--lang") {
        const std::string l = args[++i];
        if (l != "de" && l != "en")
            return fehler("--lang wants de or en"), -1;
        sprache::setzeSprache(l == "de" ? sprache::Sprache::Deutsch : sprache::Sprache::Englisch);
    } else {
        return 0;
    }
    return 1;
}

int rahmenoptionLesen(const Argumente& args, size_t& i, Rahmenoptionen& o)
{
    const std::string& a = args[i];
    const bool hatWert = i + 1 < args.size();
    bool* schalter = a == "--legend"       ? &o.legende
                     : a == "--scale"      ? &o.massstab
                     : a == "--au"         ? &o.astronomischeEinheiten
                     : a == "--sun"        ? &o.sonne
                     : a == "--mark"       ? &o.markieren
                     : a == "--high"       ? &o.hoch
                     : a == "--precession" ? &o.praezession
                     : a == "--rows"       ? &o.zeilen
                                           : nullptr;
    if (schalter) {
        *schalter = true;
        return 1;
    }
    if (!hatWert)
        return 0;
    if (a == "--out") {
        o.aus = args[++i];
    } else if (a == "--frames") {
        o.bilderOrdner = args[++i];
    } else if (a == "--size") {
        if (!groesseLesen(args[++i], o.breite, o.hoehe))
            return fehler("--size wants WxH, e.g. 1280x800"), -1;
    } else if (a == "--rot") {
        std::stringstream ss(args[++i]);
        std::string teil;
        int k = 0;
        while (std::getline(ss, teil, ',') && k < 4) {
            double w = 0;
            if (!zahlLesen(teil, w) || w < -180 || w > 180)
                return fehler("--rot wants three angles in degrees between -180 and 180, e.g. 60,30,0"), -1;
            if (k < 3)
                o.rot[k] = w;
            ++k;
        }
        if (k != 3)
            return fehler("--rot wants three angles in degrees, e.g. 60,30,0"), -1;
    } else {
        return 0;
    }
    return 1;
}

int zeilenUndBild(const std::vector<std::string>& zeilen, const std::string& aus, const QImage& bild,
                  const output::Vektorzeichnung& nachzeichnen)
{
    for (const std::string& z : zeilen)
        std::printf("%s\n", z.c_str());
    return bildSchreiben(aus, bild, nachzeichnen);
}

bool groesseLesen(const std::string& text, int& breite, int& hoehe)
{
    const auto x = text.find('x');
    if (x == std::string::npos)
        return false;
    long long b = 0, h = 0;
    if (!ganzzahlLesen(text.substr(0, x), b) || !ganzzahlLesen(text.substr(x + 1), h))
        return false;
    if (b < 16 || h < 16 || b > 20000 || h > 20000)
        return false;
    breite = static_cast<int>(b);
    hoehe = static_cast<int>(h);
    return true;
}

} // namespace cli

namespace cli {

int bildSchreiben(const std::string& aus, const QImage& bild, const output::Vektorzeichnung& nachzeichnen)
{
    const QString name = QString::fromStdString(aus);
    const output::Bildformat format = output::FormatBeimSpeichern(name);
    const output::Schreibergebnis e = output::IstVektorformat(format)
                                          ? output::VektorSchreiben(name, format, bild.size(), nachzeichnen)
                                          : output::RasterSchreiben(bild, name, format);
    if (!e)
        return fehler("cannot write '" + aus + "': " + e.grund.toStdString());
    return 0;
}

} // namespace cli
