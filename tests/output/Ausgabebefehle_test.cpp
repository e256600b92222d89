// "Bild speichern" and "Drucken ..." through the main window: when the items
// are enabled, the picture taken from the back buffer shown, the messages in
// the current language, the pause and the control panel around the preview.
#include "Gedaechtnis.h"

#include "output/Ausgabebefehle.h"
#include "output/TForm2.h"

#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "sprache/Sprache.h"

#include <QAction>
#include <QDir>
#include <QScreen>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using shell::Antwort;
using shell::Meldungsart;
using shell::Menuepunkt;

namespace {

struct Befehle : ::testing::Test {
    sprache::Sprache vorher = sprache::aktuelleSprache();
    shell::TForm1 form1;
    std::unique_ptr<output::Ausgabebefehle> befehle;
    std::vector<std::string> meldungen;
    Antwort antwort = Antwort::Ja;
    QTemporaryDir ordner;

    void SetUp() override
    {
        sprache::setzeSprache(sprache::Sprache::Deutsch);
        for (Menuepunkt p : {Menuepunkt::Drucken1, Menuepunkt::Bildspeichern1}) {
            auto* a = new QAction(&form1);
            a->setEnabled(false);
            form1.aktionen().eintragen(p, a);
        }
        befehle = std::make_unique<output::Ausgabebefehle>(form1);
        form1.meldungsAntwort = [this](Meldungsart, const std::string& titel, const std::string& text) {
            meldungen.push_back(titel + "|" + text);
            return antwort;
        };
        befehle->druckerVorhanden = [] { return true; };
        befehle->fensterMaximiert = [] { return true; };
        // The surface shows black with a white column at x = 170.
        form1.qtFlaeche().setzeGroesse(1000, 600);
        form1.qtFlaeche().fuellen(figures::Schwarz);
        form1.qtFlaeche().stift(figures::Weiss, 1, figures::Stiftstil::Durchgezogen);
        form1.qtFlaeche().bewegeZu(170, 0);
        form1.qtFlaeche().linieZu(170, 599);
        form1.qtFlaeche().flip();
        // Drawn after the flip: not shown, so not in the picture.
        form1.qtFlaeche().fuellen(figures::Weiss);
    }
    void TearDown() override { sprache::setzeSprache(vorher); }
    QAction* a(Menuepunkt p) { return form1.aktionen()[p]; }
};

} // namespace

TEST_F(Befehle, EingeschaltetMitDemErstenLaufNachDerStartphase)
{
    form1.zustand().Startphase = true;
    form1.oberflaecheSperren(true);
    EXPECT_FALSE(a(Menuepunkt::Drucken1)->isEnabled());
    form1.oberflaecheSperren(false);
    form1.zustand().Startphase = false;
    form1.oberflaecheSperren(true);
    EXPECT_TRUE(a(Menuepunkt::Drucken1)->isEnabled());
    EXPECT_TRUE(a(Menuepunkt::Bildspeichern1)->isEnabled());
    // Beenden leaves them on: the figure stays on the surface.
    form1.oberflaecheSperren(false);
    EXPECT_TRUE(a(Menuepunkt::Bildspeichern1)->isEnabled());
}

TEST_F(Befehle, BildSpeichernAusDemGezeigtenBild)
{
    befehle->dateiWaehlen = [&] { return ordner.filePath(QStringLiteral("Testbild")); };
    a(Menuepunkt::Bildspeichern1)->setEnabled(true);
    a(Menuepunkt::Bildspeichern1)->trigger();
    const QString bmp = ordner.filePath(QStringLiteral("Testbild.bmp"));
    ASSERT_EQ(befehle->letzteDatei, bmp);
    EXPECT_EQ(QImageReader(bmp).format(), "bmp");
    const QImage bild(bmp);
    EXPECT_EQ(bild.size(), QSize(840, 600));
    EXPECT_EQ(bild.pixel(10, 300), qRgb(255, 255, 255)); // column 170 of the surface
    EXPECT_EQ(bild.pixel(11, 300), qRgb(0, 0, 0));
    EXPECT_TRUE(meldungen.empty());
    EXPECT_FALSE(form1.zustand().PauseAktiv);

    // PNG: the whole surface as shown.
    befehle->dateiWaehlen = [&] { return ordner.filePath(QStringLiteral("ganz.png")); };
    befehle->Bildspeichern1Click();
    EXPECT_EQ(QImage(ordner.filePath(QStringLiteral("ganz.png"))).size(), QSize(1000, 600));

    // No run: no vector picture, and the user is told why.
    befehle->dateiWaehlen = [&] { return ordner.filePath(QStringLiteral("figur.svg")); };
    befehle->Bildspeichern1Click();
    EXPECT_FALSE(QFile::exists(ordner.filePath(QStringLiteral("figur.svg"))));
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("Vektorgrafik"), std::string::npos);

    // A write that fails is reported in the current language.
    befehle->dateiWaehlen = [&] { return ordner.filePath(QStringLiteral("fehlt/bild.jpg")); };
    befehle->Bildspeichern1Click();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[1].rfind("Fehler|Das Bild konnte nicht gespeichert werden:", 0), 0u) << meldungen[1];
    EXPECT_FALSE(befehle->letztesErgebnis);
}

