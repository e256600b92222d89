// The main menu on the real main window: start states of the items, the
// representation commands with their menu states, help topics and the text
// windows.
#include "shell/TEingabeSofort.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "ui/Darstellungsbefehle.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/DatumMenues.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsdialog.h"
#include "ui/Hilfe.h"
#include "ui/Menuebefehle.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSlider>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "../gemeinsam/Dauerlauf.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

struct Hauptmenue : ::testing::Test {
    std::unique_ptr<TForm1> f;
    ui::Menuebefehle* m = nullptr;
    std::unique_ptr<ui::DatenausgabeMenues> da;
    ui::Darstellungsbefehle* d = nullptr;
    ui::Hilfemenue* h = nullptr;
    ui::Darstellungsregister* r = nullptr; // owned by the window
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        f = std::make_unique<TForm1>();
        f->zeitfaktor = 0.001;
        f->meldungsAntwort = [this](Meldungsart, const std::string&, const std::string& text) {
            meldungen.push_back(text);
            return Antwort::Ok;
        };
        r = new ui::Darstellungsregister(*f);
        m = new ui::Menuebefehle(*f);
        da = std::make_unique<ui::DatenausgabeMenues>(*f);
        d = new ui::Darstellungsbefehle(*f, *m, *r, da.get());
        h = new ui::Hilfemenue(*f, *m);
        f->resize(640, 480);
        f->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->zustand().Startphase; }, 5000));
    }
    void TearDown() override { ui::Sprachwechsel::instanz().durchlauf(false); }
    QAction* a(const char* n) const
    {
        for (int i = 0; i < static_cast<int>(shell::Menuepunkt::Anzahl); ++i)
            if (QLatin1String(shell::Komponentenname(static_cast<shell::Menuepunkt>(i))) == QLatin1String(n))
                if (QAction* x = f->aktionen()[static_cast<shell::Menuepunkt>(i)])
                    return x;
        for (QAction* x : f->findChildren<QAction*>())
            if (x->objectName() == QLatin1String(n))
                return x;
        for (QAction* x : {da->ausgabeKonj(), da->entfernung1(), da->datenspeichern1()})
            if (x->objectName() == QLatin1String(n))
                return x;
        ADD_FAILURE() << "no menu item " << n;
        static QAction leer;
        return &leer;
    }
    void waehle(Darstellung x) { f->darstellungsAktion(x)->trigger(); }
};

