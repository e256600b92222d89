#include "ui/Programmstart.h"

#include "sprache/Sprache.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string datenOrdner() { return std::string(VELMORA_QUELLORDNER) + "/Data"; }

TEST(Programmstart, LaedtDieReihenAusDemDatenordner)
{
    auto r = ui::PlanetendatenLaden(datenOrdner());
    ASSERT_TRUE(r.rechner) << r.detail;
    astro::Rechenoptionen o;
    o.HoheGenauigkeit = true;
    auto erde = r.rechner->PositionGenau(3, 0.0, o);
    ASSERT_TRUE(erde.ok());
    // The Earth is about 147 million km from the Sun in early January.
    const double abstand = std::sqrt(erde->X * erde->X + erde->Y * erde->Y + erde->Z * erde->Z);
    EXPECT_NEAR(abstand, 147.1, 0.2);
}

// A missing or damaged series file gives the data-file message (in the
// current language) and no calculator, never a half-loaded program.
TEST(Programmstart, FehlendeOderBeschaedigteDateiMeldet)
{
    QTemporaryDir leer;
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    auto r = ui::PlanetendatenLaden(leer.path().toStdString());
    EXPECT_FALSE(r.rechner);
    EXPECT_TRUE(r.meldung.startsWith(QStringLiteral("Die für die Berechnungen benötigten Dateien"))) << r.meldung.toStdString();

    // All files present, one of them cut short.
    QTemporaryDir kopie;
    for (const char* n : {"Me.txt", "Ve.txt", "Er.txt", "Ma.txt", "Ju.txt", "Sa.txt", "Ur.txt", "Ne.txt"})
        ASSERT_TRUE(QFile::copy(QString::fromStdString(datenOrdner()) + "/" + n, kopie.path() + "/" + n)) << n;
    QFile sa(kopie.path() + "/Sa.txt");
    ASSERT_TRUE(sa.open(QIODevice::ReadWrite));
    sa.resize(sa.size() / 2);
    sa.close();
    sprache::setzeSprache(sprache::Sprache::Englisch);
    auto r2 = ui::PlanetendatenLaden(kopie.path().toStdString());
    EXPECT_FALSE(r2.rechner);
    EXPECT_TRUE(r2.meldung.startsWith(QStringLiteral("The files needed for calculation"))) << r2.meldung.toStdString();
}

} // namespace

// The window title is the caption alone: Qt appends an explicitly set
// display name to every title ("Velmora - THE PROGRAM —  Velmora"), so the
// program start names the application without one. A display name that
// follows the application name is one that was never set.
TEST(Programmstart, FenstertitelOhneAngehaengtenNamen)
{
    const QString alt = QGuiApplication::applicationName();
    ui::AnwendungBenennen();
    EXPECT_EQ(QGuiApplication::applicationName(), QStringLiteral("Velmora"));
    QGuiApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"))
        << "a display name was set: Qt appends it to the window titles";
    QGuiApplication::setApplicationName(alt);
}
