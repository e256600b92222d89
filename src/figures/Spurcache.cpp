#include "figures/Spurcache.h"

#include <algorithm>

namespace figures {

void Spurcache::anlegen(int kapazitaet)
{
    const auto n = static_cast<size_t>(std::max(kapazitaet, 0));
    punkte_.clear();
    pixel_.clear();
    punkte_.reserve(n);
    pixel_.reserve(n);
    projiziert_ = 0;
    projektionen_ = 0;
}

void Spurcache::freigeben()
{
    std::vector<Raumpunkt>().swap(punkte_);
    std::vector<Punkt>().swap(pixel_);
    projiziert_ = 0;
}

void Spurcache::leeren()
{
    punkte_.clear();
    pixel_.clear();
    projiziert_ = 0;
}

bool Spurcache::anhaengen(const Raumpunkt& p)
{
    if (punkte_.size() >= punkte_.capacity())
        return false;
    punkte_.push_back(p);
    return true;
}

bool Spurcache::setzen(int index, const Raumpunkt& p)
{
    if (index < 0 || static_cast<size_t>(index) >= punkte_.capacity())
        return false;
    punkte_.resize(static_cast<size_t>(index), p); // within the reserved room
    punkte_.push_back(p);
    projiziert_ = std::min(projiziert_, index);
    return true;
}

Spurcache::Blick Spurcache::blickVon(const Ansicht& a)
{
    return {a.Zoom, a.Massstab, a.Hoehenfaktor, a.WinkelX, a.WinkelY, a.WinkelZ, a.MitteX, a.MitteY};
}

const std::vector<Punkt>& Spurcache::projizieren(Ansicht& a, bool alleNeu)
{
    const Blick jetzt = blickVon(a);
    if (alleNeu || a.NeuZeichnen || !(jetzt == blick_))
        projiziert_ = 0;
    const int n = anzahl();
    pixel_.resize(static_cast<size_t>(n)); // within the reserved room
    const int ab = std::min(projiziert_, n);
    projiziert_ = 0; // invalid until every point of this call is projected
    for (int i = ab; i < n; ++i) {
        const Raumpunkt& p = punkte_[static_cast<size_t>(i)];
        a.PerspektivKoordinaten(p.X, p.Y, p.Z);
        pixel_[static_cast<size_t>(i)] = {a.BildX, a.BildY};
        ++projektionen_;
    }
    projiziert_ = n;
    blick_ = jetzt;
    return pixel_;
}

} // namespace figures
