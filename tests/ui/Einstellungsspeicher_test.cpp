#include "ui/Einstellungsspeicher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

using figures::Einstellungen;
using figures::Einstellungssatz;

// Every test works on its own INI file in a temporary folder, never on the
// user's store.
class Speicher : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString pfad() const { return ordner.filePath(QStringLiteral("Ini.ini")); }

    void dateiSchreiben(const QByteArray& inhalt)
    {
        QFile f(pfad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(inhalt);
    }
    QByteArray dateiLesen()
    {
        QFile f(pfad());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    Einstellungssatz lesen(ui::Leseergebnis* erg = nullptr, int aSonneBary = 150)
    {
        QSettings s(pfad(), QSettings::IniFormat);
        Einstellungen e(aSonneBary);
        auto r = ui::IniEinlesen(s, e);
        if (erg)
            *erg = r;
        return e.aktuell();
    }
};

// A user's set in which every kind of value differs from its default.
Einstellungen veraenderteEinstellungen()
{
    Einstellungen e(150);
    e.setzen(&Einstellungssatz::IntFarbeHintergrund, figures::Farbe{0x102030});
    e.setzen(&Einstellungssatz::IntFarbeLinienOppo, figures::Farbe{0xABCDEF});
    e.koerperfarbeSetzen(0, 0x010101);
    e.koerperfarbeSetzen(10, 0x0A0A0A);
    e.setzen(&Einstellungssatz::IntBilditem, 1);
    e.setzen(&Einstellungssatz::IntA, 500);
    e.setzen(&Einstellungssatz::IntA2, 3);
    e.setzen(&Einstellungssatz::IntASonne, 12);
    e.setzen(&Einstellungssatz::IntASonneBary, 999);
    e.setzen(&Einstellungssatz::IntBahndicke, 2);
    e.setzen(&Einstellungssatz::IntLiniendicke, 3);
    e.setzen(&Einstellungssatz::IntRanddicke, 10);
    e.setzen(&Einstellungssatz::BoolSprache, true);
    e.setzen(&Einstellungssatz::BoolZitateAnzeigen, false);
    e.setzen(&Einstellungssatz::BoolAnfangsanimation, false);
    e.setzen(&Einstellungssatz::BoolBeschriftung, false);
    e.setzen(&Einstellungssatz::BoolGenauigkeit, true);
    e.setzen(&Einstellungssatz::IntAnzahlBerechn, 3);
    e.setzen(&Einstellungssatz::IntAnzahlBahnpunkte, 8);
    auto d = e.aktuell().IntDialogFarbe;
    d[0] = 0xFFFFFF;
    d[15] = 0x00AB12;
    e.setzen(&Einstellungssatz::IntDialogFarbe, d);
    return e;
}

TEST_F(Speicher, HinUndZurueckUeberDieDatei)
{
    const Einstellungen vorher = veraenderteEinstellungen();
    {
        QSettings s(pfad(), QSettings::IniFormat);
        auto erg = ui::IniSchreiben(s, vorher);
        EXPECT_TRUE(erg.ok) << erg.fehler.toStdString();
    }
    ui::Leseergebnis erg;
    EXPECT_EQ(lesen(&erg), vorher.benutzer());
    EXPECT_TRUE(erg.verworfen.isEmpty());
    EXPECT_EQ(erg.fehlend, 11);  // body fills 11 ... 21 are never written

    const QByteArray datei = dateiLesen();
    EXPECT_TRUE(datei.contains("[PunkteUndLinienStaerken]"));
    EXPECT_TRUE(datei.contains("IntBahnDicke=2"));
    EXPECT_TRUE(datei.contains("IntDialogFarbe15=00AB12"));
    EXPECT_TRUE(datei.contains("BoolSprache=true"));
    EXPECT_FALSE(datei.contains("IntFarbePlanet11"));
}

TEST_F(Speicher, FehlendeUndLeereDateiGebenStandardwerte)
{
    ui::Leseergebnis erg;
    EXPECT_EQ(lesen(&erg), figures::Werkseinstellungen(150));
    EXPECT_EQ(erg.gelesen, 0);
    EXPECT_FALSE(QFile::exists(pfad())) << "reading must not create the store";

    dateiSchreiben("");
    EXPECT_EQ(lesen(&erg), figures::Werkseinstellungen(150));
    EXPECT_EQ(erg.fehlend, static_cast<int>(figures::einstellungsTabelle().size()));

    dateiSchreiben("\x00\x01\xff\xfe garbage without any structure \n=\n[\n");
    EXPECT_EQ(lesen(&erg), figures::Werkseinstellungen(150));
}

// One damaged value among good ones: it alone falls back to its default.
struct Schadfall {
    const char* name;
    const char* zeile;       // the damaged line, in section [Test] of the file below
    const char* abschnitt;
    const char* feld;        // value name in the table
};

class Schaden : public Speicher, public ::testing::WithParamInterface<Schadfall> {};

TEST_P(Schaden, NurDerSchlechteWertFaelltZurueck)
{
    const auto& f = GetParam();
    QByteArray inhalt =
        "[Farbzuweisungen]\nIntFarbeRG=1193046\nIntFarbePlanet3=66051\n"
        "[PunkteUndLinienStaerken]\nIntA=17\nIntRandDicke=4\n"
        "[Sprache]\nBoolSprache=true\n"
        "[Dialogfarben]\nIntDialogFarbe3=ABCDEF\n";
    inhalt += QByteArray("[") + f.abschnitt + "]\n" + f.zeile + "\n";
    dateiSchreiben(inhalt);

    ui::Leseergebnis erg;
    Einstellungssatz s = lesen(&erg);
    const auto* w = figures::einstellungswertNachName(f.abschnitt, f.feld);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->wert(s), w->wert(figures::Werkseinstellungen(150))) << "bad value not replaced by the default";
    EXPECT_EQ(erg.verworfen.size(), 1) << erg.verworfen.join(',').toStdString();

    // The good values in the same file are all kept.
    EXPECT_EQ(s.IntFarbeRG, 0x123456u);
    EXPECT_EQ(s.IntFarbePlanet[3], 0x010203u);
    EXPECT_EQ(s.IntA, 17);
    EXPECT_EQ(s.IntRanddicke, 4);
    EXPECT_TRUE(s.BoolSprache);
    EXPECT_EQ(s.IntDialogFarbe[3], 0xABCDEFu);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, Schaden,
    ::testing::Values(
        Schadfall{"Leer", "IntA2=", "PunkteUndLinienStaerken", "IntA2"},
        Schadfall{"KeineZahl", "IntBahnDicke=abc", "PunkteUndLinienStaerken", "IntBahnDicke"},
        Schadfall{"Dezimalbruch", "IntASonne=7.5", "PunkteUndLinienStaerken", "IntASonne"},
        Schadfall{"Liste", "IntLinienDicke=1,2", "PunkteUndLinienStaerken", "IntLinienDicke"},
        Schadfall{"NullRadius", "IntASonneBary=0", "PunkteUndLinienStaerken", "IntASonneBary"},
        Schadfall{"ZuGross", "IntASonneBary=1201", "PunkteUndLinienStaerken", "IntASonneBary"},
        Schadfall{"FarbeNegativ", "IntFarbeBahnen=-1", "Farbzuweisungen", "IntFarbeBahnen"},
        Schadfall{"FarbeUeber24Bit", "IntFarbeBahnen=16777216", "Farbzuweisungen", "IntFarbeBahnen"},
        Schadfall{"Riesenzahl", "IntFarbeTierkreis=99999999999999999999999", "Farbzuweisungen", "IntFarbeTierkreis"},
        Schadfall{"BilditemUnbekannt", "IntBilditem=3", "SternHintergrund", "IntBilditem"},
        Schadfall{"WahrheitFalsch", "BoolZitateAnzeigen=vielleicht", "ZitateAnzeigen", "BoolZitateAnzeigen"},
        Schadfall{"StufeNichtErlaubt", "IntAnzahlBahnpunkte=3", "Einstellungen", "IntAnzahlBahnpunkte"},
        Schadfall{"StufeZuHoch", "IntAnzahlBerechn=4", "Einstellungen", "IntAnzahlBerechn"},
        Schadfall{"DialogfarbeKeinHex", "IntDialogFarbe0=XYZ", "Dialogfarben", "IntDialogFarbe0"},
        Schadfall{"DialogfarbeZuLang", "IntDialogFarbe1=1234567", "Dialogfarben", "IntDialogFarbe1"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file cut off in the middle: what stands before the cut is kept.
TEST_F(Speicher, AbgeschnitteneDatei)
{
    {
        QSettings s(pfad(), QSettings::IniFormat);
        ASSERT_TRUE(ui::IniSchreiben(s, veraenderteEinstellungen()).ok);
    }
    const QByteArray ganz = dateiLesen();
    const Einstellungssatz voll = veraenderteEinstellungen().benutzer();
    for (qsizetype laenge : {ganz.size() / 4, ganz.size() / 2, ganz.size() - 3}) {
        SCOPED_TRACE(laenge);
        const QByteArray teil = ganz.left(laenge);
        dateiSchreiben(teil);
        ui::Leseergebnis erg;
        const Einstellungssatz s = lesen(&erg);
        // Every value is either the written one or its default, never garbage.
        const Einstellungssatz standard = figures::Werkseinstellungen(150);
        int uebernommen = 0;
        for (const auto& w : figures::einstellungsTabelle()) {
            const long long v = w.wert(s);
            EXPECT_TRUE(v == w.wert(voll) || v == w.wert(standard)) << w.name;
            if (v == w.wert(voll) && v != w.wert(standard))
                ++uebernommen;
        }
        EXPECT_GT(uebernommen, 0) << "nothing kept from the part before the cut";
    }
}

TEST_F(Speicher, NamenOhneRuecksichtAufGrossKleinUndSchreibweiseBeimSchreiben)
{
    dateiSchreiben("[punkteundlinienstaerken]\nintbahndicke=3\nINTA=20\n[FARBZUWEISUNGEN]\nintfarbeplanet15=255\n");
    Einstellungen e(150);
    {
        QSettings s(pfad(), QSettings::IniFormat);
        ui::IniEinlesen(s, e);
    }
    EXPECT_EQ(e.aktuell().IntBahndicke, 3);
    EXPECT_EQ(e.aktuell().IntA, 20);
    EXPECT_EQ(e.aktuell().IntFarbePlanet[15], 0x0000FFu);                        // read at start ...
    EXPECT_EQ(e.benutzer().IntFarbePlanet[15], figures::StandardKoerperfarben[15]);  // ... but not the user's

    {
        QSettings s(pfad(), QSettings::IniFormat);
        ASSERT_TRUE(ui::IniSchreiben(s, e).ok);
    }
    const QByteArray datei = dateiLesen();
    EXPECT_TRUE(datei.contains("IntBahnDicke=3"));
    EXPECT_FALSE(datei.contains("intbahndicke"));
    EXPECT_FALSE(datei.contains("INTA="));
    EXPECT_EQ(lesen().IntBahndicke, 3);
    EXPECT_EQ(lesen().IntA, 20);
}

// A store that cannot be written must say so; reporting success would lose
// the user's changes silently.
TEST_F(Speicher, NichtSchreibbarerSpeicherMeldetFehler)
{
    // The folder of the store is a plain file: nothing can be created there,
    // whatever the rights of the user running the test.
    const QString sperre = ordner.filePath(QStringLiteral("kein_ordner"));
    {
        QFile f(sperre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QSettings s(sperre + QStringLiteral("/Ini.ini"), QSettings::IniFormat);
    const auto erg = ui::IniSchreiben(s, veraenderteEinstellungen());
    EXPECT_FALSE(erg.ok);
    EXPECT_FALSE(erg.fehler.isEmpty());
}

} // namespace

namespace {

// A damaged file is replaced by a sound one on the next save.
TEST_F(Speicher, BeschaedigteDateiWirdBeimSpeichernErsetzt)
{
    dateiSchreiben("\x00\x01\xff\xfe garbage\n[PunkteUndLinienStaerken\nIntA=17\n[\n=\n");
    {
        QSettings s(pfad(), QSettings::IniFormat);
        const auto erg = ui::IniSchreiben(s, veraenderteEinstellungen());
        EXPECT_TRUE(erg.ok) << erg.fehler.toStdString();
    }
    EXPECT_EQ(lesen(), veraenderteEinstellungen().benutzer());
}

} // namespace

// The folders of the save dialogs: one per kind, kept across program runs,
// and left alone when the settings record is written.
TEST_F(Speicher, OrdnerDerSpeicherdialogeJeArt)
{
    using shell::Ordnerart;
    const QString bilder = ordner.filePath(QStringLiteral("bilder"));
    const QString seiten = ordner.filePath(QStringLiteral("seiten"));
    {
        QSettings s(pfad(), QSettings::IniFormat);
        ui::Ordnerspeicher o(s);
        EXPECT_TRUE(o.ordner(Ordnerart::Bild).isEmpty());
        o.merken(Ordnerart::Bild, bilder + QStringLiteral("/figur.png"));
        o.merken(Ordnerart::Druck, seiten + QStringLiteral("/Velmora.pdf"));
        ASSERT_TRUE(ui::IniSchreiben(s, Einstellungen(150)).ok);
    }
    QSettings s(pfad(), QSettings::IniFormat);
    ui::Ordnerspeicher o(s);
    EXPECT_EQ(o.ordner(Ordnerart::Bild), bilder);
    EXPECT_EQ(o.ordner(Ordnerart::Druck), seiten);
    EXPECT_TRUE(o.ordner(Ordnerart::Daten).isEmpty());
    EXPECT_TRUE(dateiLesen().contains("StrOrdnerBild="));
    // Not part of the settings record: reading it finds nothing unusable.
    ui::Leseergebnis erg;
    lesen(&erg);
    EXPECT_TRUE(erg.verworfen.isEmpty());
}
