#include "ui/Darstellungsdialog.h"

#include "shell/TForm1.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <cmath>

namespace ui {

Darstellungsdialog::Darstellungsdialog(shell::TForm1* form1, const char* komponente, QWidget* eltern)
    : QDialog(eltern), form1_(form1)
{
    setObjectName(QString::fromLatin1(komponente));
    if (const QScreen* s = screen(); s && s->logicalDotsPerInch() > 0)
        dpiFaktor_ = s->logicalDotsPerInch() / 96.0;
    // The pass calls the dialog's own retranslate() (the dialog is complete
    // by then); its constructor calls it once itself.
    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
}

int Darstellungsdialog::px(int pixel96) const { return static_cast<int>(std::lround(pixel96 * dpiFaktor_)); }

void Darstellungsdialog::eingabeOkay()
{
    if (form1_) {
        form1_->flaeche().fuellen(form1_->konfiguration().intFarbeHintergrund);
        form1_->flaeche().flip();
    }
    close();
}

namespace {

// The items of a menu and of its submenus that carry a shortcut.
void MitKurztaste(const QList<QAction*>& aktionen, QList<QAction*>& ziel)
{
    for (QAction* a : aktionen) {
        if (QMenu* m = a->menu())
            MitKurztaste(m->actions(), ziel);
        else if (!a->shortcut().isEmpty())
            ziel << a;
    }
}

} // namespace

void Darstellungsdialog::showEvent(QShowEvent* e)
{
    // The menu commands are built after the dialogs: gathered at each show.
    if (form1_) {
        QList<QAction*> aktionen;
        MitKurztaste(form1_->menuBar()->actions(), aktionen);
        for (QAction* a : aktionen)
            if (!actions().contains(a))
                addAction(a);
    }
    QDialog::showEvent(e);
}

void Darstellungsdialog::closeEvent(QCloseEvent* e)
{
    schliessenRegeln();
    if (form1_)
        form1_->startFokussieren();
    QDialog::closeEvent(e);
}

} // namespace ui
