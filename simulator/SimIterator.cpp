#include "SimIterator.h"

#include "SimSession.h"

MarlixResult SimIterator::Next(IMarlix** device)
{
    if (!device)
        return kMarlixInvalidArg;
    *device = nullptr;
    const MarlixResult entered = SimSession::enterGlobal("Iterator", "Next");
    if (entered != kMarlixOk)
        return entered;
    if (m_next >= m_devices.size())
        return kMarlixFail;
    *device = m_devices[m_next++].detachCopy();
    return kMarlixOk;
}
