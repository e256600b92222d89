#include "ui/Darstellungen.h"

#include "figures/Legende.h"
#include "shell/TForm1.h"
#include "shell/DreiPlanetenAblauf.h"
#include "shell/UeberblickAblauf.h"
#include "shell/ZweiPlanetenAblauf.h"
#include "sprache/Sprache.h"
#include "ui/Darstellungsdialog.h"
#include "ui/TForm2Pl.h"
#include "ui/TForm3Pl.h"
#include "ui/TFormUe.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <string>

namespace ui {

using shell::Darstellung;

namespace {

// The dialog of a representation that is not built yet: its caption and a
// line that says so.
class VorlaeufigerDialog : public Darstellungsdialog {
public:
    VorlaeufigerDialog(shell::TForm1* form1, const char* komponente, const char* titelSchluessel)
        : Darstellungsdialog(form1, komponente, form1), titel_(titelSchluessel)
    {
        auto* v = new QVBoxLayout(this);
        hinweis_ = new QLabel(this);
        v->addWidget(hinweis_);
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
        connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
        v->addWidget(knoepfe);
        retranslate();
    }
    void retranslate() override
    {
        setWindowTitle(QString::fromStdString(sprache::T(titel_)));
        hinweis_->setText(QString::fromStdString(sprache::T("dialog.noch.nicht")));
    }
    // Nothing to keep or to list yet.
    bool figurenDrehungMoeglich() const override { return false; }
    bool datenausgabeMoeglich() const override { return false; }

private:
    std::string titel_;
    QLabel* hinweis_;
};

template <const char* Komponente, const char* Titel> Darstellungsteile Vorlaeufig(shell::TForm1& f)
{
    return {shell::PlatzhalterAblauf(), new VorlaeufigerDialog(&f, Komponente, Titel)};
}

Darstellungsteile Ueberblick(shell::TForm1& f)
{
    auto ablauf = std::make_unique<shell::UeberblickAblauf>();
    auto* dialog = new TFormUe(&f, &f);
    ablauf->eingabeQuelle = [dialog] { return dialog->eingabe(); };
    ablauf->datenOnlyEnde = [dialog] { dialog->datenOnlyBeendet(); };
    return {std::move(ablauf), dialog};
}

Darstellungsteile ZweiPlaneten(shell::TForm1& f)
{
    auto ablauf = std::make_unique<shell::ZweiPlanetenAblauf>();
    auto* dialog = new TForm2Pl(&f, &f);
    ablauf->eingabeQuelle = [dialog] { return dialog->eingabe(); };
    return {std::move(ablauf), dialog};
}

Darstellungsteile DreiPlaneten(shell::TForm1& f)
{
    auto ablauf = std::make_unique<shell::DreiPlanetenAblauf>();
    auto* dialog = new TForm3Pl(&f, &f);
    ablauf->eingabeQuelle = [dialog] { return dialog->eingabe(); };
    // Fewer than three bodies: the run takes Venus, Earth and Mars from day 0
    // and the dialog shows them.
    ablauf->koerperKorrigiert = [dialog](const std::array<bool, 22>& koerper) {
        dialog->koerperSetzen(koerper);
        dialog->Edit11->setText(QStringLiteral("0"));
    };
    return {std::move(ablauf), dialog};
}

constexpr char kBary[] = "TFormBary", tBary[] = "dialog.bary.titel";
constexpr char kMond[] = "TFormMond", tMond[] = "dialog.mond.titel";
constexpr char kRot[] = "TFormRotationen", tRot[] = "dialog.rot.titel";
constexpr char kLang[] = "TFormLangzeit", tLang[] = "dialog.langzeit.titel";

constexpr bool J = true, N = false;

const Darstellungszeile kTabelle[] = {
    {Darstellung::Ueberblick, "menu.ueberblick", "ueberblick1", Qt::Key_F8, figures::LegendeUeberblick,
     {.sonneZentrumAktiv = J, .drehung = {N, N}, .sofort = {N, N}, .nurZuBeginn = {N, N}, .vorschlag = {{}, N},
      .kleinplaneten = {{}, N}, .drehungen = {60, 30, 0}},
     &Ueberblick},
    {Darstellung::ZweiPlaneten, "menu.2planeten", "N2Planeten1", Qt::Key_F2, figures::LegendeZweiPlaneten,
     {.sonneZentrumAktiv = J, .drehung = {N, {}}, .sofort = {N, J}, .nurZuBeginn = {N, J}, .vorschlagImmer = {J, J},
      .kleinplanetenImmer = {{}, J}, .schrittModus = J, .mitMittelpunkten = true, .drehungNachDialog = true},
     &ZweiPlaneten},
    {Darstellung::DreiPlaneten, "menu.3planeten", "N3Planeten1", Qt::Key_F3, figures::LegendeDreiPlaneten,
     {.sonneZentrumAktiv = J, .drehung = {N, J}, .sofort = {N, J}, .nurZuBeginn = {N, J}, .vorschlag = {{}, N},
      .kleinplanetenImmer = {{}, J}, .schrittModus = N, .mitMittelpunkten = true},
     &DreiPlaneten},
    {Darstellung::Baryzentrum, "menu.baryzentrum", "Baryzentrum1", Qt::Key_F4, figures::LegendeBaryzentrum,
     {.sonneZentrumAktiv = N, .drehung = {N, N}, .sofort = {N, J}, .nurZuBeginn = {N, N}, .vorschlag = {J, J},
      .kleinplaneten = {{}, N}, .schrittModus = J},
     &Vorlaeufig<kBary, tBary>},
    {Darstellung::Mond, "menu.mond", "Mond1", Qt::Key_F5, figures::LegendeMond,
     {.sonneZentrumAktiv = N, .drehung = {N, J}, .sofort = {N, N}, .nurZuBeginn = {N, N}, .vorschlag = {{}, N},
      .kleinplaneten = {{}, N}, .schrittModus = N, .hoheGenauigkeitFest = true, .datenausgabeNachDialog = true,
      .ohneEntfernungsformat = true},
     &Vorlaeufig<kMond, tMond>},
    {Darstellung::Rotationen, "menu.rotationen", "Rotationen1", Qt::Key_F6, figures::LegendeRotationen,
     {.sonneZentrumAktiv = J, .drehung = {N, J}, .sofort = {N, J}, .nurZuBeginn = {N, J}, .vorschlag = {{}, N},
      .kleinplaneten = {{}, N}, .schrittModus = N, .mitMittelpunkten = true},
     &Vorlaeufig<kRot, tRot>},
    // A checked rotation of figures or immediate result would still reach
    // a long-term run while its item is disabled: both are unchecked too.
    {Darstellung::Langzeit, "menu.langzeit", "Langzeitsimulation1", Qt::Key_F7, figures::LegendeLangzeit,
     {.sonneZentrumAktiv = J, .drehung = {N, N}, .sofort = {N, N}, .nurZuBeginn = {N, N}, .vorschlag = {{}, N},
      .kleinplaneten = {{}, N}, .langzeit = true},
     &Vorlaeufig<kLang, tLang>},
};

size_t Index(Darstellung d) { return static_cast<size_t>(d); }

} // namespace

std::span<const Darstellungszeile> Darstellungstabelle() { return kTabelle; }

const Darstellungszeile* DarstellungszeileFuer(Darstellung d)
{
    for (const Darstellungszeile& z : kTabelle)
        if (z.d == d)
            return &z;
    return nullptr;
}

Darstellungsregister::Darstellungsregister(shell::TForm1& form1) : QObject(&form1)
{
    for (const Darstellungszeile& z : kTabelle) {
        form1.darstellungAnlegen(z.d, z.textSchluessel, z.komponente, QKeySequence(z.taste));
        Darstellungsteile teile = z.anlegen(form1);
        form1.engine().registrieren(z.d, std::move(teile.ablauf));
        if (teile.dialog) {
            form1.setzeDialog(z.d, teile.dialog);
            if (Index(z.d) < dialoge_.size())
                dialoge_[Index(z.d)] = teile.dialog;
        }
    }
}

void Darstellungsregister::dialogSetzen(shell::TForm1& form1, Darstellung d, Darstellungsdialog* dialog)
{
    if (Index(d) >= dialoge_.size())
        return;
    dialoge_[Index(d)] = dialog;
    form1.setzeDialog(d, dialog);
}

Darstellungsdialog* Darstellungsregister::dialog(Darstellung d) const
{
    return Index(d) < dialoge_.size() ? dialoge_[Index(d)] : nullptr;
}

} // namespace ui
