#pragma once
// A limit on the size of every file this process writes, for one scope:
// writes beyond it fail with EFBIG, as they do on a full disk (the signal
// that would end the process is ignored meanwhile). Unix only.

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#define VELMORA_DATEIGROESSENGRENZE 1
#include <csignal>
#include <sys/resource.h>

class Dateigroessengrenze {
public:
    explicit Dateigroessengrenze(rlim_t bytes)
    {
        alterSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &alt_) != 0)
            return;
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        gesetzt_ = setrlimit(RLIMIT_FSIZE, &neu) == 0;
    }
    ~Dateigroessengrenze()
    {
        if (gesetzt_)
            setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, alterSignal_);
    }
    Dateigroessengrenze(const Dateigroessengrenze&) = delete;
    Dateigroessengrenze& operator=(const Dateigroessengrenze&) = delete;
    bool gesetzt() const { return gesetzt_; }

private:
    rlimit alt_{};
    bool gesetzt_ = false;
    void (*alterSignal_)(int) = SIG_DFL;
};
#endif
