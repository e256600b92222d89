#include "ui/EinstellungsAnbindung.h"

#include "shell/TForm1.h"
#include "ui/Sprachwechsel.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "Suche.h"

#include <gtest/gtest.h>

namespace {

using figures::Einstellungssatz;

// Every menu title and item caption of the main window's menu bar, depth first.
void texteSammeln(QMenu* m, QStringList& aus)
{
    aus << m->title();
    for (QAction* a : m->actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            texteSammeln(a->menu(), aus);
        else
            aus << a->text();
    }
}

// ... plus the captions and hints of every button and label of the main
// window and its child windows (the control panel, the count dialog).
QStringList alleTexte(shell::TForm1& f)
{
    QStringList t{f.windowTitle()};
    for (QAction* a : f.menuBar()->actions())
        if (a->menu())
            texteSammeln(a->menu(), t);
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (w->isWindow())
            t << w->windowTitle();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            t << b->text();
        if (auto* l = qobject_cast<QLabel*>(w))
            t << l->text();
        t << w->toolTip();
    }
    return t;
}

class Anbindung : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = sprache::aktuelleSprache();
        QFile f(pfad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Sprache]\nBoolSprache=true\n[Einstellungen]\nIntAnzahlBerechn=3\nIntAnzahlBahnpunkte=4\n"
                "[SternHintergrund]\nIntBilditem=2\n[Farbzuweisungen]\nIntFarbeHintergrund=255\n"
                "[Anfangsanimation]\nBoolAnfangsanimation=false\n");
    }
    void TearDown() override { sprache::setzeSprache(vorher); }
    QString pfad() const { return ordner.filePath(QStringLiteral("Ini.ini")); }
    std::unique_ptr<QSettings> speicher(const QString& p) { return std::make_unique<QSettings>(p, QSettings::IniFormat); }

    sprache::Sprache vorher{};
    QTemporaryDir ordner;
    figures::Einstellungen einstellungen{150};
};

TEST_F(Anbindung, EinlesenSetztLaufkonfigurationUndHaekchen)
{
    shell::TForm1 form1;
    ui::EinstellungsAnbindung anbindung(form1, einstellungen, speicher(pfad()));
    const auto& k = form1.konfiguration();
    EXPECT_EQ(k.intAnzahlBerechn, 3);
    EXPECT_EQ(k.bahnpunkteFaktor, 4);
    EXPECT_EQ(k.intBilditem, 2);
    EXPECT_EQ(k.intFarbeHintergrund, 0x0000FFu);
    EXPECT_FALSE(k.boolAnfangsanimation);
    EXPECT_EQ(form1.zustand().Schrittgrenze, 50000);
    EXPECT_EQ(form1.zustand().Konstellationsgrenze, 5000);
    auto& m = anbindung.menues();
    EXPECT_TRUE(testhilfe::aktion(m, QStringLiteral("hoch1"))->isChecked());
    EXPECT_TRUE(testhilfe::aktion(m, QStringLiteral("hoch2"))->isChecked());
    EXPECT_TRUE(testhilfe::aktion(m, QStringLiteral("SterneHintergr3"))->isChecked());
    EXPECT_FALSE(testhilfe::aktion(m, QStringLiteral("Anfangsanimation1"))->isChecked());
    EXPECT_TRUE(testhilfe::aktion(m, QStringLiteral("Deutsch1"))->isChecked());
    // The items sit in the main window's menus.
    EXPECT_TRUE(form1.menue(shell::Hauptmenue::Einstellungen)->actions().contains(testhilfe::aktion(m, QStringLiteral("Standardwiederherstellen1"))));
    EXPECT_TRUE(form1.menue(shell::Hauptmenue::Extras)->actions().contains(testhilfe::aktion(m, QStringLiteral("Anfangsanimation1"))));
    EXPECT_TRUE(form1.menue(shell::Hauptmenue::Sprache)->actions().contains(testhilfe::aktion(m, QStringLiteral("Englisch1"))));
    // The run lock finds the items by component name below the main window.
    for (const char* k : {"Deutsch1", "Englisch1", "Beschriftung1", "Standardwiederherstellen1", "niedrig2"})
        EXPECT_NE(form1.findChild<QAction*>(QLatin1String(k)), nullptr) << k;
    for (const char* k : {"Hintergrund1", "Farben1", "Linienstrke1", "Punktgre1"})
        EXPECT_NE(form1.findChild<QMenu*>(QLatin1String(k)), nullptr) << k;
}

