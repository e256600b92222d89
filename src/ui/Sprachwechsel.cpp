#include "ui/Sprachwechsel.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace ui {

Sprachwechsel& Sprachwechsel::instanz()
{
    static Sprachwechsel s;
    return s;
}

void Sprachwechsel::anmelden(QObject* besitzer, std::function<void()> uebersetzen)
{
    if (!besitzer || !uebersetzen)
        return;
    eintraege_.push_back({besitzer, std::move(uebersetzen)});
}

void Sprachwechsel::abmelden(QObject* besitzer)
{
    std::erase_if(eintraege_, [besitzer](const Eintrag& e) { return e.besitzer == besitzer; });
}

namespace {

// Qt's German translations, from the Qt installation or beside the program.
QTranslator* QtDeutschLaden()
{
    auto* t = new QTranslator(QCoreApplication::instance());
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& o : {ordner, QCoreApplication::applicationDirPath() + QStringLiteral("/translations")})
        if (t->load(QStringLiteral("qtbase_de"), o))
            return t;
    delete t;
    return nullptr;
}

} // namespace

void Sprachwechsel::durchlauf(sprache::Sprache s)
{
    sprache::setzeSprache(s);
    if (QCoreApplication::instance()) {
        const bool deutsch = s == sprache::Sprache::Deutsch;
        if (deutsch && !qtDeutsch_)
            qtDeutsch_ = QtDeutschLaden();
        if (qtDeutsch_) {
            if (deutsch)
                QCoreApplication::installTranslator(qtDeutsch_);
            else
                QCoreApplication::removeTranslator(qtDeutsch_);
        }
    }
    // Windows destroyed since they registered drop out here (QPointer turns
    // null), so no destroyed-signal bookkeeping is needed.
    std::erase_if(eintraege_, [](const Eintrag& e) { return e.besitzer.isNull(); });
    // A retranslate() may register further windows (the vector may grow
    // meanwhile): walk by index up to the size at the start, calling a copy.
    const std::size_t n = eintraege_.size();
    for (std::size_t i = 0; i < n && i < eintraege_.size(); ++i) {
        if (eintraege_[i].besitzer.isNull())
            continue;
        const auto uebersetzen = eintraege_[i].uebersetzen;
        uebersetzen();
    }
}

int Sprachwechsel::anzahl() const
{
    return static_cast<int>(std::count_if(eintraege_.begin(), eintraege_.end(),
                                          [](const Eintrag& e) { return !e.besitzer.isNull(); }));
}

QString zeilenumbrueche(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString TQ(const char* schluessel) { return zeilenumbrueche(QString::fromStdString(sprache::T(schluessel))); }

} // namespace ui
