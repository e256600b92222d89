#include "ui/Eingabedialoge.h"

#include "shell/TForm1.h"
#include "shell/UeberblickAblauf.h"
#include "ui/TFormUe.h"
#include "sprache/Sprache.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace ui {

namespace {

class VorlaeufigerDialog : public QDialog {
public:
    VorlaeufigerDialog(QWidget* eltern, const char* objektName, std::string titelSchluessel)
        : QDialog(eltern), titel_(std::move(titelSchluessel))
    {
        setObjectName(QString::fromLatin1(objektName));
        auto* v = new QVBoxLayout(this);
        hinweis_ = new QLabel(this);
        v->addWidget(hinweis_);
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
        connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
        v->addWidget(knoepfe);
        retranslate();
    }
    void retranslate()
    {
        setWindowTitle(QString::fromStdString(sprache::T(titel_)));
        hinweis_->setText(QString::fromStdString(sprache::T("dialog.noch.nicht")));
    }

private:
    std::string titel_;
    QLabel* hinweis_;
};

} // namespace

void DialogeAnlegen(shell::TForm1& form1)
{
    using shell::Darstellung;
    struct Eintrag {
        Darstellung d;
        const char* name;
        const char* titel;
    };
    const Eintrag eintraege[] = {
        {Darstellung::ZweiPlaneten, "TForm2Pl", "dialog.2pl.titel"},
        {Darstellung::DreiPlaneten, "TForm3Pl", "dialog.3pl.titel"},
        {Darstellung::Mond, "TFormMond", "dialog.mond.titel"},
        {Darstellung::Baryzentrum, "TFormBary", "dialog.bary.titel"},
        {Darstellung::Rotationen, "TFormRotationen", "dialog.rot.titel"},
        {Darstellung::Langzeit, "TFormLangzeit", "dialog.langzeit.titel"},
    };
    // The overview dialog; the run reads its controls when it starts.
    auto* ue = new TFormUe(&form1, &form1);
    form1.setzeDialog(Darstellung::Ueberblick, ue);
    if (auto* ablauf = dynamic_cast<shell::UeberblickAblauf*>(form1.engine().ablauf(Darstellung::Ueberblick)))
        ablauf->eingabeQuelle = [ue] { return ue->eingabe(); };
    for (const auto& e : eintraege)
        form1.setzeDialog(e.d, new VorlaeufigerDialog(&form1, e.name, e.titel));
}

} // namespace ui
