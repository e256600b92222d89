#include "shell/Ordnergedaechtnis.h"

#include <QDir>

namespace shell {

QString Dateivorschlag(const Ordnergedaechtnis* gedaechtnis, Ordnerart art,
                       QStandardPaths::StandardLocation standard, const QString& name)
{
    QString ordner = gedaechtnis ? gedaechtnis->ordner(art) : QString();
    if (ordner.isEmpty() || !QDir(ordner).exists())
        ordner = QStandardPaths::writableLocation(standard);
    if (ordner.isEmpty() || !QDir(ordner).exists())
        ordner = QDir::homePath();
    return QDir(ordner).filePath(name);
}

} // namespace shell
