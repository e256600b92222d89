// The data output in the main window and the start-date commands, through the
// real main window, its menus and the registered start fields.
#include "ui/DatenausgabeMenues.h"
#include "ui/DatumMenues.h"
#include "ui/Einstellungsspeicher.h"
#include "ui/Sprachwechsel.h"
#include "ui/TFormDatum.h"

#include "astro/Zeit.h"
#include "shell/TForm1.h"
#include "shell/UeberblickAblauf.h"
#include "shell/Zahlenfeld.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include "../gemeinsam/Dateigroessengrenze.h"

#include <cerrno>

namespace {

using shell::Darstellung;

class Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = sprache::aktuelleSprache();
        ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);
    }
    void TearDown() override { sprache::setzeSprache(vorher); }

    sprache::Sprache vorher{};
    shell::TForm1 form1;
};

TEST_F(Fenster, FormatschalterTauschenBeschriftungUndSperrenEinander)
{
    ui::DatenausgabeMenues m(form1);
    EXPECT_TRUE(form1.menue(shell::Hauptmenue::Extras)->actions().contains(m.koordinaten1()));
    EXPECT_TRUE(form1.menue(shell::Hauptmenue::Datei)->actions().contains(m.datenspeichern1()));
    EXPECT_EQ(m.ausgabeKonj()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(m.koordinaten1()->text(), "Koordinaten (LBR/XYZ)");

    m.koordinaten1()->trigger();
    EXPECT_EQ(m.koordinaten1()->text(), "Koordinaten (XYZ/LBR)");
    EXPECT_FALSE(m.winkel1()->isEnabled());
    EXPECT_TRUE(m.datenausgabe().format.xyz);
    m.koordinaten1()->trigger();
    EXPECT_TRUE(m.winkel1()->isEnabled());

    m.winkel1()->trigger();
    EXPECT_EQ(m.winkel1()->text(), "Winkel (astrologisch/dezimal)");
    EXPECT_FALSE(m.koordinaten1()->isEnabled());
    m.entfernung1()->trigger();
    m.deltaT1()->trigger();
    EXPECT_EQ(m.entfernung1()->text(), "Entfernung (AE/km*10^6)");
    EXPECT_EQ(m.deltaT1()->text(), "Zeit (UT/TD)");
    // The captions follow the language with their state.
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    EXPECT_EQ(m.winkel1()->text(), "Angles (astrological/decimal)");
    EXPECT_EQ(m.deltaT1()->text(), "Time (UT/TDT)");
    EXPECT_EQ(m.koordinaten1()->text(), "Coordinates (LLR/XYZ)");

    // A row written by a run shows the switches.
    m.datenausgabe().DatenAusgabe(1, astro::KugelZuXYZ({45.5, 0.0, 2 * astro::AE}), 0.0);
    m.tabelleAktualisieren();
    EXPECT_EQ(form1.memoAusgabe()->document()->lastBlock().text(),
              "1\t1999-12-31 23:59\tTau 15°30'00''\t 00°00'00''\t       2.00000");
}

TEST_F(Fenster, MemoWirdGezeigtGefuelltUndZurueckgesetzt)
{
    form1.resize(1024, 700);
    ui::DatenausgabeMenues m(form1);
    QPlainTextEdit* memo = form1.memoAusgabe();
    EXPECT_EQ(memo->toPlainText(), "Velmora - Datenausgabe");
    EXPECT_EQ(memo->height(), 441);
    EXPECT_EQ(memo->y(), 8);
    EXPECT_EQ(memo->width(), qRound(form1.zeichenflaecheWidget()->width() / 1.706667));
    m.ausgabeKonj()->trigger();
    EXPECT_FALSE(memo->isHidden());
    m.ausgabeKonj()->trigger();
    EXPECT_TRUE(memo->isHidden());

    // The engine reaches the table through its pointer; the overview appends cells.
    ASSERT_EQ(form1.engine().datenausgabe, &m.datenausgabe());
    auto* d = form1.engine().datenausgabe;
    d->UeberblickZeileBeginnen(3, 0.0);
    d->DatenAusgabeUe({1, 0, 0});
    d->DatenAusgabeUe({0, 1, 0});
    m.tabelleAktualisieren();
    EXPECT_EQ(memo->document()->lastBlock().text(),
              "3\t2000-01-01 00:00\t       0.00000\t       0.00000\t       1.00000\t      90.00000\t       0.00000\t"
              "       1.00000");
    // A language pass keeps a written table.
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    EXPECT_TRUE(memo->toPlainText().startsWith("Velmora - Datenausgabe\n3\t"));

    // Run start: the title again, "Daten speichern" enabled outside the start phase.
    EXPECT_FALSE(m.datenspeichern1()->isEnabled());
    form1.zustand().Startphase = false;
    form1.konfiguration().julianischesDatum = true;
    ASSERT_TRUE(form1.engine().datenausgabeBeginn);
    form1.engine().datenausgabeBeginn(shell::Laufregeln{}, false);
    EXPECT_EQ(memo->toPlainText(), "Velmora - Data output");
    EXPECT_TRUE(m.datenspeichern1()->isEnabled());
    EXPECT_TRUE(d->format.jd);
}

// An overview run through the engine, the data table hidden all the time:
// every row is there when the table is shown afterwards, and saving writes
// them all.
TEST_F(Fenster, VerborgeneTabelleBekommtJedeZeile)
{
    ui::DatenausgabeMenues m(form1);
    ASSERT_FALSE(m.ausgabeKonj()->isChecked());
    form1.zustand().Startphase = false;
    form1.zeitfaktor = 0;
    form1.engine().rechner = std::make_shared<astro::Positionsrechner>();
    auto ablauf = std::make_unique<shell::UeberblickAblauf>();
    ablauf->eingabe.koerper[2] = ablauf->eingabe.koerper[3] = true;
    form1.engine().registrieren(Darstellung::Ueberblick, std::move(ablauf));
    form1.konfiguration().menueDarstellung = Darstellung::Ueberblick;
    form1.resize(800, 600);
    int schritte = 0;
    QTimer uhr;
    QObject::connect(&uhr, &QTimer::timeout, [&] {
        schritte = form1.zustand().Schritt;
        if (schritte >= 40)
            form1.engine().beenden();
    });
    uhr.start(0);
    form1.engine().ausfuehren();
    ASSERT_GE(schritte, 40);
    m.ausgabeKonj()->trigger(); // shown after the run
    const QStringList zeilen = form1.memoAusgabe()->toPlainText().split('\n');
    EXPECT_EQ(zeilen[0], "Velmora - Datenausgabe");
    const int kopf = static_cast<int>(zeilen.indexOf(QRegularExpression("^Nummer\t.*")));
    ASSERT_GT(kopf, 0) << "the header block";
    int nummer = 0;
    for (int i = kopf + 1; i < zeilen.size(); ++i)
        EXPECT_TRUE(zeilen[i].startsWith(QString::number(nummer++) + "\t")) << zeilen[i].toStdString();
    EXPECT_GE(nummer, 40);

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("alle.txt");
    m.dateiWaehlen = [&] { return pfad; };
    ASSERT_TRUE(m.Datenspeichern1Click());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()).count('\n'), zeilen.size());
}