// English -> German -> English restores every caption of the menu bar, the
// main window's own included; the first pass (start phase) is not a change.
TEST_F(Anbindung, SprachwechselUeberAlleMenues)
{
    shell::TForm1 form1;
    ui::EinstellungsAnbindung anbindung(form1, einstellungen, speicher(pfad()));
    ASSERT_TRUE(form1.sprachwechsel);
    form1.sprachwechsel();   // the first paint's pass: German, as stored
    EXPECT_TRUE(sprache::istDeutsch());
    EXPECT_EQ(form1.windowTitle(), QString::fromStdString(sprache::T("form1.titel", sprache::Sprache::Deutsch)));
    EXPECT_FALSE(form1.zustand().EinstellungenGeaendert);

    form1.zustand().Startphase = false;
    testhilfe::aktion(anbindung.menues(), QStringLiteral("Englisch1"))->trigger();
    EXPECT_TRUE(form1.zustand().EinstellungenGeaendert);
    const QStringList englisch = alleTexte(form1);
    testhilfe::aktion(anbindung.menues(), QStringLiteral("Deutsch1"))->trigger();
    const QStringList deutsch = alleTexte(form1);
    ASSERT_EQ(deutsch.size(), englisch.size());
    EXPECT_NE(deutsch, englisch);
    EXPECT_EQ(deutsch.first(), QString::fromStdString(sprache::T("form1.titel", sprache::Sprache::Deutsch)));
    testhilfe::aktion(anbindung.menues(), QStringLiteral("Englisch1"))->trigger();
    EXPECT_EQ(alleTexte(form1), englisch);
    for (const QString& t : englisch)
        EXPECT_FALSE(t.startsWith(QLatin1Char('<'))) << t.toStdString();
}

TEST_F(Anbindung, SchreibenBeimSchliessenUndNachNeustart)
{
    {
        shell::TForm1 form1;
        ui::EinstellungsAnbindung anbindung(form1, einstellungen, speicher(pfad()));
        testhilfe::aktion(anbindung.menues(), QStringLiteral("mittel1"))->trigger();
        form1.konfiguration().hoheGenauigkeit = true;
        ASSERT_TRUE(form1.einstellungenSchreiben);
        EXPECT_TRUE(form1.einstellungenSchreiben());
    }
    figures::Einstellungen neu(150);
    shell::TForm1 form1;
    ui::EinstellungsAnbindung anbindung(form1, neu, speicher(pfad()));
    EXPECT_EQ(neu.aktuell().IntAnzahlBerechn, 2);
    EXPECT_TRUE(neu.aktuell().BoolGenauigkeit);
    EXPECT_TRUE(form1.konfiguration().hoheGenauigkeit);
    EXPECT_EQ(neu.aktuell().IntBilditem, 2);
}

// A store that cannot be written is reported in a message box and the write
// counts as failed (the main window then stays open).
TEST_F(Anbindung, NichtSchreibbarGemeldet)
{
    const QString sperre = ordner.filePath(QStringLiteral("datei"));
    {
        QFile f(sperre);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    shell::TForm1 form1;
    ui::EinstellungsAnbindung anbindung(form1, einstellungen, speicher(sperre + QStringLiteral("/Ini.ini")));
    QString meldung;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            meldung = box->text();
            box->accept();
        }
    });
    EXPECT_FALSE(form1.einstellungenSchreiben());
    EXPECT_TRUE(meldung.contains(QString::fromStdString(sprache::T("einstellungen.schreibfehler")).trimmed()))
        << meldung.toStdString();
}

} // namespace

// Qt's own texts (standard buttons of the message boxes) follow the language.
TEST(Sprachwechsel, QtsEigeneTexteFolgenDerSprache)
{
    auto& w = ui::Sprachwechsel::instanz();
    const auto vorher = sprache::aktuelleSprache();
    w.durchlauf(sprache::Sprache::Deutsch);
    ASSERT_TRUE(w.qtDeutschGeladen()) << "qtbase_de.qm (Debian qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    w.durchlauf(sprache::Sprache::Englisch);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    w.durchlauf(vorher);
}