TEST_F(Befehle, DruckenFragtInvertiertPausiertUndStelltWiederHer)
{
    form1.bedienfeld()->show();
    QImage gesehen;
    bool pauseWaehrend = false, bedienfeldWaehrend = true;
    befehle->vorschauZeigen = [&](output::TForm2& v) {
        gesehen = v.bild();
        pauseWaehrend = form1.zustand().PauseAktiv;
        bedienfeldWaehrend = form1.bedienfeld()->isVisible();
    };
    antwort = Antwort::Ja;
    a(Menuepunkt::Drucken1)->setEnabled(true);
    a(Menuepunkt::Drucken1)->trigger();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], std::string(" Bild invertieren?|") + sprache::T("ausgabe.invertieren.text"));
    ASSERT_EQ(gesehen.size(), QSize(840, 600));
    EXPECT_EQ(gesehen.pixel(11, 300), qRgb(255, 255, 255)); // black became white
    EXPECT_EQ(gesehen.pixel(10, 300), qRgb(0, 0, 0));
    EXPECT_TRUE(pauseWaehrend);
    EXPECT_FALSE(bedienfeldWaehrend);
    EXPECT_FALSE(form1.zustand().PauseAktiv);
    EXPECT_TRUE(form1.bedienfeld()->isVisible());

    // "Nein" prints the screen as it is; a run paused before stays paused.
    form1.zustand().PauseAktiv = true;
    antwort = Antwort::Nein;
    befehle->Drucken1Click();
    EXPECT_EQ(gesehen.pixel(11, 300), qRgb(0, 0, 0));
    EXPECT_TRUE(form1.zustand().PauseAktiv);

    // Cancel: no preview, the pause as before.
    form1.zustand().PauseAktiv = false;
    antwort = Antwort::Abbrechen;
    gesehen = QImage();
    befehle->Drucken1Click();
    EXPECT_TRUE(gesehen.isNull());
    EXPECT_FALSE(form1.zustand().PauseAktiv);
}

TEST_F(Befehle, OhneDruckerOderMaximiertesFensterNurDieMeldung)
{
    bool gezeigt = false;
    befehle->vorschauZeigen = [&](output::TForm2&) { gezeigt = true; };
    befehle->druckerVorhanden = [] { return false; };
    befehle->Drucken1Click();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], "Fehler|Kein Drucker im System vorhanden!");
    befehle->druckerVorhanden = [] { return true; };
    befehle->fensterMaximiert = [] { return false; };
    sprache::setzeSprache(sprache::Sprache::Englisch);
    befehle->Drucken1Click();
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(meldungen[1].rfind("Warning !|Printing is only possible if the program has the full screen size.", 0), 0u);
    EXPECT_FALSE(gezeigt);
    EXPECT_FALSE(form1.zustand().PauseAktiv);
}

// The save dialog opens where the user saved last, with "Testbild" proposed;
// a folder that has gone gives the standard folder again.
TEST_F(Befehle, BildSpeichernOeffnetImZuletztGewaehltenOrdner)
{
    Ordnergedaechtnis gedaechtnis;
    befehle->ordner = &gedaechtnis;
    EXPECT_EQ(QFileInfo(befehle->dateiVorschlag()).fileName(), QStringLiteral("Testbild"));
    ASSERT_TRUE(QDir(ordner.path()).mkdir(QStringLiteral("bilder")));
    befehle->dateiWaehlen = [&] { return ordner.filePath(QStringLiteral("bilder/figur.png")); };
    befehle->Bildspeichern1Click();
    ASSERT_TRUE(befehle->letztesErgebnis);
    EXPECT_EQ(befehle->dateiVorschlag(), ordner.filePath(QStringLiteral("bilder/Testbild")));
    // Cancelled: nothing is remembered.
    befehle->dateiWaehlen = [] { return QString(); };
    befehle->Bildspeichern1Click();
    EXPECT_EQ(gedaechtnis.gemerkt, 1);
    ASSERT_TRUE(QDir(ordner.filePath(QStringLiteral("bilder"))).removeRecursively());
    EXPECT_NE(befehle->dateiVorschlag(), ordner.filePath(QStringLiteral("bilder/Testbild")));
}

// Maximised, and over the whole available screen even where no window
// manager honours that state.
TEST_F(Befehle, VorschauUeberDemVerfuegbarenBildschirm)
{
    QRect geometrie;
    bool maximiert = false;
    befehle->vorschauZeigen = [&](output::TForm2& v) {
        geometrie = v.geometry();
        maximiert = v.windowState().testFlag(Qt::WindowMaximized);
    };
    befehle->Drucken1Click();
    ASSERT_NE(form1.screen(), nullptr);
    EXPECT_EQ(geometrie, form1.screen()->availableGeometry());
    EXPECT_TRUE(maximiert);
}