// A data-only run of 10000 rows ends by itself with the whole table.
TEST_F(Fenster, DatenOnlyLaufMitZehntausendZeilen)
{
    ui::DatenausgabeMenues m(form1);
    form1.zustand().Startphase = false;
    form1.zeitfaktor = 0;
    form1.engine().rechner = std::make_shared<astro::Positionsrechner>();
    auto ablauf = std::make_unique<shell::UeberblickAblauf>();
    ablauf->eingabe.koerper[3] = true;
    ablauf->eingabe.nurDatenausgabe = true;
    ablauf->eingabe.datenSchrittweite = 0.5;
    ablauf->eingabe.datenAnzahl = 10000;
    form1.engine().registrieren(Darstellung::Ueberblick, std::move(ablauf));
    form1.konfiguration().menueDarstellung = Darstellung::Ueberblick;
    form1.engine().ausfuehren();
    EXPECT_FALSE(form1.zustand().LaufAktiv);
    const QStringList zeilen = form1.memoAusgabe()->toPlainText().split('\n');
    const int kopf = static_cast<int>(zeilen.indexOf(QRegularExpression("^Nummer\t.*")));
    ASSERT_GT(kopf, 0);
    EXPECT_EQ(zeilen.size() - kopf - 1, 10000);
    EXPECT_TRUE(zeilen[kopf + 1].startsWith("0\t"));
    EXPECT_TRUE(zeilen.back().startsWith("9999\t")) << zeilen.back().toStdString();
}

