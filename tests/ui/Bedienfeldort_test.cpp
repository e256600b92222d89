// The control panel's place in the settings: read at start, taken when the
// user moved the panel, and then a change the closing question asks about.
#include "ui/EinstellungsAnbindung.h"

#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Ort : ::testing::Test {
    QTemporaryDir ordner;
    figures::Einstellungen einstellungen{150};
    QString pfad() const { return ordner.filePath(QStringLiteral("Ini.ini")); }
    void schreiben(const QByteArray& inhalt)
    {
        QFile f(pfad());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    std::unique_ptr<QSettings> speicher() { return std::make_unique<QSettings>(pfad(), QSettings::IniFormat); }
    static bool schliessenFragt(shell::TForm1& form1)
    {
        // In the start phase the window closes without asking; the panel's
        // move counts all the same.
        form1.zustand().EinstellungenGeaendert = false;
        QCloseEvent e;
        QCoreApplication::sendEvent(&form1, &e);
        return form1.zustand().EinstellungenGeaendert;
    }
};

TEST_F(Ort, GemerkterOrtUndVerschiebenAlsAenderung)
{
    schreiben("[Anfangsanimation]\nBoolAnfangsanimation=false\n[Bedienfeld]\nIntBedienfeldLinks=250\n"
              "IntBedienfeldOben=140\n");
    {
        shell::TForm1 form1;
        ui::EinstellungsAnbindung anbindung(form1, einstellungen, speicher());
        shell::TFormBedienfeld* feld = form1.bedienfeld();
        feld->show();
        EXPECT_EQ(feld->pos(), QPoint(250, 140));
        EXPECT_FALSE(schliessenFragt(form1)) << "not moved";
        feld->move(270, 160);
        EXPECT_TRUE(schliessenFragt(form1));
        ASSERT_TRUE(anbindung.schreiben());
    }
    QSettings gelesen(pfad(), QSettings::IniFormat);
    EXPECT_EQ(gelesen.value("Bedienfeld/IntBedienfeldLinks").toInt(), 270);
    EXPECT_EQ(gelesen.value("Bedienfeld/IntBedienfeldOben").toInt(), 160);
}

TEST_F(Ort, OhneGemerktenOrtBleibtDerEintragLeer)
{
    schreiben("[Anfangsanimation]\nBoolAnfangsanimation=false\n");
    shell::TForm1 form1;
    ui::EinstellungsAnbindung anbindung(form1, einstellungen, speicher());
    form1.bedienfeld()->show();
    EXPECT_FALSE(schliessenFragt(form1));
    ASSERT_TRUE(anbindung.schreiben());
    // The panel was not moved: the next start places it below the menu bar
    // again, wherever the main window then stands.
    QSettings gelesen(pfad(), QSettings::IniFormat);
    EXPECT_EQ(gelesen.value("Bedienfeld/IntBedienfeldLinks").toInt(), figures::Einstellungssatz::KeinOrt);
}

} // namespace
