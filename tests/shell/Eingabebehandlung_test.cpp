// Numeric input: the rules as functions, and typed through real fields.
#include "shell/Eingabebehandlung.h"
#include "shell/TEingabeSofort.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Sprache.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace shell;

struct PruefFall {
    const char* name;
    const char* text;
    int klasse;
    const char* ergebnis;
    double wert;
    bool ausserhalb;
};

class StartzeitPruefenTabelle : public ::testing::TestWithParam<PruefFall> {};

TEST_P(StartzeitPruefenTabelle, NormalisiertUndBegrenzt)
{
    const PruefFall& f = GetParam();
    const Startpruefung p = StartzeitPruefen(f.text, f.klasse);
    EXPECT_EQ(p.text, f.ergebnis);
    EXPECT_DOUBLE_EQ(p.wert, f.wert);
    EXPECT_EQ(p.ausserhalb, f.ausserhalb);
}

INSTANTIATE_TEST_SUITE_P(
    Startzeit, StartzeitPruefenTabelle,
    ::testing::Values(PruefFall{"Leer", "", 2, "0", 0, false}, PruefFall{"NullNull", "00", 2, "0", 0, false},
                      PruefFall{"MinusNullNull", "-00", 2, "-0", 0, false},
                      PruefFall{"NullSieben", "07", 2, "07", 7, false},
                      PruefFall{"LoneMinus", "-", 3, "-", 0, false},
                      PruefFall{"InneresMinus", "5-3", 2, "53", 53, false},
                      PruefFall{"Bruchteil", "9131.500", 3, "9131.500", 9131.5, false},
                      PruefFall{"NurPunkt", ".", 2, ".", 0, false},
                      PruefFall{"Klasse2Oben", "8000000", 2, "7000000", 7000000, true},
                      PruefFall{"Klasse3Unten", "-3000000", 3, "-2600000", -2600000, true},
                      PruefFall{"Klasse1Grenze", "15000000", 1, "15000000", 15000000, false},
                      PruefFall{"Klasse1Unten", "-18262488", 1, "-18262487", -18262487, true}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Startzeit, ZuLangFuerEinenDouble)
{
    const Startpruefung p = StartzeitPruefen("-1" + std::string(400, '0'), 2);
    EXPECT_TRUE(p.ausserhalb);
    EXPECT_EQ(p.text, "-9999999");
}

TEST(Tastenfilter, ArtenUndEingefuegterText)
{
    EXPECT_EQ(TasteFiltern(Filterart::Vorzeichen, "1", ','), '.');
    EXPECT_FALSE(TasteFiltern(Filterart::Vorzeichen, "1.5", ','));
    EXPECT_FALSE(TasteFiltern(Filterart::Positiv, "1", '-'));
    EXPECT_FALSE(TasteFiltern(Filterart::Ganzzahl, "1", '.'));
    EXPECT_EQ(TasteFiltern(Filterart::Ziffern, "12", Rueckschritt), Rueckschritt);
    EXPECT_FALSE(TasteFiltern(Filterart::Ziffern, "12", 'e'));
    EXPECT_EQ(TextFiltern(Filterart::Positiv, "1,5 km"), "1.5");
    EXPECT_EQ(TextFiltern(Filterart::Vorzeichen, " -2,5.3e4"), "-2.534");
    EXPECT_EQ(TextFiltern(Filterart::Ziffern, "12a-3.4"), "1234");
    EXPECT_EQ(MinusBereinigen("-5-3-"), "-53");
}

TEST(Startlabel, FormenDerAnzeige)
{
    EXPECT_EQ(StartLabelText(0.75, false), "2000-01-01 18:00");
    EXPECT_EQ(StartLabelText(0, true), "JD  2451544.500");
    EXPECT_EQ(StartLabelAktualisieren("-", false), "2000-1-1 00:00");
    EXPECT_EQ(StartLabelAktualisieren("-147724", false), "1595-7-19 00:00");
    EXPECT_EQ(StartLabelAktualisieren("0", true), "JD 2451544.5");
    EXPECT_EQ(StartLabelAktualisieren("", true), "JD 2451544.5");
}

TEST(Datumsfelder, KorrekturenUndGemerkteTexte)
{
    EXPECT_EQ(JahrPruefen("").text, "0");
    EXPECT_EQ(JahrPruefen("-").text, "-0");
    EXPECT_EQ(JahrPruefen("-", false).text, "-");
    EXPECT_EQ(JahrPruefen("", false).text, "");
    EXPECT_EQ(MonatTagPruefen("0", 12, false).text, "0");
    EXPECT_EQ(MonatTagPruefen("13", 12, false).text, "12");
    EXPECT_EQ(JahrPruefen("19-5").text, "195");
    const Feldkorrektur klein = JahrPruefen("-6000");
    EXPECT_EQ(klein.text, "-5000");
    EXPECT_TRUE(klein.korrigiert);
    EXPECT_EQ(JahrPruefen("70001").text, "7000");
    EXPECT_EQ(MonatTagPruefen("00", 12).text, "1");
    EXPECT_EQ(MonatTagPruefen("13", 12).text, "12");
    EXPECT_EQ(MonatTagPruefen("32", 31).text, "31");
    EXPECT_EQ(MonatTagPruefen("31", 31).text, "31");
    EXPECT_EQ(MonatTagMerken("01"), "001");
    EXPECT_EQ(MonatTagMerken("1"), "01");
    EXPECT_EQ(MonatTagMerken("12"), "12");
    EXPECT_EQ(MonatTagAnzeigen("001"), "01");
    EXPECT_EQ(MonatTagAnzeigen(MonatTagMerken("7")), "07");
}

// Dates the calendar has and has not, with the date an impossible one would
// count as: month ends, the leap years of both calendars, the reform's gap.
TEST(Datumsfelder, UnmoeglicheDaten)
{
    struct Fall {
        int j, m, t;
        const char* statt; // nullptr: the date exists
    };
    const Fall faelle[] = {
        {2023, 2, 28, nullptr},       {2023, 2, 29, "2023-03-01"},  {2023, 2, 30, "2023-03-02"},
        {2024, 2, 29, nullptr},       {1900, 2, 29, "1900-03-01"},  {2000, 2, 29, nullptr},
        {1500, 2, 29, nullptr},       {1582, 2, 29, "1582-03-01"},  {-4, 2, 29, nullptr},
        {-5000, 2, 29, nullptr}, {-4999, 2, 29, "-4999-03-01"}, {2023, 4, 31, "2023-05-01"}, {2023, 12, 31, nullptr},
        {1582, 10, 4, nullptr},       {1582, 10, 5, "1582-10-15"},  {1582, 10, 14, "1582-10-24"},
        {1582, 10, 15, nullptr},
    };
    for (const Fall& f : faelle) {
        const auto statt = DatumUnmoeglich(f.j, f.m, f.t);
        const std::string name = DatumNennen(f.j, f.m, f.t);
        if (f.statt)
            EXPECT_EQ(statt.value_or("(exists)"), f.statt) << name;
        else
            EXPECT_FALSE(statt) << name << " counts as " << *statt;
    }
}

// --- through the widgets ---------------------------------------------------

class Felder : public ::testing::Test {
protected:
    void SetUp() override
    {
        spracheVorher = sprache::aktuelleSprache();
        sprache::setzeSprache(sprache::Sprache::Deutsch);
        alteMeldung = Startfeld::meldung;
        Startfeld::meldung = [this](QWidget*, const QString& titel, const QString& text) {
            meldungen << titel + "|" + text;
        };
        fenster.show();
    }
    void TearDown() override
    {
        Startfeld::meldung = alteMeldung;
        sprache::setzeSprache(spracheVorher);
    }
    QLineEdit* neuesFeld()
    {
        auto* f = new QLineEdit(&fenster);
        f->show();
        f->setFocus();
        return f;
    }

    QWidget fenster;
    QStringList meldungen;
    std::function<void(QWidget*, const QString&, const QString&)> alteMeldung;
    sprache::Sprache spracheVorher{};
};

TEST_F(Felder, StartfeldBeimTippen)
{
    QLineEdit* e = neuesFeld();
    auto* label = new QLabel(&fenster);
    Startfeld s(e, label, [] { return 2; });
    EXPECT_EQ(label->text(), "als Datum");
    // An emptied field holds "0"; the user overtypes it.
    e->setText("12");
    e->clear();
    EXPECT_EQ(e->text(), "0");
    e->selectAll();
    QTest::keyClicks(e, "-");
    EXPECT_EQ(e->text(), "-");
    EXPECT_EQ(label->text(), "2000-01-01 00:00");
    e->selectAll();
    QTest::keyClicks(e, "007");
    EXPECT_EQ(e->text(), "07");
    e->selectAll();
    QTest::keyClicks(e, "5-3");
    EXPECT_EQ(e->text(), "53");
    e->selectAll();
    QTest::keyClicks(e, "1,5,5");
    EXPECT_EQ(e->text(), "1.55");
    EXPECT_TRUE(meldungen.isEmpty());

    e->selectAll();
    QTest::keyClicks(e, "8000000");
    EXPECT_EQ(e->text(), "7000000");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0], " Eingabe korrigieren|Startzeitpunkt muß zwischen -9999999 und +7000000 liegen   ");

    // The narrow-range flag forces class 3, also for text set by a program.
    s.setzeSchmal(true);
    e->setText("-3000000");
    EXPECT_EQ(e->text(), "-2600000");
    EXPECT_TRUE(meldungen.last().contains("-2600000 und +2000000"));

    s.setzeJD(true);
    e->setText("0");
    EXPECT_EQ(label->text(), "JD  2451544.500");
    s.labelAktualisieren();
    EXPECT_EQ(label->text(), "JD 2451544.5");
}

