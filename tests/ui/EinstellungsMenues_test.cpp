#include "ui/EinstellungsMenues.h"
#include "ui/Einstellungsspeicher.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "Suche.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace {

using figures::Einstellungen;
using figures::Einstellungssatz;
using figures::Farbe;

struct TestHost : ui::EinstellungsHost {
    QWidget fenster;
    bool inStartphase = false;
    int geaendert = 0;
    int hintergrund = 0;
    int stufe = 0;
    int faktor = 0;
    int sonneBary = 0;
    std::vector<bool> sprachen;
    std::optional<double> massstab;

    QWidget* dialogEltern() override { return &fenster; }
    bool startphase() const override { return inStartphase; }
    void einstellungenGeaendert() override { ++geaendert; }
    void hintergrundSofort() override { ++hintergrund; }
    void spracheGewechselt(bool deutsch) override { sprachen.push_back(deutsch); }
    void anzahlBerechnungenGewaehlt(int s) override { stufe = s; }
    void bahnpunkteGewaehlt(int f) override { faktor = f; }
    std::optional<double> baryStandardMassstab() override { return massstab; }
    void sonneBaryVomBenutzer() override { ++sonneBary; }
};

// Answers the dialogs from scripted queues and records what was asked.
struct TestDialoge : ui::EinstellungsDialoge {
    std::deque<std::optional<Farbe>> farben;
    std::deque<std::optional<QString>> eingaben;
    std::map<int, Farbe> eigeneAendern;   // custom colours the "user" edits in the dialog
    int warnungen = 0;
    QString letzterTitel, letzteFrage, letzterAnfang;
    Farbe letzterFarbanfang = 0;

    std::optional<Farbe> farbeWaehlen(QWidget*, Farbe anfang, std::array<Farbe, 16>& eigene) override
    {
        letzterFarbanfang = anfang;
        for (auto [i, f] : eigeneAendern)
            eigene[static_cast<std::size_t>(i)] = f;
        auto f = farben.empty() ? std::nullopt : farben.front();
        if (!farben.empty())
            farben.pop_front();
        return f;
    }
    std::optional<QString> eingabe(QWidget*, const QString& titel, const QString& frage, const QString& anfang) override
    {
        letzterTitel = titel;
        letzteFrage = frage;
        letzterAnfang = anfang;
        auto a = eingaben.empty() ? std::nullopt : eingaben.front();
        if (!eingaben.empty())
            eingaben.pop_front();
        return a;
    }
    void warnung(QWidget*, const QString&, const QString&) override { ++warnungen; }
};

class Menues : public ::testing::Test {
protected:
    void SetUp() override { vorherigeSprache = sprache::aktuelleSprache(); }
    void TearDown() override { sprache::setzeSprache(vorherigeSprache); }

    void ausloesen(const char* komponente)
    {
        QAction* a = testhilfe::aktion(menues, QLatin1String(komponente));
        ASSERT_NE(a, nullptr) << komponente;
        a->trigger();
    }

    sprache::Sprache vorherigeSprache{};
    TestHost host;
    TestDialoge dialoge;
    Einstellungen einstellungen{150};
    ui::EinstellungsMenues menues{&host.fenster, einstellungen, host, &dialoge};
};

// All actions below a menu, sub-menus included.
void sammeln(QMenu* m, std::vector<QAction*>& aus)
{
    for (QAction* a : m->actions()) {
        if (a->menu())
            sammeln(a->menu(), aus);
        else if (!a->isSeparator())
            aus.push_back(a);
    }
}

