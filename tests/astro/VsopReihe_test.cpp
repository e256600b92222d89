// Loading the eight series files, the row bounds, the evaluation against the
// published check values of the full theory, and the position source with
// and without precession.

#include "astro/Positionsquellen.h"
#include "astro/ReiheVSOP.h"
#include "astro/VsopQuelle.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <locale>
#include <numbers>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace astro;

const std::string DataOrdner = std::string(VELMORA_QUELLORDNER) + "/Data";

const VsopDaten& geladen()
{
    static const VsopDaten daten = [] {
        VsopDaten d;
        const Status s = VsopLaden(DataOrdner, d);
        EXPECT_TRUE(s.ok()) << s.detail;
        return d;
    }();
    return daten;
}

double winkelAbstandGrad(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180)
        d -= 360;
    if (d < -180)
        d += 360;
    return std::fabs(d);
}

// ---- evaluation against the full theory -------------------------------------

// Source: vsop87.chk of the VSOP87 distribution (Bretagnon & Francou), rows
// "VSOP87D", computed there with the complete series. L, B in rad, R in AU.
struct Pruefwert {
    const char* name;
    int koerper;
    double jd;
    double L, B, R;
};

class VsopGegenVolleTheorie : public ::testing::TestWithParam<Pruefwert> {};

// The reduced series stay within 2.5" (L, B) and 3e-4 AU (R) of the full
// theory over 1800-2200; Data/README.md has the measured maxima.
TEST_P(VsopGegenVolleTheorie, InnerhalbDerGemessenenGrenzen)
{
    const Pruefwert& w = GetParam();
    const Kugelkoordinaten k = VsopKugelDatum(geladen(), w.koerper, w.jd - 2451544.5);
    const double grad = 180.0 / std::numbers::pi;
    EXPECT_LT(winkelAbstandGrad(k.L, w.L * grad) * 3600, 2.5) << "L got " << k.L << " want " << w.L * grad;
    EXPECT_LT(std::fabs(k.B - w.B * grad) * 3600, 2.5) << "B got " << k.B << " want " << w.B * grad;
    EXPECT_LT(std::fabs(k.R / AE - w.R), 3e-4) << "R got " << k.R / AE << " AU want " << w.R;
    EXPECT_GE(k.L, 0.0);
    EXPECT_LT(k.L, 360.0);
}