TEST_F(Felder, HoheGenauigkeitEngtDieStartfelderEin)
{
    QWidget hauptfenster;
    QLineEdit* ue = neuesFeld();
    QLineEdit* mond = neuesFeld();
    auto& felder = Startfelder::von(&hauptfenster);
    EXPECT_EQ(&Startfelder::von(&hauptfenster), &felder);
    felder.anmelden(Darstellung::Ueberblick, new Startfeld(ue, nullptr, [] { return 1; }));
    felder.anmelden(Darstellung::Mond, new Startfeld(mond, nullptr, [] { return 3; }));
    ue->setText("-12000000");
    mond->setText("1500000");
    EXPECT_EQ(ue->toolTip(), " muß zwischen -18262487 und +15000000 liegen ");
    felder.hoheGenauigkeitGeaendert(true);
    EXPECT_EQ(ue->text(), "0");
    EXPECT_EQ(mond->text(), "1500000"); // the Moon dialog keeps its own range
    EXPECT_EQ(felder.feld(Darstellung::Ueberblick)->klasse(), 3);
    EXPECT_EQ(ue->toolTip(), " muß zwischen -2600000 und +2000000 liegen ");
    felder.hoheGenauigkeitGeaendert(false);
    EXPECT_EQ(felder.feld(Darstellung::Ueberblick)->klasse(), 1);
    EXPECT_EQ(felder.alle().size(), 2u);
    EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(Felder, SchrittweiteUndEinfuegen)
{
    QLineEdit* e = neuesFeld();
    Zahlenfilter::anbringen(e, Filterart::Positiv);
    QTest::keyClicks(e, "1,5.-");
    EXPECT_EQ(e->text(), "1.5");
    // A selection counts as replaced: typing "." over all of "1.5" is fine.
    e->selectAll();
    QTest::keyClicks(e, ".25");
    EXPECT_EQ(e->text(), ".25");
    // Pasted text goes through the same rules.
    e->clear();
    QApplication::clipboard()->setText(QStringLiteral("2,75 Tage"));
    QTest::keySequence(e, QKeySequence::Paste);
    EXPECT_EQ(e->text(), "2.75");
    e->setText(QStringLiteral("-4,5x"));
    EXPECT_EQ(e->text(), "4.5");
}

TEST_F(Felder, ZaehldialogBegrenztSeineZahl)
{
    TEingabeSofort d(&fenster);
    d.setzeGrenzen(12000, 1200, false);
    d.setzeSchrittModus(false);
    EXPECT_EQ(d.grenze(), 1200);
    EXPECT_EQ(d.feld()->maxLength(), 4);
    d.show();
    d.feld()->selectAll();
    QTest::keyClicks(d.feld(), "9999");
    EXPECT_EQ(d.feld()->text(), "1200");
    // Clearing gives a selected "1" at once; typing replaces it.
    d.feld()->clear();
    EXPECT_EQ(d.feld()->text(), "1");
    QTest::keyClicks(d.feld(), "5");
    EXPECT_EQ(d.feld()->text(), "5");
    QTest::keyClick(d.feld(), Qt::Key_Backspace);
    EXPECT_EQ(d.feld()->text(), "1") << "0 or nothing is never left in the field";
    d.setzeSchrittModus(true);
    EXPECT_EQ(d.grenze(), 12000);
    EXPECT_EQ(d.feld()->maxLength(), 5);
    d.setzeGrenzen(12000, 1200, true);
    EXPECT_EQ(d.grenze(), 1000);
    EXPECT_EQ(TEingabeSofort::aufforderung(TEingabeSofort::Aufforderung::Schritte, 12000),
              "Anzahl der Schritte       (zwischen 1 und 12000):");
    d.hide();

    // The host's entry: okay gives the number, abbrechen false.
    int wert = 0;
    QTimer::singleShot(0, &d, [&] {
        QTest::keyClicks(d.feld(), "77");
        d.okKnopf()->click();
    });
    ASSERT_TRUE(d.abfragen("?", 5, 1, 50, wert));
    EXPECT_EQ(wert, 50); // the selected "5" is replaced by "77", which the limit turns into "50"
    // 0 confirmed becomes 1.
    QTimer::singleShot(0, &d, [&] {
        QTest::keyClicks(d.feld(), "0");
        QTest::keyClick(d.feld(), Qt::Key_Return);
    });
    ASSERT_TRUE(d.ausfuehren("?", 500, wert));
    EXPECT_EQ(wert, 1);
    EXPECT_EQ(d.feld()->text(), "1");
    QTimer::singleShot(0, &d, [&] { d.abbrechenKnopf()->click(); });
    wert = -1;
    EXPECT_FALSE(d.abfragen("?", 5, 1, 50, wert));
    EXPECT_EQ(wert, -1);
    // The window's X is not "abbrechen": the number stands.
    QTimer::singleShot(0, &d, [&] { d.close(); });
    EXPECT_TRUE(d.abfragen("?", 7, 1, 50, wert));
    EXPECT_EQ(wert, 7);
}

} // namespace