// Items whose code comes later are there, disabled, with their keys and
// both captions.
TEST_F(Hauptmenue, SpaeterBefehleSichtbarUndGesperrt)
{
    struct Fall {
        const char* komponente;
        QKeySequence taste;
        const char* deutsch;
        const char* englisch;
    };
    const Fall faelle[] = {
        {"Drucken1", {}, "Drucken ...", "Print ..."},
        {"Bildspeichern1", {}, "Bild speichern", "Save image"},
        {"Zitatezeigen1", {}, "Zitate zeigen", "Show quotations"},
        {"Tetraeder1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), "Tetraeder", "Tetrahedron"},
        {"Dodekaederstern1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E), "Dodekaederstern", "Dodecahedron star"},
        {"Ikosaederstern1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_K), "Ikosaederstern", "Icosahedron star"},
        {"Mysterium1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P), "Keplers Mysterium", "Kepler's Mysterium"},
    };
    ui::Sprachwechsel::instanz().durchlauf(true);
    for (const Fall& x : faelle) {
        SCOPED_TRACE(x.komponente);
        EXPECT_TRUE(a(x.komponente)->isVisible());
        EXPECT_FALSE(a(x.komponente)->isEnabled());
        EXPECT_EQ(a(x.komponente)->shortcut(), x.taste);
        EXPECT_EQ(a(x.komponente)->text(), QString::fromUtf8(x.deutsch));
    }
    ui::Sprachwechsel::instanz().durchlauf(false);
    for (const Fall& x : faelle)
        EXPECT_EQ(a(x.komponente)->text(), QString::fromUtf8(x.englisch)) << x.komponente;
    EXPECT_EQ(a("Tasten1")->text(), QStringLiteral("List Hot keys"));
    EXPECT_FALSE(f->menue(shell::Hauptmenue::Beispiele)->menuAction()->isEnabled());
    // "Datei": print, save data, save image, exit.
    const auto datei = f->menue(shell::Hauptmenue::Datei)->actions();
    EXPECT_LT(datei.indexOf(a("Drucken1")), datei.indexOf(a("Datenspeichern1")));
    EXPECT_LT(datei.indexOf(a("Datenspeichern1")), datei.indexOf(a("Bildspeichern1")));
    EXPECT_LT(datei.indexOf(a("Bildspeichern1")), datei.indexOf(a("Beenden1")));
}

// The states each representation sets when it is newly chosen from the
// overview.
struct Zeile {
    const char* name;
    Darstellung d;
    bool sonneAktiv, drehungAktiv, sofortAktiv, nurAktiv, vorschlagAktiv, vorschlagAn, kleinAktiv, genauAktiv,
        mittelAktiv, schrittModus;
};
const Zeile kZeilen[] = {
    // 2 and 3 planets: the mid-point items follow the dialog, "weder ... noch" at first.
    {"ZweiPlaneten", Darstellung::ZweiPlaneten, true, false, true, true, true, true, true, true, false, true},
    {"DreiPlaneten", Darstellung::DreiPlaneten, true, true, true, true, false, true, true, true, false, false},
    {"Baryzentrum", Darstellung::Baryzentrum, false, false, true, false, true, true, false, true, false, true},
    {"Mond", Darstellung::Mond, false, true, false, false, false, true, false, false, false, false},
    {"Rotationen", Darstellung::Rotationen, true, true, true, true, false, true, false, true, true, false},
    {"Langzeit", Darstellung::Langzeit, true, false, false, false, false, true, false, true, false, false},
};

struct Menuezustaende : Hauptmenue, ::testing::WithParamInterface<Zeile> {};

TEST_P(Menuezustaende, NachDemBefehl)
{
    const Zeile& z = GetParam();
    // Leave marks that the command must clear.
    a("sofort1")->setEnabled(true);
    a("sofort1")->setChecked(true);
    a("Legende1")->trigger();
    waehle(z.d);
    EXPECT_EQ(f->konfiguration().menueDarstellung, z.d);
    EXPECT_EQ(a("SonneZentrum1")->isEnabled(), z.sonneAktiv);
    EXPECT_EQ(a("FigurenDrehung1")->isEnabled(), z.drehungAktiv);
    EXPECT_FALSE(a("FigurenDrehung1")->isChecked());
    EXPECT_EQ(a("sofort1")->isEnabled(), z.sofortAktiv);
    EXPECT_FALSE(a("sofort1")->isChecked());
    EXPECT_EQ(a("PlannurzuBeginn1")->isEnabled(), z.nurAktiv);
    EXPECT_EQ(a("VorschlagSchrittweite1")->isEnabled(), z.vorschlagAktiv);
    EXPECT_EQ(a("VorschlagSchrittweite1")->isChecked(), z.vorschlagAn);
    EXPECT_EQ(a("Kleinplaneten1")->isEnabled(), z.kleinAktiv);
    EXPECT_EQ(a("Genauigkeit1")->isEnabled(), z.genauAktiv);
    EXPECT_EQ(a("PunteLinien")->isEnabled(), z.mittelAktiv);
    if (z.d != Darstellung::Langzeit) {
        EXPECT_EQ(f->eingabeSofort()->schrittModus(), z.schrittModus);
    }
    // The common reset.
    EXPECT_TRUE(a("Legende1")->isChecked());
    EXPECT_TRUE(f->konfiguration().legende);
    EXPECT_FALSE(f->konfiguration().ergebnisSofort);
    EXPECT_TRUE(a("wedernoch1")->isChecked());
    EXPECT_EQ(f->bedienfeld()->tempoFeld()->text(), QStringLiteral("3"));
    EXPECT_EQ(f->bedienfeld()->drehungX(), 0);
    EXPECT_EQ(f->bedienfeld()->zoomPosition(), 100);
    EXPECT_EQ(a("Tierkreis1")->isEnabled(), z.d != Darstellung::Langzeit);
    EXPECT_EQ(a("Entfernung1")->isEnabled(), z.d != Darstellung::Langzeit && z.d != Darstellung::Mond);
    if (z.d == Darstellung::Mond) {
        EXPECT_TRUE(f->konfiguration().hoheGenauigkeit);
    }
}

INSTANTIATE_TEST_SUITE_P(Darstellungen, Menuezustaende, ::testing::ValuesIn(kZeilen),
                         [](const auto& i) { return std::string(i.param.name); });

// Back to the overview: rotations 60/30/0, options off.
// A run locks what would reconfigure it and closes the input dialogs;
// Beenden offers again what the representation offers.
TEST_F(Hauptmenue, LaufSperrtUndBeendenGibtFrei)
{
    f->engine().registrieren(Darstellung::DreiPlaneten, std::make_unique<testlauf::Dauerlauf>());
    waehle(Darstellung::DreiPlaneten);
    QWidget* dialog = f->dialog(Darstellung::DreiPlaneten);
    ASSERT_TRUE(dialog->isVisible());
    const char* gesperrt[] = {"Kleinplaneten1", "sofort1", "FigurenDrehung1", "Koordinaten1", "Entfernung1",
                              "Winkel1",        "DeltaT1", "Berechnungsgr1",  "N2Planeten1",  "ueberblick1"};
    ASSERT_TRUE(a("sofort1")->isEnabled());
    ASSERT_TRUE(a("Kleinplaneten1")->isEnabled());
    std::vector<std::string> offen;
    bool dialogZu = false;
    QTimer::singleShot(50, f.get(), [&] {
        for (const char* n : gesperrt)
            if (a(n)->isEnabled())
                offen.push_back(n);
        dialogZu = !dialog->isVisible();
        f->engine().beenden();
    });
    f->startDruecken();
    EXPECT_TRUE(offen.empty()) << offen.front();
    EXPECT_TRUE(dialogZu);
    // 3 planets offer the minor planets, "Ergebnis sofort" and the rotation of figures again.
    for (const char* n : {"Kleinplaneten1", "sofort1", "FigurenDrehung1", "Koordinaten1", "N2Planeten1"})
        EXPECT_TRUE(a(n)->isEnabled()) << n;
    EXPECT_FALSE(a("VorschlagSchrittweite1")->isEnabled()) << "not for 3 planets";
    EXPECT_FALSE(a("Tetraeder1")->isEnabled()) << "not offered before the run, not after";

    // The overview: no minor-planet item and no rotation of figures afterwards.
    waehle(Darstellung::Ueberblick);
    QTimer::singleShot(50, f.get(), [&] { f->engine().beenden(); });
    f->startDruecken();
    EXPECT_FALSE(a("Kleinplaneten1")->isEnabled());
    EXPECT_FALSE(a("FigurenDrehung1")->isEnabled());
    EXPECT_TRUE(a("Berechnungsgr1")->isEnabled());
}

// "Datumsanzeige" after "Drehung der Figuren", before "Berechnungsgrundlagen";
// the hints of menu items show.
TEST_F(Hauptmenue, DatumsanzeigeAnIhremPlatzUndMenuehinweise)
{
    ui::DatumMenues datum(*f);
    const auto einst = f->menue(shell::Hauptmenue::Einstellungen)->actions();
    const auto stelle = [&](const char* n) { return einst.indexOf(a(n)); };
    EXPECT_EQ(stelle("Datum1"), stelle("FigurenDrehung1") + 1);
    EXPECT_EQ(stelle("Berechnungsgr1"), stelle("Datum1") + 1);
    EXPECT_TRUE(f->menue(shell::Hauptmenue::Einstellungen)->toolTipsVisible());
    EXPECT_FALSE(a("PlannurzuBeginn1")->toolTip().isEmpty());
}

// "Drehung der Figuren" on: no table and nothing to save; off: the table again.
TEST_F(Hauptmenue, DrehungDerFigurenUndDieTabelle)
{
    waehle(Darstellung::DreiPlaneten);
    f->dialog(Darstellung::DreiPlaneten)->close();
    m->figurenAnzahlFragen = [](int, int& n) { n = 12; return true; };
    a("AusgabeKonj")->trigger();
    ASSERT_TRUE(a("AusgabeKonj")->isChecked());
    a("Datenspeichern1")->setEnabled(true);
    a("FigurenDrehung1")->trigger();
    EXPECT_FALSE(a("AusgabeKonj")->isChecked());
    EXPECT_FALSE(a("AusgabeKonj")->isEnabled());
    EXPECT_FALSE(a("Datenspeichern1")->isEnabled());
    EXPECT_EQ(f->zustand().FigurenAnzahl, 12);
    a("FigurenDrehung1")->trigger();
    EXPECT_TRUE(a("AusgabeKonj")->isEnabled());
    EXPECT_TRUE(a("sofort1")->isEnabled());
}

// Switching "Drehung der Figuren" or "Ergebnis sofort" off offers again only
// what the representation offers.
TEST_F(Hauptmenue, AbschaltenBietetNurDasAngeboteneAn)
{
    m->figurenAnzahlFragen = [](int, int& n) { n = 10; return true; };
    waehle(Darstellung::Mond);
    f->dialog(Darstellung::Mond)->close();
    ASSERT_FALSE(a("AusgabeKonj")->isEnabled());
    a("FigurenDrehung1")->trigger();
    a("FigurenDrehung1")->trigger();
    EXPECT_FALSE(a("AusgabeKonj")->isEnabled()) << "the Moon's table follows its dialog";
    EXPECT_FALSE(a("sofort1")->isEnabled());
    EXPECT_FALSE(a("PlannurzuBeginn1")->isEnabled());
    waehle(Darstellung::Baryzentrum);
    f->dialog(Darstellung::Baryzentrum)->close();
    a("sofort1")->trigger();
    a("sofort1")->trigger();
    EXPECT_FALSE(a("FigurenDrehung1")->isEnabled());
    EXPECT_FALSE(a("PlannurzuBeginn1")->isEnabled());
}

// A representation command closes the other representations' dialogs.
TEST_F(Hauptmenue, BefehlSchliesstAndereDialoge)
{
    waehle(Darstellung::Ueberblick);
    ASSERT_TRUE(f->dialog(Darstellung::Ueberblick)->isVisible());
    waehle(Darstellung::Mond);
    EXPECT_FALSE(f->dialog(Darstellung::Ueberblick)->isVisible());
    EXPECT_TRUE(f->dialog(Darstellung::Mond)->isVisible());
    f->dialog(Darstellung::Mond)->close();
}

TEST_F(Hauptmenue, UeberblickNachZweiPlaneten)
{
    waehle(Darstellung::ZweiPlaneten);
    waehle(Darstellung::Ueberblick);
    EXPECT_FALSE(a("sofort1")->isEnabled());
    EXPECT_FALSE(a("Kleinplaneten1")->isEnabled());
    EXPECT_FALSE(a("VorschlagSchrittweite1")->isEnabled());
    EXPECT_EQ(f->bedienfeld()->drehungX(), 60);
    EXPECT_EQ(f->bedienfeld()->drehungY(), 30);
    EXPECT_EQ(f->bedienfeld()->drehungZ(), 0);
}

// "Sonne ins Zentrum" keeps the user's choice; "Zentrum markieren" is its
// opposite after a change of representation.
TEST_F(Hauptmenue, SonneZentrumBleibtGewaehlt)
{
    a("SonneZentrum1")->trigger();
    a("Zentrummarkieren1")->trigger();
    waehle(Darstellung::DreiPlaneten);
    EXPECT_TRUE(a("SonneZentrum1")->isChecked());
    EXPECT_FALSE(a("Zentrummarkieren1")->isChecked());
    a("SonneZentrum1")->trigger();
    waehle(Darstellung::Rotationen);
    EXPECT_FALSE(a("SonneZentrum1")->isChecked());
    EXPECT_TRUE(a("Zentrummarkieren1")->isChecked());
    EXPECT_TRUE(f->konfiguration().zentrumMarkieren);
}

// F3 with "3 Planeten" already chosen: the menus stay, the panel is reset,
// the dialog shown again.
TEST_F(Hauptmenue, F3BeiGewaehltenDreiPlaneten)
{
    waehle(Darstellung::DreiPlaneten);
    a("sofort1")->trigger();
    a("Legende1")->trigger();
    f->bedienfeld()->setzeDrehungen(40, 20, 10);
    f->bedienfeld()->setzeZoom(300);
    QWidget* dialog = f->findChild<QWidget*>(QStringLiteral("TForm3Pl"));
    ASSERT_NE(dialog, nullptr);
    dialog->hide();
    QTest::keyClick(f.get(), Qt::Key_F3);
    EXPECT_TRUE(a("sofort1")->isChecked());
    EXPECT_FALSE(a("Legende1")->isChecked());
    EXPECT_EQ(f->bedienfeld()->drehungX(), 0);
    EXPECT_EQ(f->bedienfeld()->drehungY(), 0);
    EXPECT_EQ(f->bedienfeld()->zoomPosition(), 100);
    EXPECT_TRUE(dialog->isVisible());
}

// Opening "Einstellungen" with 2 planets: the rotation of figures needs a
// star figure.
TEST_F(Hauptmenue, EinstellungenOeffnenZweiPlaneten)
{
    // A two-planet dialog whose star box the test ticks.
    struct Sterndialog : ui::Darstellungsdialog {
        explicit Sterndialog(TForm1* f) : Darstellungsdialog(f, "TForm2Pl", f) {}
        void retranslate() override {}
        bool figurenDrehungMoeglich() const override { return stern; }
        bool stern = false;
    };
    auto* dialog = new Sterndialog(f.get());
    r->dialogSetzen(*f, Darstellung::ZweiPlaneten, dialog);
    waehle(Darstellung::ZweiPlaneten);
    QMenu* einst = f->menue(shell::Hauptmenue::Einstellungen);
    QAction* drehung = a("FigurenDrehung1");
    drehung->setEnabled(true);
    drehung->setChecked(true);
    emit einst->aboutToShow();
    EXPECT_FALSE(drehung->isEnabled());
    EXPECT_FALSE(drehung->isChecked());
    EXPECT_FALSE(f->konfiguration().drehungDerFiguren);
    dialog->stern = true;
    emit einst->aboutToShow();
    EXPECT_TRUE(drehung->isEnabled());
    // During a run the rule does not apply.
    dialog->stern = false;
    f->zustand().LaufAktiv = true;
    emit einst->aboutToShow();
    EXPECT_TRUE(drehung->isEnabled());
    f->zustand().LaufAktiv = false;
}

// "Kleinplaneten" is available with 2 planets and tells the dialogs.
TEST_F(Hauptmenue, KleinplanetenSchalten)
{
    std::vector<bool> gemeldet;
    m->kleinplanetenGeschaltet.push_back([&](bool an) { gemeldet.push_back(an); });
    EXPECT_FALSE(a("Kleinplaneten1")->isEnabled());
    waehle(Darstellung::ZweiPlaneten);
    ASSERT_TRUE(a("Kleinplaneten1")->isEnabled());
    a("Kleinplaneten1")->trigger();
    a("Kleinplaneten1")->trigger();
    EXPECT_EQ(gemeldet, (std::vector<bool>{true, false}));
}

// Every topic has its anchor on its page, in both languages.
TEST(Hilfeseiten, JederKontextHatSeinenAnker)
{
    const int kontexte[] = {105, 110, 120, 200, 210, 220, 230, 240, 245, 250, 260, 270, 310, 320, 330, 340,
                            350, 360, 370, 410, 420, 430, 440, 450, 452, 455, 457, 458, 460, 470, 480, 490,
                            493, 495, 510, 520, 530, 540, 545, 550, 560, 610, 710, 720, 730, 810, 1000, 5000};
    for (bool deutsch : {true, false})
        for (int k : kontexte) {
            const QString url = ui::HilfeSeite(k, deutsch);
            const QString pfad = url.mid(QStringLiteral("qrc:/").size()).section(QLatin1Char('#'), 0, 0);
            QFile datei(QStringLiteral(VELMORA_QUELLORDNER "/resources/") + pfad);
            ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad.toStdString();
            const QByteArray html = datei.readAll();
            EXPECT_TRUE(html.contains(QStringLiteral("id=\"k%1\"").arg(k).toUtf8())) << k << " " << pfad.toStdString();
        }
    EXPECT_EQ(ui::HilfeKontext(QStringLiteral("Genauigkeit1")), 452);
    EXPECT_EQ(ui::HilfeKontext(QStringLiteral("TFormBary")), 240);
    EXPECT_EQ(ui::HilfeKontext(QStringLiteral("unbekannt")), 0);
}

// F1 in a dialog opens the dialog's topic; the menu commands open theirs.
TEST_F(Hauptmenue, F1UndHilfebefehle)
{
    waehle(Darstellung::Baryzentrum);
    QWidget* dialog = f->findChild<QWidget*>(QStringLiteral("TFormBary"));
    ASSERT_NE(dialog, nullptr);
    dialog->activateWindow();
    dialog->setFocus();
    QTest::keyClick(dialog, Qt::Key_F1);
    EXPECT_TRUE(h->fenster()->isVisible());
    EXPECT_TRUE(h->fenster()->browser()->source().toString().endsWith(QStringLiteral("/en/darstellungen.html#k240")));
    a("Glossar1")->trigger();
    EXPECT_TRUE(h->fenster()->browser()->source().toString().endsWith(QStringLiteral("glossar.html#k5000")));
    ui::Sprachwechsel::instanz().durchlauf(true);
    EXPECT_TRUE(h->fenster()->browser()->source().toString().contains(QStringLiteral("/de/glossar.html")));
    a("Tasten1")->trigger();
    EXPECT_TRUE(h->fenster()->browser()->source().toString().endsWith(QStringLiteral("/de/tasten.html#k1000")));
}

// The text windows: the file of the current language, or the error box and
// no window when it is missing.
TEST_F(Hauptmenue, TextfensterUndFehlendeDatei)
{
    QTemporaryDir ordner;
    h->ordner = ordner.path();
    int gezeigt = 0;
    QString titel, text;
    h->textFensterZeigen = [&](ui::TextFenster& t) {
        ++gezeigt;
        titel = t.windowTitle();
        auto* memo = t.findChild<QPlainTextEdit*>();
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->isReadOnly());
        text = memo->toPlainText();
        EXPECT_EQ(t.size(), QSize(503, 353));
    };
    // English, DanksagungenENG.txt missing (the German file is there).
    QFile de(QDir(ordner.path()).filePath(QStringLiteral("Danksagungen.txt")));
    ASSERT_TRUE(de.open(QIODevice::WriteOnly));
    de.write("Danke.\n");
    de.close();
    a("Dank1")->trigger();
    EXPECT_EQ(gezeigt, 0);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "File does not exist or is damaged.\r\nPlease reinstall the program if necessary.");
    ui::Sprachwechsel::instanz().durchlauf(true);
    a("Dank1")->trigger();
    EXPECT_EQ(gezeigt, 1);
    EXPECT_EQ(titel, QStringLiteral(" Danksagung"));
    EXPECT_EQ(text, QStringLiteral("Danke.\n"));
    // The shipped readme.
    h->ordner = QStringLiteral(VELMORA_QUELLORDNER "/resources/texte");
    a("Readme1")->trigger();
    EXPECT_EQ(gezeigt, 2);
    EXPECT_EQ(titel, QStringLiteral(" Readme-Datei"));
    EXPECT_TRUE(text.contains(QStringLiteral("Velmora")));
    a("Buch1")->trigger();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_NE(meldungen[1].find("Velmora"), std::string::npos);
    EXPECT_EQ(meldungen[1].find("Programme"), std::string::npos);
}

} // namespace
