// Where the programs find Data/ and the texts: beside the executable, in the
// install prefix's share folder relative to it, in VELMORA_DATA_DIR, in the
// source tree of a development build; the first that exists wins.
#include "astro/Datenordner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;
using astro::DatenOrdnerFinden;
using astro::Suchorte;
using astro::TextdateiFinden;

// A scratch tree laid out like an installation:
//   <wurzel>/prefix/bin (the program), <wurzel>/prefix/share/velmora,
//   <wurzel>/umgebung (VELMORA_DATA_DIR), <wurzel>/quelle (source tree).
struct Baum : ::testing::Test {
    fs::path wurzel;
    Suchorte orte;

    void SetUp() override
    {
        wurzel = fs::temp_directory_path() /
                 ("velmora-datenordner-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(wurzel);
        fs::create_directories(bin());
        orte.programmOrdner = bin().string();
        orte.installTeilpfad = "../share/velmora";
        orte.umgebung = umgebung().string();
        orte.quellordner = quelle().string();
    }
    void TearDown() override { fs::remove_all(wurzel); }

    fs::path bin() const { return wurzel / "prefix" / "bin"; }
    fs::path share() const { return wurzel / "prefix" / "share" / "velmora"; }
    fs::path umgebung() const { return wurzel / "umgebung"; }
    fs::path quelle() const { return wurzel / "quelle"; }

    static void datei(const fs::path& p, const std::string& inhalt = "x\n")
    {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << inhalt;
    }
    static std::string normal(const std::string& p) { return fs::path(p).lexically_normal().string(); }
};

TEST_F(Baum, DataInDerReihenfolgeDerOrte)
{
    for (const fs::path& p : {bin() / "Data", share() / "Data", umgebung() / "Data", quelle() / "Data"})
        fs::create_directories(p);
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (bin() / "Data").string());
    fs::remove_all(bin() / "Data");
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (share() / "Data").string());
    fs::remove_all(share() / "Data");
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (umgebung() / "Data").string());
    fs::remove_all(umgebung() / "Data");
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (quelle() / "Data").string());
    // Outside development builds the source tree is not looked at.
    orte.quellordner.clear();
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (bin() / "Data").string());
}

// A prefix moved elsewhere as a whole keeps working: the share folder is
// found from the executable, not from the path the build was made for.
TEST_F(Baum, VerschobenesPrefix)
{
    fs::create_directories(share() / "Data");
    const fs::path neu = wurzel / "woanders";
    fs::rename(wurzel / "prefix", neu);
    orte.programmOrdner = (neu / "bin").string();
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (neu / "share" / "velmora" / "Data").string());
}

// VELMORA_DATA_DIR may also name the Data folder itself (it holds the
// series); an empty value or one without either counts as unset.
TEST_F(Baum, UmgebungAuchAlsDataOrdner)
{
    datei(umgebung() / "Er.txt");
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), umgebung().string());
    fs::remove(umgebung() / "Er.txt");
    orte.quellordner.clear();
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (bin() / "Data").string());
    orte.umgebung.clear();
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (bin() / "Data").string());
}

// Nothing found: the folder beside the program, so that loading names the
// missing files there; a plain file called Data is no folder.
TEST_F(Baum, NichtsGefunden)
{
    datei(share() / "Data");
    orte.quellordner.clear();
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (bin() / "Data").string());
    orte.programmOrdner.clear();
    EXPECT_EQ(DatenOrdnerFinden(orte), "Data");
    // Without a program folder the share folder cannot be found either,
    // but VELMORA_DATA_DIR can.
    fs::create_directories(umgebung() / "Data");
    EXPECT_EQ(normal(DatenOrdnerFinden(orte)), (umgebung() / "Data").string());
}

TEST_F(Baum, TexteInDerselbenReihenfolge)
{
    datei(quelle() / "resources" / "texte" / "Readme.txt");
    EXPECT_EQ(normal(TextdateiFinden(orte, "Readme.txt")), (quelle() / "resources" / "texte" / "Readme.txt").string());
    datei(umgebung() / "Readme.txt");
    EXPECT_EQ(normal(TextdateiFinden(orte, "Readme.txt")), (umgebung() / "Readme.txt").string());
    datei(share() / "Readme.txt");
    EXPECT_EQ(normal(TextdateiFinden(orte, "Readme.txt")), (share() / "Readme.txt").string());
    datei(bin() / "Readme.txt");
    EXPECT_EQ(normal(TextdateiFinden(orte, "Readme.txt")), (bin() / "Readme.txt").string());
    // Each file on its own: the English text only in the share folder.
    datei(share() / "ReadmeENG.txt");
    EXPECT_EQ(normal(TextdateiFinden(orte, "ReadmeENG.txt")), (share() / "ReadmeENG.txt").string());
    // A folder of that name is not the text.
    fs::create_directories(bin() / "Danksagungen.txt");
    EXPECT_EQ(TextdateiFinden(orte, "Danksagungen.txt"), "");
    EXPECT_EQ(TextdateiFinden(orte, ""), "");
}

// StandardSuchorte reads VELMORA_DATA_DIR when it is called.
TEST(Suchorte, UmgebungsvariableGelesen)
{
    const char* vorher = std::getenv("VELMORA_DATA_DIR");
    const std::optional<std::string> alt = vorher ? std::optional<std::string>(vorher) : std::nullopt;
    setenv("VELMORA_DATA_DIR", "/irgendwo/velmora", 1);
    const Suchorte o = astro::StandardSuchorte("/opt/x/bin");
    EXPECT_EQ(o.umgebung, "/irgendwo/velmora");
    EXPECT_EQ(o.programmOrdner, "/opt/x/bin");
    EXPECT_FALSE(o.installTeilpfad.empty());
    unsetenv("VELMORA_DATA_DIR");
    EXPECT_EQ(astro::StandardSuchorte("/opt/x/bin").umgebung, "");
    if (alt)
        setenv("VELMORA_DATA_DIR", alt->c_str(), 1);
}

} // namespace