// The label beside a start field names the day the field will use, also
// while the range message is up: the bound, not the day of the keystroke
// before.
TEST_F(Felder, StartlabelZeigtDenTagDesFeldes)
{
    QLineEdit* e = neuesFeld();
    auto* label = new QLabel(&fenster);
    Startfeld s(e, label, [] { return 3; });
    EXPECT_EQ(label->text(), "als Datum");
    QStringList waehrendDerMeldung;
    Startfeld::meldung = [&](QWidget*, const QString&, const QString& text) {
        meldungen << text;
        waehrendDerMeldung << e->text() + "|" + label->text();
    };
    e->selectAll();
    QTest::keyClicks(e, "3000000");
    EXPECT_EQ(e->text(), "2000000");
    EXPECT_EQ(label->text(), "7475-10-25 00:00");
    ASSERT_EQ(waehrendDerMeldung.size(), 1);
    EXPECT_EQ(waehrendDerMeldung[0], "2000000|7475-10-25 00:00");

    // Below the range, and set by a program.
    e->setText("-2600001");
    EXPECT_EQ(waehrendDerMeldung.last(), "-2600000|" + QString::fromStdString(StartLabelText(-2600000, false)));
    // A text that is no number yet counts as day 0, as the run reads it.
    e->setText("-.");
    EXPECT_EQ(label->text(), "2000-01-01 00:00");
}
