// The readme and acknowledgement windows find their texts where the Data
// folder is found: VELMORA_DATA_DIR comes before the source tree of a
// development build, a file beside the program before both.
#include "shell/TForm1.h"
#include "ui/Hilfe.h"
#include "ui/Menuebefehle.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct Umgebung {
    std::optional<std::string> alt;
    explicit Umgebung(const QString& wert)
    {
        if (const char* v = std::getenv("VELMORA_DATA_DIR"))
            alt = v;
        setenv("VELMORA_DATA_DIR", wert.toLocal8Bit().constData(), 1);
    }
    ~Umgebung()
    {
        if (alt)
            setenv("VELMORA_DATA_DIR", alt->c_str(), 1);
        else
            unsetenv("VELMORA_DATA_DIR");
    }
};

void schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << pfad.toStdString();
    f.write(inhalt);
}

TEST(Textsuche, ReadmeAusDemDatenordnerDerUmgebung)
{
    ui::Sprachwechsel::instanz().durchlauf(false);
    shell::TForm1 f;
    std::vector<std::string> meldungen;
    f.meldungsAntwort = [&](shell::Meldungsart, const std::string&, const std::string& text) {
        meldungen.push_back(text);
        return shell::Antwort::Ok;
    };
    auto* m = new ui::Menuebefehle(f);
    auto* h = new ui::Hilfemenue(f, *m);
    ASSERT_TRUE(h->ordner.isEmpty()) << "the texts are searched by default";
    QString gezeigt;
    h->textFensterZeigen = [&](ui::TextFenster& t) { gezeigt = t.findChild<QPlainTextEdit*>()->toPlainText(); };
    auto aktion = [&](const char* name) {
        for (QAction* a : f.findChildren<QAction*>())
            if (a->objectName() == QLatin1String(name))
                return a;
        return static_cast<QAction*>(nullptr);
    };
    ASSERT_NE(aktion("Readme1"), nullptr);

    QTemporaryDir ordner;
    schreiben(ordner.filePath(QStringLiteral("ReadmeENG.txt")), "from the data folder\n");
    Umgebung u(ordner.path());
    aktion("Readme1")->trigger();
    EXPECT_EQ(gezeigt, QStringLiteral("from the data folder\n"));

    // Beside the program (the test's own folder) it wins over the others.
    const QString neben = QCoreApplication::applicationDirPath() + QStringLiteral("/DanksagungenENG.txt");
    ASSERT_FALSE(QFile::exists(neben));
    schreiben(ordner.filePath(QStringLiteral("DanksagungenENG.txt")), "data folder thanks\n");
    schreiben(neben, "thanks beside the program\n");
    aktion("Dank1")->trigger();
    QFile::remove(neben);
    EXPECT_EQ(gezeigt, QStringLiteral("thanks beside the program\n"));
    EXPECT_TRUE(meldungen.empty());
}

} // namespace
