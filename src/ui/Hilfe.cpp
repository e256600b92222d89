#include "ui/Hilfe.h"

#include "astro/Datenordner.h"
#include "shell/TForm1.h"
#include "sprache/Sprache.h"
#include "ui/Menuebefehle.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ui {

namespace {


struct Kontext {
    const char* komponente;
    int nummer;
};

// Menu items, menus and dialogs with their help topics.
const Kontext kKontexte[] = {
    {"Drucken1", 110}, {"Datenspeichern1", 120}, {"Bildspeichern1", 105},
    {"menu.darstellung", 200}, {"ueberblick1", 210}, {"N2Planeten1", 220}, {"N3Planeten1", 230},
    {"Baryzentrum1", 240}, {"Mond1", 250}, {"Rotationen1", 260}, {"Langzeitsimulation1", 270},
    {"Ausgabe1", 310}, {"Kurzhinweise1", 320}, {"SonneZentrum1", 330}, {"Zentrummarkieren1", 340},
    {"Legende1", 350}, {"Massstab1", 360}, {"Tierkreis1", 370}, {"Sternzeichen1", 370}, {"wedernoch1", 370},
    {"sofort1", 410}, {"PlannurzuBeginn1", 420}, {"FigurenDrehung1", 430},
    {"Datum1", 440}, {"Startzeit1", 440}, {"Startzeiteingeben1", 440}, {"JulDay1", 440},
    {"Berechnungsgr1", 450}, {"Genauigkeit1", 452}, {"Praezession1", 455},
    {"AnzahlBerechnungen1", 457}, {"AnzahlBahnpunkte1", 458},
    {"Hintergrund1", 460}, {"Farben1", 470}, {"Linienstrke1", 480}, {"Punktgre1", 490},
    {"Beschriftung1", 493}, {"Standardwiederherstellen1", 495},
    {"AusgabeKonj", 510}, {"Koordinaten1", 520}, {"Winkel1", 520}, {"Entfernung1", 520}, {"DeltaT1", 520},
    {"Anfangsanimation1", 530}, {"Zitatezeigen1", 540}, {"Kleinplaneten1", 545}, {"VorschlagSchrittweite1", 550},
    {"PunteLinien", 560}, {"Linienzug1", 560}, {"LinieundPunkte1", 560},
    {"menu.beispiele", 610},
    {"Tetraeder1", 710}, {"Hexaeder1", 710}, {"Oktaeder1", 710}, {"Dodekaeder1", 710}, {"Ikosaeder1", 710},
    {"Dodekaederstern1", 710}, {"Ikosaederstern1", 710}, {"Sterneeinfarbig1", 710}, {"menu.platon", 710},
    {"Metamorphose1", 720}, {"Mysterium1", 730},
    {"InhaltundIndex1", 810}, {"Readme1", 810}, {"Buch1", 810}, {"Dank1", 810},
    {"Tasten1", 1000}, {"Glossar1", 5000},
    {"TFormUe", 210}, {"TForm2Pl", 220}, {"TForm3Pl", 230}, {"TFormBary", 240}, {"TFormMond", 250},
    {"TFormRotationen", 260}, {"TFormLangzeit", 270}, {"TFormBedienfeld", 310},
};

// Which page holds a topic; every topic is an anchor "k<number>" on it.
const char* seiteVon(int kontext)
{
    if (kontext == kHilfeTasten)
        return "tasten.html";
    if (kontext == kHilfeGlossar)
        return "glossar.html";
    if (kontext >= 450 && kontext < 460)
        return "grundlagen.html";
    if (kontext == 310)
        return "bedienfeld.html";
    if (kontext >= 200 && kontext < 300)
        return "darstellungen.html";
    if (kontext == kHilfeInhalt || kontext <= 0)
        return "index.html";
    return "menues.html";
}

} // namespace

int HilfeKontext(const QString& komponente)
{
    for (const Kontext& k : kKontexte)
        if (komponente == QLatin1String(k.komponente))
            return k.nummer;
    return 0;
}

std::vector<int> HilfeKontexte()
{
    std::vector<int> alle{kHilfeInhalt};
    for (const Kontext& k : kKontexte)
        alle.push_back(k.nummer);
    std::sort(alle.begin(), alle.end());
    alle.erase(std::unique(alle.begin(), alle.end()), alle.end());
    return alle;
}

QString HilfeSeite(int kontext, bool deutsch)
{
    QString s = QStringLiteral("qrc:/hilfe/%1/%2").arg(deutsch ? QStringLiteral("de") : QStringLiteral("en"),
                                                        QLatin1String(seiteVon(kontext)));
    if (kontext > 0 && kontext != kHilfeInhalt)
        s += QStringLiteral("#k%1").arg(kontext);
    return s;
}

int HilfeKontextVon(const QObject* o)
{
    for (; o; o = o->parent())
        if (int k = HilfeKontext(o->objectName()))
            return k;
    return 0;
}

HilfeFenster::HilfeFenster(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("Hilfefenster"));
    setModal(false);
    resize(760, 560);
    auto* v = new QVBoxLayout(this);
    auto* knoepfe = new QHBoxLayout;
    inhalt_ = new QPushButton(this);
    zurueck_ = new QPushButton(this);
    knoepfe->addWidget(inhalt_);
    knoepfe->addWidget(zurueck_);
    knoepfe->addStretch();
    v->addLayout(knoepfe);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    v->addWidget(browser_);
    connect(inhalt_, &QPushButton::clicked, this, [this] { zeigen(kHilfeInhalt, deutsch_); });
    connect(zurueck_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QPushButton::setEnabled);
    zurueck_->setEnabled(false);
    retranslate();
}

