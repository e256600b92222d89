#pragma once
// The language pass: one call sets the language of the catalogue and then
// lets every registered window rewrite its captions, hints and list items.
//
// A window registers its retranslate() once when it is built:
//
//     ui::Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
//
// The entry goes away by itself when the window is destroyed. The pass calls
// the windows in the order they registered (the main window first, as it is
// built first).

#include "sprache/Sprache.h"

#include <QObject>
#include <QPointer>

class QTranslator;

#include <functional>
#include <vector>

namespace ui {

class Sprachwechsel {
public:
    // The program's one registry.
    static Sprachwechsel& instanz();

    void anmelden(QObject* besitzer, std::function<void()> uebersetzen);
    void abmelden(QObject* besitzer);

    // Sets the catalogue language, switches Qt's own texts (the buttons of
    // message boxes, the file and colour dialogs) to the same language, and
    // runs every registered retranslate().
    void durchlauf(sprache::Sprache s);
    // Qt's German texts are loaded (false where the system lacks them: then
    // Qt speaks English).
    bool qtDeutschGeladen() const { return qtDeutsch_ != nullptr; }
    void durchlauf(bool deutsch) { durchlauf(deutsch ? sprache::Sprache::Deutsch : sprache::Sprache::Englisch); }

    int anzahl() const;

private:
    struct Eintrag {
        QPointer<QObject> besitzer;
        std::function<void()> uebersetzen;
    };
    std::vector<Eintrag> eintraege_;
    QTranslator* qtDeutsch_ = nullptr; // installed while German is on
};

// Qt shows "\n" as a line break; the catalogue keeps the "\r" and "\r\n" breaks
// of the texts as they are written.
QString zeilenumbrueche(const QString& text);
// A catalogue text as QString with its line breaks converted.
QString TQ(const char* schluessel);

} // namespace ui