INSTANTIATE_TEST_SUITE_P(
    Chk, VsopGegenVolleTheorie,
    ::testing::Values(Pruefwert{"Merkur2000", 1, 2451545.0, 4.4293481036, -.0527573409, .4664714751},
                      Pruefwert{"Merkur1899", 1, 2415020.0, 3.4851161911, .0565906173, .4183426275},
                      Pruefwert{"Venus1799", 2, 2378495.0, 2.5083656668, .0552309407, .7185473298},
                      Pruefwert{"Venus2000", 2, 2451545.0, 3.1870221833, .0569782849, .7202129253},
                      Pruefwert{"Erde2000", 3, 2451545.0, 1.7519238681, -.0000039656, .9833276819},
                      Pruefwert{"Erde1899", 3, 2415020.0, 1.7391225563, -.0000005679, .9832689778},
                      Pruefwert{"Mars2000", 4, 2451545.0, 6.2735389983, -.0247779824, 1.3912076925},
                      Pruefwert{"Mars1799", 4, 2378495.0, 3.8711855478, .0034969939, 1.5615140011},
                      Pruefwert{"Jupiter2000", 5, 2451545.0, .6334614186, -.0205001039, 4.9653813154},
                      Pruefwert{"Jupiter1899", 5, 2415020.0, 4.0927527024, .0161446618, 5.3850276671},
                      Pruefwert{"Saturn2000", 6, 2451545.0, .7980038761, -.0401984149, 9.1838483715},
                      Pruefwert{"Saturn1799", 6, 2378495.0, 2.1956677359, .0104156566, 9.1043068639},
                      Pruefwert{"Uranus2000", 7, 2451545.0, 5.5225485803, -.0119527838, 19.9240482667},
                      Pruefwert{"Uranus1899", 7, 2415020.0, 4.3397761173, .0011570307, 18.9927163620},
                      Pruefwert{"Neptun2000", 8, 2451545.0, 5.3045629252, .0042236789, 30.1205328392},
                      Pruefwert{"Neptun1799", 8, 2378495.0, 3.9290537977, .0310692112, 30.3209192288}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- row bounds: each series lands in its coordinate and power of tau ------

struct ReihenFall {
    int koerper;
    VsopVariable variable;
    int potenz;
};

class VsopReihenzuordnung : public ::testing::TestWithParam<ReihenFall> {};

// One term A cos(B + C tau) in the first row of one series, all other rows
// zero: only that coordinate moves, by the term times tau^k.
TEST_P(VsopReihenzuordnung, TermWirktNurAufSeineKoordinateUndPotenz)
{
    const ReihenFall f = GetParam();
    auto daten = std::make_unique<VsopDaten>();
    const int zeile = VsopPlanetAnfang(f.koerper - 1) + VsopReihenZeilen(f.koerper - 1, f.variable, f.potenz).von;
    daten->terme[zeile] = {0.2e8, 0.4, 0.6};
    const double tau = 0.5;
    const Kugelkoordinaten k = VsopKugelDatum(*daten, f.koerper, tau * 365250.0 + 0.5);
    const double wert = 0.2 * std::cos(0.4 + 0.6 * tau) * std::pow(tau, f.potenz);
    const double grad = 180.0 / std::numbers::pi;
    EXPECT_NEAR(k.L, f.variable == VsopL ? wert * grad : 0.0, 1e-12);
    EXPECT_NEAR(k.B, f.variable == VsopB ? wert * grad : 0.0, 1e-12);
    EXPECT_NEAR(k.R, f.variable == VsopR ? wert * AE : 0.0, 1e-12);
}

std::vector<ReihenFall> alleReihen()
{
    std::vector<ReihenFall> v;
    for (int p = 1; p <= VsopPlanetAnzahl; ++p)
        for (VsopVariable var : {VsopL, VsopB, VsopR})
            for (int k = 0; k < 6; ++k)
                v.push_back({p, var, k});
    return v;
}

INSTANTIATE_TEST_SUITE_P(Alle, VsopReihenzuordnung, ::testing::ValuesIn(alleReihen()), [](const auto& info) {
    static const char* const namen = "LBR";
    return "Koerper" + std::to_string(info.param.koerper) + "_" + namen[info.param.variable]
           + std::to_string(info.param.potenz);
});

// ---- precession -------------------------------------------------------------

Rechenoptionen optionen(bool mitPraezession)
{
    Rechenoptionen o;
    o.HoheGenauigkeit = true;
    o.MitPraezession = mitPraezession;
    return o;
}

TEST(VsopPraezession, BeideRahmenGleichBeiJ2000)
{
    const VsopQuelle quelle(std::make_shared<VsopDaten>(geladen()));
    for (int n = 1; n <= 8; ++n) {
        const auto ohne = quelle.position(n, 0.5, optionen(false));
        const auto mit = quelle.position(n, 0.5, optionen(true));
        ASSERT_TRUE(ohne.ok() && mit.ok()) << "body " << n;
        EXPECT_NEAR(ohne->X, mit->X, 1e-9) << "body " << n;
        EXPECT_NEAR(ohne->Y, mit->Y, 1e-9) << "body " << n;
        EXPECT_NEAR(ohne->Z, mit->Z, 1e-9) << "body " << n;
    }
}

// A century before J2000 the equinox of date lies about 1.397 deg (general
// precession, 5029"/century) behind the J2000 equinox, so J2000 longitudes
// are larger by that much; a century after, smaller.
TEST(VsopPraezession, RichtungUndBetragNachJ2000)
{
    for (double jahre : {-100.0, 100.0}) {
        const double tag = 0.5 + jahre * 365.25;
        const PositionXYZ datum = VsopPosition(geladen(), 3, tag, true);
        const PositionXYZ j2000 = VsopPosition(geladen(), 3, tag, false);
        const double lDatum = std::atan2(datum.Y, datum.X) * 180 / std::numbers::pi;
        const double lJ2000 = std::atan2(j2000.Y, j2000.X) * 180 / std::numbers::pi;
        double d = lJ2000 - lDatum;
        d -= 360.0 * std::round(d / 360.0);
        EXPECT_NEAR(d, -jahre / 100.0 * 1.3969, 0.002) << jahre << " years";
        // the radius does not change
        EXPECT_NEAR(std::hypot(datum.X, datum.Y, datum.Z), std::hypot(j2000.X, j2000.Y, j2000.Z), 1e-9);
    }
}

// ---- the source behind PositionGenau ---------------------------------------

TEST(VsopQuelle, NurMerkurBisNeptunUndNurGeladen)
{
    const VsopQuelle quelle(std::make_shared<VsopDaten>(geladen()));
    for (int n : {0, 9, 21, -1})
        EXPECT_EQ(quelle.position(n, 100.0, optionen(false)).status().fehler, Fehler::NichtVerfuegbar) << n;
    const VsopQuelle leer(std::make_shared<VsopDaten>());
    EXPECT_EQ(leer.position(3, 100.0, optionen(false)).status().fehler, Fehler::NichtVerfuegbar);
    const VsopQuelle ohneDaten(nullptr);
    EXPECT_EQ(ohneDaten.position(3, 100.0, optionen(false)).status().fehler, Fehler::NichtVerfuegbar);
}

TEST(VsopQuelle, PositionGenauNimmtDieReihen)
{
    auto quelle = VsopQuelleLaden(DataOrdner);
    ASSERT_TRUE(quelle.ok()) << quelle.status().detail;
    Positionsrechner rechner;
    rechner.setzeReihenquelle(quelle.wert());
    for (int n = 1; n <= 8; ++n) {
        const auto p = rechner.PositionGenau(n, 3000.25, optionen(false));
        ASSERT_TRUE(p.ok()) << "body " << n;
        const PositionXYZ soll = VsopPosition(geladen(), n, 3000.25, false);
        EXPECT_EQ(p->X, soll.X);
        EXPECT_EQ(p->Y, soll.Y);
        EXPECT_EQ(p->Z, soll.Z);
    }
}

// ---- loading ----------------------------------------------------------------

class VsopDateien : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner_ = fs::temp_directory_path()
                  / ("velmora-vsop-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                     + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner_);
        fs::create_directories(ordner_);
        for (const auto& g : VsopReihengrenzen)
            fs::copy_file(fs::path(DataOrdner) / g.datei, ordner_ / g.datei);
    }
    void TearDown() override { fs::remove_all(ordner_); }
    void schreiben(const char* datei, const std::string& text)
    {
        std::ofstream(ordner_ / datei, std::ios::binary | std::ios::trunc) << text;
    }
    std::string lesen(const char* datei)
    {
        std::ifstream ein(ordner_ / datei, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), {}};
    }
    fs::path ordner_;
};