// Every colour item changes exactly its own value, in both sets; the user's
// colours 0 ... 10 of the bodies and every other colour are reachable.
TEST_F(Menues, JedesFarbitemAendertGenauSeinenWert)
{
    std::vector<QAction*> items;
    for (QMenu* m : menues.menues())
        if (m->objectName() == QLatin1String("Farben1"))
            sammeln(m, items);
    std::set<std::string> erreicht;
    Farbe neu = 0x000100;
    for (QAction* a : items) {
        SCOPED_TRACE(a->objectName().toStdString());
        const Einstellungssatz vorher = einstellungen.aktuell();
        const int geaendertVorher = host.geaendert;
        dialoge.farben.push_back(neu);
        a->trigger();
        EXPECT_EQ(host.geaendert, geaendertVorher + 1);
        int unterschiede = 0;
        for (const auto& w : figures::einstellungsTabelle()) {
            if (w.wert(einstellungen.aktuell()) != w.wert(vorher)) {
                ++unterschiede;
                EXPECT_EQ(w.wert(einstellungen.aktuell()), static_cast<long long>(neu));
                EXPECT_EQ(w.wert(einstellungen.benutzer()), static_cast<long long>(neu)) << "not in the user's set";
                EXPECT_TRUE(erreicht.insert(w.name).second) << w.name << " reached twice";
                EXPECT_EQ(dialoge.letzterFarbanfang, static_cast<Farbe>(w.wert(vorher)));
            }
        }
        EXPECT_EQ(unterschiede, 1);
        neu += 0x000100;
    }
    // 32 colours besides the background, plus body fills 0 ... 10.
    EXPECT_EQ(erreicht.size(), 31u + 11u);
}

TEST_F(Menues, FarbdialogAbgebrochenAendertNichts)
{
    const Einstellungssatz vorher = einstellungen.aktuell();
    dialoge.farben.push_back(std::nullopt);
    ausloesen("Raumgeraden1");
    dialoge.farben.push_back(std::nullopt);
    ausloesen("HintergrFarbe");
    EXPECT_EQ(einstellungen.aktuell(), vorher);
    EXPECT_EQ(host.geaendert, 0);
    EXPECT_EQ(host.hintergrund, 1);  // the background is repainted even after a cancel

    dialoge.farben.push_back(Farbe{0x203040});
    ausloesen("HintergrFarbe");
    EXPECT_EQ(einstellungen.aktuell().IntFarbeHintergrund, 0x203040u);
    EXPECT_EQ(host.hintergrund, 2);
}

// The custom colours edited in the dialog are kept (also on cancel) and
// survive a round trip through the store.
TEST_F(Menues, DialogfarbenWerdenGespeichert)
{
    dialoge.eigeneAendern = {{0, 0x0000FF}, {15, 0xABCDEF}};
    dialoge.farben.push_back(std::nullopt);
    ausloesen("Sonne1");
    EXPECT_EQ(einstellungen.aktuell().IntDialogFarbe[0], 0x0000FFu);
    EXPECT_EQ(einstellungen.benutzer().IntDialogFarbe[15], 0xABCDEFu);

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("Ini.ini"));
    {
        QSettings s(pfad, QSettings::IniFormat);
        ASSERT_TRUE(ui::IniSchreiben(s, einstellungen).ok);
    }
    Einstellungen gelesen(150);
    QSettings s(pfad, QSettings::IniFormat);
    ui::IniEinlesen(s, gelesen);
    EXPECT_EQ(gelesen.aktuell().IntDialogFarbe, einstellungen.benutzer().IntDialogFarbe);
}

// The Qt colour dialog hands the custom colours in and reads them back.
TEST(Farbdialog, EigeneFarbenHinUndZurueck)
{
    ui::EinstellungsDialoge dialoge;
    std::array<Farbe, 16> eigene{};
    eigene[2] = 0x00FF00;
    QColor gesehen;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        gesehen = QColorDialog::customColor(2);
        QColorDialog::setCustomColor(7, QColor(0x11, 0x22, 0x33));
        dlg->setCurrentColor(QColor(0x44, 0x55, 0x66));
        dlg->accept();
    });
    const auto f = dialoge.farbeWaehlen(nullptr, 0x0000FF, eigene);
    EXPECT_EQ(gesehen, QColor(0, 0xFF, 0));
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(*f, figures::FarbeRGB(0x44, 0x55, 0x66));
    EXPECT_EQ(eigene[7], figures::FarbeRGB(0x11, 0x22, 0x33));
    EXPECT_EQ(eigene[2], 0x00FF00u);
}

struct Groessenfall {
    const char* name;
    const char* komponente;
    std::optional<const char*> antwort;   // nothing: box cancelled
    int Einstellungssatz::*feld;
    int erwartet;                          // value afterwards (the field starts at its default)
    int warnungen;
    const char* anfang;                    // initial text of the box
};

class Groessen : public Menues, public ::testing::WithParamInterface<Groessenfall> {};

