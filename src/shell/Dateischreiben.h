#pragma once
// Writing a whole file in one step: the bytes go to a temporary file beside
// the target, which replaces the target only when every byte reached it. A
// full disk or a file-size limit therefore fails with the system's reason
// and leaves an older file of that name as it was, and no half-written one.

#include <QByteArray>
#include <QString>

namespace shell {

// False with the reason in `grund` (the system's words, else the
// catalogue's "writing failed") when the file could not be written.
bool DateiSchreiben(const QString& pfad, const QByteArray& daten, QString* grund = nullptr);

} // namespace shell
