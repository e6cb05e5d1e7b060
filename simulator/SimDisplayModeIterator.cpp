#include "SimDisplayModeIterator.h"

#include "SimDisplayMode.h"

MarlixResult SimDisplayModeIterator::Next(IMarlixDisplayMode** mode)
{
    if (!mode)
        return kMarlixInvalidArg;
    *mode = nullptr;
    if (m_next >= m_modes.size())
        return kMarlixFail;
    *mode = new SimDisplayMode(*m_modes[m_next++]);
    return kMarlixOk;
}