TEST_F(Fenster, SpeichernAlsUtf8UndFehlschlagOhneDatei)
{
    ui::DatenausgabeMenues m(form1);
    m.winkel1()->trigger();
    m.datenausgabe().DatenAusgabe(1, astro::KugelZuXYZ({45.5, -1.25, 1.0}), 0.0);
    m.tabelleAktualisieren();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Datenausgabe.txt");
    m.dateiWaehlen = [&] { return pfad; };
    QStringList fehler;
    m.fehlermeldung = [&](const QString& titel, const QString& text) { fehler << titel + "|" + text; };
    ASSERT_TRUE(m.Datenspeichern1Click());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_EQ(QString::fromUtf8(inhalt), form1.memoAusgabe()->toPlainText() + "\n");
    EXPECT_TRUE(inhalt.contains("-01\xC2\xB0" "15'00''")); // "°" in UTF-8
    EXPECT_FALSE(inhalt.contains('\r'));
    EXPECT_TRUE(fehler.isEmpty());

    // A folder that cannot be written into (its path runs through a file):
    // the failure is reported and nothing is left behind.
    QFile hindernis(ordner.filePath("kein_ordner"));
    ASSERT_TRUE(hindernis.open(QIODevice::WriteOnly));
    hindernis.close();
    const QString unmoeglich = ordner.filePath("kein_ordner/Datenausgabe.txt");
    m.dateiWaehlen = [&] { return unmoeglich; };
    EXPECT_FALSE(m.Datenspeichern1Click());
    ASSERT_EQ(fehler.size(), 1);
    EXPECT_TRUE(fehler[0].startsWith("Fehler|Die Datei")) << fehler[0].toStdString();
    EXPECT_FALSE(QFile::exists(unmoeglich));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 2); // the table and the obstacle
    // Cancelled dialog: nothing happens.
    m.dateiWaehlen = [] { return QString(); };
    EXPECT_FALSE(m.Datenspeichern1Click());
    EXPECT_EQ(fehler.size(), 1);
}

// Two start fields registered as the overview and the two-planet dialogs would.
#if defined(VELMORA_DATEIGROESSENGRENZE)
// A table the file cannot take (a file-size limit here; a full disk is the
// same to the writer) fails with the system's reason and leaves the older
// file as it was, a short table as well as a long one.
TEST(Datentabelle, VolleDateiMeldetUndLaesstDieAlteStehen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Datenausgabe.txt");
    for (int laenge : {3000, 10000, 100000}) {
        {
            QFile f(pfad);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("alt\n");
        }
        QString grund;
        bool ok = true;
        {
            Dateigroessengrenze grenze(2048);
            if (!grenze.gesetzt())
                GTEST_SKIP() << "no file-size limit on this system";
            ok = ui::TextSpeichern(pfad, QString(laenge, 'x'), &grund);
        }
        EXPECT_FALSE(ok) << laenge;
        EXPECT_EQ(grund.toStdString(), qt_error_string(EFBIG).toStdString()) << laenge;
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("alt\n")) << laenge;
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
}
#endif

// "Daten speichern" opens in the folder of the last table saved, with the
// default name, in this program run and the next (the folder is in the
// settings store at once).
TEST_F(Fenster, DatenSpeichernOeffnetImZuletztGewaehltenOrdner)
{
    QTemporaryDir ordner;
    const QString ini = ordner.filePath("Ini.ini");
    ASSERT_TRUE(QDir(ordner.path()).mkdir("tabellen"));
    const QString pfad = ordner.filePath("tabellen/lauf.txt");
    {
        QSettings speicher(ini, QSettings::IniFormat);
        ui::Ordnerspeicher gedaechtnis(speicher);
        ui::DatenausgabeMenues m(form1);
        m.ordner = &gedaechtnis;
        const QString name = QString::fromStdString(sprache::T("speichern.name")) + ".txt";
        EXPECT_EQ(QFileInfo(m.dateiVorschlag()).fileName(), name);
        m.dateiWaehlen = [&] { return pfad; };
        ASSERT_TRUE(m.Datenspeichern1Click());
        EXPECT_EQ(m.dateiVorschlag(), ordner.filePath("tabellen/" + name));
    }
    QSettings wieder(ini, QSettings::IniFormat);
    EXPECT_EQ(ui::Ordnerspeicher(wieder).ordner(shell::Ordnerart::Daten), ordner.filePath("tabellen"));
}

class Datum : public Fenster {
protected:
    void SetUp() override
    {
        Fenster::SetUp();
        for (int i = 0; i < 2; ++i) {
            felder[i] = new QLineEdit(&form1);
            labels[i] = new QLabel(&form1);
            auto* s = new shell::Startfeld(felder[i], labels[i], [] { return 2; });
            shell::Startfelder::von(&form1).anmelden(i == 0 ? Darstellung::Ueberblick : Darstellung::ZweiPlaneten, s);
        }
    }
    QLineEdit* felder[2] = {};
    QLabel* labels[2] = {};
};