TEST_P(Groessen, EingabeUndRueckfall)
{
    const auto& f = GetParam();
    einstellungen.setzen(f.feld, 3);  // a user's value other than the default
    if (f.antwort)
        dialoge.eingaben.push_back(QString::fromUtf8(*f.antwort));
    else
        dialoge.eingaben.push_back(std::nullopt);
    ausloesen(f.komponente);
    EXPECT_EQ(einstellungen.aktuell().*f.feld, f.erwartet);
    EXPECT_EQ(einstellungen.benutzer().*f.feld, f.erwartet);
    EXPECT_EQ(dialoge.warnungen, f.warnungen);
    EXPECT_EQ(host.geaendert, f.antwort ? 1 : 0);
    EXPECT_EQ(dialoge.letzterAnfang, QString::fromUtf8(f.anfang));
}

INSTANTIATE_TEST_SUITE_P(
    Boxen, Groessen,
    ::testing::Values(
        Groessenfall{"PlanetNull", "PlanetenGroesse", "0", &Einstellungssatz::IntA, 5, 0, "3"},
        Groessenfall{"PlanetGut", "PlanetenGroesse", " 500 ", &Einstellungssatz::IntA, 500, 0, "3"},
        Groessenfall{"PlanetAbbruch", "PlanetenGroesse", std::nullopt, &Einstellungssatz::IntA, 3, 0, "3"},
        Groessenfall{"SonneZuGross", "Sonnengroesse", "801", &Einstellungssatz::IntASonne, 8, 0, "3"},
        Groessenfall{"PunktGut", "Punktgroesse", "250", &Einstellungssatz::IntA2, 250, 0, "4"},
        Groessenfall{"RandText", "RaenderStaerke", "abc", &Einstellungssatz::IntRanddicke, 1, 1, "1"},
        Groessenfall{"BahnZuGross", "Bahnenstaerke", "101", &Einstellungssatz::IntBahndicke, 1, 1, "1"},
        Groessenfall{"LinieAbbruch", "Linienstaerke", std::nullopt, &Einstellungssatz::IntLiniendicke, 3, 1, "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Menues, EingabeboxTexte)
{
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    dialoge.eingaben.push_back(QStringLiteral("7"));
    ausloesen("PlanetenGroesse");
    EXPECT_EQ(dialoge.letzterTitel, QStringLiteral("Planetenradius in Pixel"));
    EXPECT_EQ(dialoge.letzteFrage,
              QStringLiteral("bitte ganze Zahl zwischen 1 und 500 eingeben,\nbei Falscheingabe gilt der Standardwert (=5) "));
    sprache::setzeSprache(sprache::Sprache::Englisch);
    dialoge.eingaben.push_back(QStringLiteral("7"));
    ausloesen("RaenderStaerke");
    EXPECT_EQ(dialoge.letzterTitel, QStringLiteral(" Width of edges in pixels"));
    EXPECT_EQ(dialoge.letzteFrage, QStringLiteral("Please enter a whole number between 1 and 10.\nIn case of input "
                                                  "error the default value will be set (=1) "));
}

// Barycentre with standard input: the run's Sun radius in screen pixels,
// not taken into the user's set.
TEST_F(Menues, SonnenradiusBaryzentrumImLauf)
{
    host.massstab = 0.5;   // d = round(150 * 0.5) = 75
    dialoge.eingaben.push_back(QStringLiteral("101"));
    ausloesen("Sonnengroesse");
    EXPECT_EQ(dialoge.letzterAnfang, QStringLiteral("75"));
    EXPECT_EQ(einstellungen.aktuell().IntASonneBary, 202);   // ceil(101 / 0.5)
    EXPECT_EQ(einstellungen.benutzer().IntASonneBary, 150);
    EXPECT_EQ(host.geaendert, 0);
    EXPECT_EQ(host.sonneBary, 1);

    dialoge.eingaben.push_back(QStringLiteral("0"));
    ausloesen("Sonnengroesse");
    EXPECT_EQ(einstellungen.aktuell().IntASonneBary, 150);   // d / s
    host.massstab = 0.01;
    dialoge.eingaben.push_back(QStringLiteral("1000"));
    ausloesen("Sonnengroesse");
    EXPECT_EQ(einstellungen.aktuell().IntASonneBary, 1200);  // at most 1200
}

TEST_F(Menues, SternhintergrundUndStufen)
{
    ausloesen("SterneHintergr2");
    EXPECT_EQ(einstellungen.aktuell().IntBilditem, 1);
    EXPECT_EQ(einstellungen.benutzer().IntBilditem, 1);
    EXPECT_TRUE(testhilfe::aktion(menues, QStringLiteral("SterneHintergr2"))->isChecked());
    EXPECT_FALSE(testhilfe::aktion(menues, QStringLiteral("keineSterne1"))->isChecked());
    EXPECT_EQ(host.hintergrund, 1);

    ausloesen("hoch1");
    EXPECT_EQ(einstellungen.aktuell().IntAnzahlBerechn, 3);
    EXPECT_EQ(host.stufe, 3);
    ausloesen("sehrhoch2");
    EXPECT_EQ(einstellungen.benutzer().IntAnzahlBahnpunkte, 8);
    EXPECT_EQ(host.faktor, 8);
    EXPECT_FALSE(testhilfe::aktion(menues, QStringLiteral("niedrig2"))->isChecked());
    EXPECT_EQ(host.geaendert, 3);

    EXPECT_EQ(ui::grenzenFuerStufe(1).schritte, 12000);
    EXPECT_EQ(ui::grenzenFuerStufe(2).konstellationen, 2500);
    EXPECT_EQ(ui::grenzenFuerStufe(3).schritte, 50000);
}

TEST_F(Menues, UmschalterBeschriftungUndAnimation)
{
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    menues.retranslate();
    QAction* b = testhilfe::aktion(menues, QStringLiteral("Beschriftung1"));
    EXPECT_EQ(b->text(), QStringLiteral("Beschriftung größer"));
    b->trigger();
    EXPECT_FALSE(einstellungen.aktuell().BoolBeschriftung);
    EXPECT_EQ(figures::LegendenAbstand(einstellungen.aktuell()), 200);
    EXPECT_TRUE(b->isChecked());
    EXPECT_EQ(b->text(), QStringLiteral("Beschriftung kleiner"));
    b->trigger();
    EXPECT_TRUE(einstellungen.benutzer().BoolBeschriftung);
    EXPECT_FALSE(b->isChecked());

    ausloesen("Anfangsanimation1");
    EXPECT_FALSE(einstellungen.benutzer().BoolAnfangsanimation);
    EXPECT_FALSE(testhilfe::aktion(menues, QStringLiteral("Anfangsanimation1"))->isChecked());
    EXPECT_EQ(host.geaendert, 3);
}

// "Standard wiederherstellen" twice returns exactly to the user's choices
// and does not count as a change of the settings.
TEST_F(Menues, StandardZweimal)
{
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    dialoge.farben = {Farbe{0x111111}, Farbe{0x222222}};
    ausloesen("Bahnen1");
    ausloesen("Mond3");
    dialoge.eingaben = {QStringLiteral("42"), QStringLiteral("7")};
    ausloesen("PlanetenGroesse");
    ausloesen("RaenderStaerke");
    ausloesen("SterneHintergr3");
    ausloesen("mittel1");
    const Einstellungssatz benutzer = einstellungen.aktuell();
    const int geaendert = host.geaendert;
    const int hintergrund = host.hintergrund;

    QAction* standard = testhilfe::aktion(menues, QStringLiteral("Standardwiederherstellen1"));
    standard->trigger();
    EXPECT_EQ(standard->text(), QStringLiteral("benutzerdefin. Einstellungen"));
    EXPECT_EQ(einstellungen.aktuell().IntFarbeBahnen, 0xFFFFFFu);
    EXPECT_EQ(einstellungen.aktuell().IntA, 5);
    EXPECT_EQ(einstellungen.aktuell().IntAnzahlBerechn, 2);   // levels are not affected
    EXPECT_TRUE(testhilfe::aktion(menues, QStringLiteral("keineSterne1"))->isChecked());

    standard->trigger();
    EXPECT_EQ(standard->text(), QStringLiteral("Standard wiederherstellen"));
    EXPECT_EQ(einstellungen.aktuell(), benutzer);
    EXPECT_TRUE(testhilfe::aktion(menues, QStringLiteral("SterneHintergr3"))->isChecked());
    EXPECT_EQ(host.geaendert, geaendert);
    EXPECT_EQ(host.hintergrund, hintergrund + 2);
}

// Captions and titles of every item and menu built here.
std::vector<QString> alleTexte(const ui::EinstellungsMenues& m)
{
    std::vector<QString> t;
    for (QMenu* menue : m.menues()) {
        t.push_back(menue->title());
        for (QAction* a : menue->actions())
            if (!a->isSeparator())
                t.push_back(a->text());
    }
    for (const char* k : {"Beschriftung1", "Standardwiederherstellen1", "Anfangsanimation1"})
        t.push_back(testhilfe::aktion(m, QLatin1String(k))->text());
    return t;
}

TEST_F(Menues, SprachwechselEnglischDeutschEnglisch)
{
    host.inStartphase = true;
    ausloesen("Englisch1");
    EXPECT_EQ(host.geaendert, 0);   // not a change during the start phase
    const auto englisch = alleTexte(menues);
    for (const QString& t : englisch) {
        EXPECT_FALSE(t.isEmpty());
        EXPECT_FALSE(t.startsWith(QLatin1Char('<'))) << t.toStdString();
    }
    EXPECT_TRUE(testhilfe::aktion(menues, QStringLiteral("Englisch1"))->isChecked());

    host.inStartphase = false;
    ausloesen("Deutsch1");
    EXPECT_EQ(host.geaendert, 1);
    EXPECT_TRUE(einstellungen.benutzer().BoolSprache);
    EXPECT_TRUE(testhilfe::aktion(menues, QStringLiteral("Deutsch1"))->isChecked());
    EXPECT_FALSE(testhilfe::aktion(menues, QStringLiteral("Englisch1"))->isChecked());
    const auto deutsch = alleTexte(menues);
    ASSERT_EQ(deutsch.size(), englisch.size());
    int verschieden = 0;
    for (std::size_t i = 0; i < deutsch.size(); ++i)
        verschieden += deutsch[i] != englisch[i];
    EXPECT_GT(verschieden, static_cast<int>(deutsch.size()) * 2 / 3);
    EXPECT_EQ(testhilfe::aktion(menues, QStringLiteral("Erde1"))->text(), QStringLiteral("Erde"));
    EXPECT_EQ(testhilfe::aktion(menues, QStringLiteral("Beschriftung1"))->text(), QStringLiteral("Beschriftung größer"));

    ausloesen("Englisch1");
    EXPECT_EQ(alleTexte(menues), englisch);
    EXPECT_FALSE(einstellungen.aktuell().BoolSprache);
    EXPECT_EQ(host.sprachen, (std::vector<bool>{false, true, false}));
}

TEST(Sprachwechsel, RegistrierteFensterUndZerstoerte)
{
    ui::Sprachwechsel wechsel;
    const auto vorher = sprache::aktuelleSprache();
    int a = 0, b = 0;
    auto* eins = new QObject;
    QObject zwei;
    wechsel.anmelden(eins, [&] { ++a; });
    wechsel.anmelden(&zwei, [&] {
        ++b;
        EXPECT_TRUE(sprache::istDeutsch());   // the catalogue is switched before the windows
    });
    wechsel.durchlauf(true);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 1);
    delete eins;
    EXPECT_EQ(wechsel.anzahl(), 1);
    wechsel.durchlauf(true);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    wechsel.abmelden(&zwei);
    wechsel.durchlauf(false);
    EXPECT_EQ(b, 2);
    sprache::setzeSprache(vorher);
}

} // namespace

namespace {

// The Qt input box shows the texts it is given and answers nothing on cancel.
TEST(Eingabebox, TexteUndAbbruch)
{
    const auto vorher = sprache::aktuelleSprache();
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    ui::EinstellungsDialoge dialoge;
    QString titel, abbrechen;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        titel = dlg->windowTitle();
        abbrechen = dlg->cancelButtonText();
        dlg->setTextValue(QStringLiteral("12"));
        dlg->accept();
    });
    EXPECT_EQ(dialoge.eingabe(nullptr, QStringLiteral("T"), QStringLiteral("F"), QStringLiteral("5")), QStringLiteral("12"));
    EXPECT_EQ(titel, QStringLiteral("T"));
    EXPECT_EQ(abbrechen, QStringLiteral("Abbrechen"));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(dialoge.eingabe(nullptr, QStringLiteral("T"), QStringLiteral("F"), QStringLiteral("5")).has_value());
    sprache::setzeSprache(vorher);
}

} // namespace