void HilfeFenster::retranslate()
{
    setWindowTitle(TQ("hilfe.titel"));
    inhalt_->setText(TQ("hilfe.inhalt"));
    zurueck_->setText(TQ("hilfe.zurueck"));
}

void HilfeFenster::zeigen(int kontext, bool deutsch)
{
    deutsch_ = deutsch;
    browser_->setSource(QUrl(HilfeSeite(kontext, deutsch)));
    show();
    raise();
    activateWindow();
}

TextFenster::TextFenster(QWidget* eltern, const QString& titel, const QString& text) : QDialog(eltern)
{
    setObjectName(QStringLiteral("TextFenster"));
    setWindowTitle(titel);
    setModal(true);
    setFixedSize(503, 353);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(text);
    v->addWidget(memo);
}

Hilfemenue::Hilfemenue(shell::TForm1& form1, Menuebefehle& menue)
    : QObject(&form1), f_(form1), m_(menue)
{
    fenster_ = new HilfeFenster(&f_);
    fenster_->setWindowFlag(Qt::Window, true);

    QMenu* hilfe = f_.menue(shell::Hauptmenue::Hilfe);
    auto neu = [&](const char* komponente, const char* schluessel, auto handler) {
        QAction* a = hilfe->addAction(QString());
        a->setObjectName(QString::fromLatin1(komponente));
        connect(a, &QAction::triggered, this, handler);
        eintraege_.emplace_back(a, schluessel);
        return a;
    };
    neu("InhaltundIndex1", "menu.inhalt", [this] { InhaltundIndex1Click(); });
    neu("Tasten1", "menu.tasten", [this] { Tasten1Click(); });
    neu("Glossar1", "menu.glossar", [this] { Glossar1Click(); });
    hilfe->addSeparator();
    neu("Readme1", "menu.readme", [this] { Dank1Click(true); });
    neu("Buch1", "menu.buch", [this] { Buch1Click(); });
    neu("Dank1", "menu.dank", [this] { Dank1Click(false); });

    qApp->installEventFilter(this);
    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
    retranslate();
}

Hilfemenue::~Hilfemenue() { qApp->removeEventFilter(this); }

void Hilfemenue::retranslate()
{
    for (const auto& [a, schluessel] : eintraege_)
        a->setText(TQ(schluessel));
    fenster_->retranslate();
    // An open help window follows the language.
    if (fenster_->isVisible()) {
        QString s = fenster_->browser()->source().toString();
        const bool deutsch = sprache::istDeutsch();
        s.replace(deutsch ? QStringLiteral("/en/") : QStringLiteral("/de/"), deutsch ? QStringLiteral("/de/") : QStringLiteral("/en/"));
        fenster_->browser()->setSource(QUrl(s));
    }
}

bool Hilfemenue::deutsch() const { return sprache::istDeutsch(); }

void Hilfemenue::hilfeZeigen(int kontext) { fenster_->zeigen(kontext, deutsch()); }
void Hilfemenue::InhaltundIndex1Click() { hilfeZeigen(kHilfeInhalt); }
void Hilfemenue::Tasten1Click() { hilfeZeigen(kHilfeTasten); }
void Hilfemenue::Glossar1Click() { hilfeZeigen(kHilfeGlossar); }

void Hilfemenue::Buch1Click()
{
    f_.meldung(shell::Meldungsart::Information, sprache::T("meldung.hinweis"), sprache::T("text.buch"));
}

void Hilfemenue::Dank1Click(bool readme)
{
    const bool de = deutsch();
    const QString name = readme ? (de ? QStringLiteral("Readme.txt") : QStringLiteral("ReadmeENG.txt"))
                                : (de ? QStringLiteral("Danksagungen.txt") : QStringLiteral("DanksagungenENG.txt"));
    // Beside the program, in the installed share folder, in VELMORA_DATA_DIR
    // (astro/Datenordner.h); a file not found anywhere opens as "".
    const QString pfad =
        ordner.isEmpty()
            ? QString::fromStdString(astro::TextdateiFinden(astro::StandardSuchorte(astro::ProgrammOrdner()), name.toStdString()))
            : QDir(ordner).filePath(name);
    QFile datei(pfad);
    QByteArray inhalt;
    bool gelesen = datei.open(QIODevice::ReadOnly);
    if (gelesen) {
        inhalt = datei.readAll();
        gelesen = datei.error() == QFileDevice::NoError;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = gelesen ? utf8.decode(inhalt) : QString();
    // An unreadable file or one that is not text counts as damaged.
    if (!gelesen || utf8.hasError() || inhalt.isEmpty()) {
        f_.meldung(shell::Meldungsart::Fehler, sprache::T("meldung.fehler"), sprache::T("text.datei.fehlt"));
        return;
    }
    TextFenster fenster(&f_, TQ(readme ? "text.readme.titel" : "text.dank.titel"), text);
    if (textFensterZeigen)
        textFensterZeigen(fenster);
    else
        fenster.exec();
}

bool Hilfemenue::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1 || !o->isWidgetType())
        return QObject::eventFilter(o, e);
    int kontext = 0;
    // In an open menu the highlighted item decides, else the menu itself.
    if (auto* menue = qobject_cast<QMenu*>(o)) {
        if (QAction* a = menue->activeAction()) {
            kontext = HilfeKontext(a->objectName());
            if (!kontext && a->menu())
                kontext = HilfeKontext(a->menu()->objectName());
        }
        if (!kontext)
            kontext = HilfeKontextVon(menue);
    } else {
        // Key events go to the focused widget first.
        kontext = HilfeKontextVon(o);
    }
    hilfeZeigen(kontext ? kontext : kHilfeInhalt);
    return true;
}

} // namespace ui
