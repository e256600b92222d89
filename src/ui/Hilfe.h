#pragma once
// The help: HTML pages in German and English (Qt resources under
// :/hilfe/de and :/hilfe/en), shown in a help window with a contents page.
// Topics are addressed by their context numbers: every menu item and dialog
// has one, F1 opens the topic of the focused element (or of the highlighted
// menu item), "Tastenkombinationen" opens 1000 and "Glossar" 5000. The menu
// "Hilfe/Info" also holds the text windows (Readme, acknowledgements) and
// the note about the program's background.

#include <QDialog>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QAction;
class QTextBrowser;
class QPushButton;

namespace shell {
class TForm1;
}

namespace ui {

class Menuebefehle;

constexpr int kHilfeInhalt = 810;
constexpr int kHilfeTasten = 1000;
constexpr int kHilfeGlossar = 5000;

// The context number of a component name (menu item, menu, dialog); 0 when
// it has none.
int HilfeKontext(const QString& komponente);
// The page and anchor of a topic in the given language, e.g.
// "qrc:/hilfe/de/menue.html#k330".
QString HilfeSeite(int kontext, bool deutsch);
// The topic of an object: its own name, else those of its parents.
int HilfeKontextVon(const QObject* o);
// Every topic the program can open: those of the menu items, menus and
// dialogs and the contents page, each once, ascending.
std::vector<int> HilfeKontexte();

class HilfeFenster : public QDialog {
public:
    explicit HilfeFenster(QWidget* eltern = nullptr);
    void zeigen(int kontext, bool deutsch);
    QTextBrowser* browser() const { return browser_; }
    void retranslate();

private:
    QTextBrowser* browser_;
    QPushButton* inhalt_;
    QPushButton* zurueck_;
    bool deutsch_ = true;
};

// The read-only window of a text file, 503 x 353 pixels.
class TextFenster : public QDialog {
public:
    TextFenster(QWidget* eltern, const QString& titel, const QString& text);
};

class Hilfemenue : public QObject {
public:
    Hilfemenue(shell::TForm1& form1, Menuebefehle& menue);
    ~Hilfemenue() override;

    // Opens the help window at a topic.
    void hilfeZeigen(int kontext);
    HilfeFenster* fenster() const { return fenster_; }

    void InhaltundIndex1Click();
    void Tasten1Click();
    void Glossar1Click();
    void Buch1Click();
    // "Danksagungen" and "Readme-Datei": the file of the current language
    // in a read-only window, or the error box. The file is searched where
    // the Data folder is (astro/Datenordner.h).
    void Dank1Click(bool readme);

    // The one folder to read the text files from instead of searching them
    // (empty: search); tests point it elsewhere.
    QString ordner;
    // Shows the modal text window; tests replace it to look at it.
    std::function<void(TextFenster&)> textFensterZeigen;

    bool eventFilter(QObject* o, QEvent* e) override;
    void retranslate();

private:
    bool deutsch() const;

    shell::TForm1& f_;
    Menuebefehle& m_;
    HilfeFenster* fenster_ = nullptr;
    // The items of the help menu with the catalogue keys of their texts.
    std::vector<std::pair<QAction*, const char*>> eintraege_;
};

} // namespace ui
