#pragma once
// One explicit failure channel for the computation layers: a value or a
// status with a catalogue key for the message (see src/sprache). No silent
// NaN, no half-filled output parameters.

#include <optional>
#include <string>
#include <utility>

namespace astro {

enum class Fehler {
    Keiner = 0,
    NichtVerfuegbar,     // the theory for this body/accuracy is not loaded or not built
    AusserhalbGueltigkeit,
    UngueltigeEingabe,
    DateiFehlt,
    DateiBeschaedigt,
    Abgebrochen,         // the user ended the computation (Beenden)
};

struct Status {
    Fehler fehler = Fehler::Keiner;
    std::string meldungsSchluessel; // key into the language catalogue, may be empty
    std::string detail;             // technical detail (file name, token), not translated

    bool ok() const { return fehler == Fehler::Keiner; }
    explicit operator bool() const { return ok(); }
    static Status Ok() { return {}; }
    static Status Fehlschlag(Fehler f, std::string schluessel = {}, std::string detail = {})
    {
        return Status{f, std::move(schluessel), std::move(detail)};
    }
};

template <typename T>
class Ergebnis {
public:
    Ergebnis(T wert) : wert_(std::move(wert)) {}             // NOLINT(implicit)
    Ergebnis(Status status) : status_(std::move(status)) {}  // NOLINT(implicit)

    bool ok() const { return wert_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& wert() const { return *wert_; }
    T& wert() { return *wert_; }
    const T& operator*() const { return *wert_; }
    T& operator*() { return *wert_; }
    const T* operator->() const { return &*wert_; }
    T* operator->() { return &*wert_; }
    const Status& status() const { return status_; }

private:
    std::optional<T> wert_;
    Status status_;
};

} // namespace astro
