// A replaceable service of the framework (the clock, the beep): the object that tests installed,
// or else the real one. Constant-initialised, so it serves from before any constructor runs.
#pragma once

#include <atomic>

template <class TService>
class CAfxSeam
{
public:
    // Installs pService (nullptr = the real one) and returns the one installed before
    // (nullptr when that was the real one). The caller keeps owning its object.
    TService* Set(TService* pService) { return m_pService.exchange(pService); }

    TService& Get()
    {
        TService* pService = m_pService.load();
        return pService != nullptr ? *pService : Real();
    }

private:
    static TService& Real()
    {
        static TService service;
        return service;
    }

    std::atomic<TService*> m_pService{nullptr};
};