TEST_F(Datum, StartzeitJetztUndZurueck)
{
    ui::DatumMenues m(form1);
    EXPECT_EQ(m.startzeiteingeben1()->shortcut(), QKeySequence(Qt::Key_F9));
    m.uhr = [] { return QDateTime(QDate(2000, 1, 2), QTime(12, 0)); };
    m.startzeit1()->trigger();
    EXPECT_EQ(felder[0]->text(), "1.500");
    EXPECT_EQ(felder[1]->text(), "1.500");
    EXPECT_EQ(labels[1]->text(), "2000-01-02 12:00");
    m.startzeit1()->trigger();
    EXPECT_EQ(felder[0]->text(), "0");
    form1.konfiguration().keplersMysterium = true;
    m.startzeit1()->trigger();
    m.startzeit1()->trigger();
    EXPECT_EQ(felder[0]->text(), "-147724");
    EXPECT_EQ(felder[1]->text(), "0");

    m.julDay1()->trigger();
    EXPECT_TRUE(form1.konfiguration().julianischesDatum);
    EXPECT_EQ(labels[0]->text(), "JD 2303820.5");
    EXPECT_EQ(labels[1]->text(), "JD 2451544.5");
    felder[1]->setText("1");
    EXPECT_EQ(labels[1]->text(), "JD  2451545.500");
    // The panel's time labels follow.
    ASSERT_TRUE(form1.engine().datumFormatierer);
    EXPECT_EQ(form1.engine().datumFormatierer(0.0), "JD 2451544.500");
    m.julDay1()->trigger();
    EXPECT_EQ(labels[0]->text(), "1595-7-19 00:00");
    EXPECT_EQ(form1.engine().datumFormatierer(0.0), "2000-01-01 00:00");
}

TEST_F(Datum, StartzeitEingebenMitKorrekturenUndGemerktenTexten)
{
    ui::DatumMenues m(form1);
    EXPECT_EQ(m.gemerkterMonat(), "01");
    QStringList gesehen;
    m.dialogZeigen = [&](ui::TFormDatum& d) {
        d.show();
        gesehen << d.editJ()->text() + " " + d.editM()->text() + " " + d.editT()->text();
        d.editJ()->selectAll();
        QTest::keyClicks(d.editJ(), "-6000");
        EXPECT_EQ(d.editJ()->text(), "-5000");
        d.editJ()->selectAll();
        QTest::keyClicks(d.editJ(), "1595");
        d.editM()->selectAll();
        QTest::keyClicks(d.editM(), "07");
        EXPECT_EQ(d.editM()->text(), "07");
        d.editT()->selectAll();
        QTest::keyClicks(d.editT(), "45");
        EXPECT_EQ(d.editT()->text(), "31");
        d.editT()->selectAll();
        QTest::keyClicks(d.editT(), "19");
        QTest::keyClick(d.editT(), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    };
    m.Startzeiteingeben1Click();
    EXPECT_EQ(gesehen.value(0), "2000 01 01");
    EXPECT_EQ(felder[0]->text(), "-147724");
    EXPECT_EQ(felder[1]->text(), "-147724");
    EXPECT_EQ(m.gemerkterMonat(), "007");

    // "01" is remembered as "001" and shown as "01"; the close box accepts.
    m.dialogZeigen = [&](ui::TFormDatum& d) {
        d.show();
        gesehen << d.editJ()->text() + " " + d.editM()->text() + " " + d.editT()->text();
        d.editT()->setText("01");
        d.close();
    };
    m.Startzeiteingeben1Click();
    EXPECT_EQ(gesehen.value(1), "1595 07 19");
    EXPECT_EQ(m.gemerkterTag(), "001");
    EXPECT_EQ(felder[0]->text(), "-147742");
    m.Startzeiteingeben1Click();
    EXPECT_EQ(gesehen.value(2), "1595 07 01");
}

// A date the calendar does not have is not taken: the message names the date
// it would count as, the dialog stays open with the day selected, by Return,
// "okay" and the close box alike.
TEST_F(Datum, StartzeitEingebenWeistUnmoeglicheDatenZurueck)
{
    ui::DatumMenues m(form1);
    QStringList meldungen;
    const auto alteMeldung = ui::TFormDatum::meldung;
    ui::TFormDatum::meldung = [&](QWidget*, const QString& titel, const QString& text) {
        meldungen << titel + "|" + text;
    };
    m.dialogZeigen = [&](ui::TFormDatum& d) {
        d.show();
        d.editJ()->setText("2023");
        d.editM()->setText("02");
        d.editT()->setText("30");
        QTest::keyClick(d.editJ(), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.editT()->selectedText(), "30");
        d.okay()->click();
        d.close();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(meldungen.size(), 3);
        d.editT()->setText("28");
        QTest::keyClick(d.editT(), Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    };
    m.Startzeiteingeben1Click();
    ui::TFormDatum::meldung = alteMeldung;
    ASSERT_FALSE(meldungen.isEmpty());
    EXPECT_EQ(meldungen[0], " Eingabe korrigieren|Den 2023-02-30 gibt es im Kalender nicht (gezählt würde er als "
                            "2023-03-02).\nBitte korrigieren Sie das Datum.   ");
    EXPECT_EQ(felder[1]->text(), QString::number(astro::DatumZuTag(2023, 2, 28)));
    EXPECT_EQ(m.gemerkterTag(), "28");
}

} // namespace
