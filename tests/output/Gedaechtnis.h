#pragma once
// The folders of the save dialogs in memory, as the settings store keeps
// them: the folder of the file chosen last, per kind.
#include "shell/Ordnergedaechtnis.h"

#include <QFileInfo>

#include <map>

struct Ordnergedaechtnis : shell::Ordnergedaechtnis {
    std::map<shell::Ordnerart, QString> ordnerJeArt;
    int gemerkt = 0;
    QString ordner(shell::Ordnerart art) const override
    {
        const auto it = ordnerJeArt.find(art);
        return it == ordnerJeArt.end() ? QString() : it->second;
    }
    void merken(shell::Ordnerart art, const QString& datei) override
    {
        ordnerJeArt[art] = QFileInfo(datei).absolutePath();
        ++gemerkt;
    }
};
