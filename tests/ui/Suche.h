#pragma once
// Tests find menu items by their component names (the program itself reaches
// them through shell::Menueaktionen).

#include "ui/EinstellungsMenues.h"

#include <QAction>
#include <QString>

namespace testhilfe {

inline QAction* aktion(const ui::EinstellungsMenues& m, const QString& name)
{
    for (QAction* a : m.aktionen())
        if (a && a->objectName() == name)
            return a;
    return nullptr;
}

inline QAction* aktion(const QObject& wurzel, const QString& name) { return wurzel.findChild<QAction*>(name); }

} // namespace testhilfe