TEST_F(VsopDateien, FehlendeDatei)
{
    fs::remove(ordner_ / "Ur.txt");
    VsopDaten d;
    const Status s = VsopLaden(ordner_.string(), d);
    EXPECT_EQ(s.fehler, Fehler::DateiFehlt);
    EXPECT_EQ(s.meldungsSchluessel, "lauf.datenfehler");
    EXPECT_NE(s.detail.find("Ur.txt"), std::string::npos) << s.detail;
    EXPECT_FALSE(d.geladen);
}

TEST_F(VsopDateien, FehlenderOrdner)
{
    VsopDaten d;
    EXPECT_EQ(VsopLaden((ordner_ / "gibt-es-nicht").string(), d).fehler, Fehler::DateiFehlt);
}

// A failed load leaves tables loaded before untouched: no half-filled state.
TEST_F(VsopDateien, BeschaedigteDateiLaesstAlteTabellenStehen)
{
    auto d = std::make_unique<VsopDaten>(geladen());
    // the last file read, so seven planets were read before the failure
    std::string text = lesen("Ne.txt");
    text.replace(text.rfind('\n', text.size() - 2) + 1, 1, "x");
    schreiben("Ne.txt", text);
    const Status s = VsopLaden(ordner_.string(), *d);
    EXPECT_EQ(s.fehler, Fehler::DateiBeschaedigt);
    EXPECT_NE(s.detail.find("Ne.txt"), std::string::npos) << s.detail;
    EXPECT_TRUE(d->geladen);
    for (int i = 0; i < VsopSummeTerme; ++i)
        ASSERT_EQ(d->terme[i].A, geladen().terme[i].A) << "term " << i;
}

TEST_F(VsopDateien, ZuWenigeZahlen)
{
    std::string text = lesen("Sa.txt");
    text.resize(text.rfind(' ')); // the last number of the file is gone
    schreiben("Sa.txt", text);
    VsopDaten d;
    const Status s = VsopLaden(ordner_.string(), d);
    EXPECT_EQ(s.fehler, Fehler::DateiBeschaedigt);
    EXPECT_NE(s.detail.find("Sa.txt"), std::string::npos) << s.detail;
    EXPECT_FALSE(d.geladen);
}

// Whitespace, extra text after the 3N numbers and a comma locale change nothing.
TEST_F(VsopDateien, FormatUndGebietsschemaUnabhaengig)
{
    std::string text = lesen("Ve.txt");
    for (char& c : text)
        if (c == '\n')
            c = '\t';
    schreiben("Ve.txt", "\r\n  " + text + "\r\nend of table, 1,5 ;");

    struct Komma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale vorher = std::locale::global(std::locale(std::locale::classic(), new Komma));
    VsopDaten d;
    const Status s = VsopLaden(ordner_.string(), d);
    std::locale::global(vorher);

    ASSERT_TRUE(s.ok()) << s.detail;
    for (int i = 0; i < VsopSummeTerme; ++i) {
        ASSERT_EQ(d.terme[i].A, geladen().terme[i].A) << "term " << i;
        ASSERT_EQ(d.terme[i].C, geladen().terme[i].C) << "term " << i;
    }
}

} // namespace
