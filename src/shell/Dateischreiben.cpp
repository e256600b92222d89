#include "shell/Dateischreiben.h"

#include "sprache/Sprache.h"

#include <QSaveFile>

namespace shell {

namespace {

// Why the file failed: the system's words, or ours when it has none.
QString Dateigrund(const QFileDevice& datei)
{
    const QString text = datei.errorString();
    if (datei.error() == QFileDevice::NoError || text.isEmpty() || text == QLatin1String("Unknown error"))
        return QString::fromStdString(sprache::T("ausgabe.grund.schreiben"));
    return text;
}

} // namespace

bool DateiSchreiben(const QString& pfad, const QByteArray& daten, QString* grund)
{
    // Unbuffered, and a short write is continued: a short write reports no
    // error of its own, and a buffered one surfaces only when the buffer is
    // flushed, where the save file no longer looks. So the write that meets
    // the limit is the one that fails, before anything is renamed.
    QSaveFile datei(pfad);
    const auto fehlschlag = [&] {
        if (grund)
            *grund = Dateigrund(datei);
        datei.cancelWriting();
        return false;
    };
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fehlschlag();
    qint64 geschrieben = 0;
    while (geschrieben < daten.size()) {
        const qint64 n = datei.write(daten.constData() + geschrieben, daten.size() - geschrieben);
        if (n <= 0)
            return fehlschlag();
        geschrieben += n;
    }
    if (!datei.commit())
        return fehlschlag();
    return true;
}

} // namespace shell
