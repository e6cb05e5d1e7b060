#include "SimDisplayMode.h"

#include "SimValue.h"

MarlixResult SimDisplayMode::GetName(char** name)
{
    return SimValue::copyToCaller(m_info.name, name);
}

MarlixResult SimDisplayMode::GetFrameRate(int64_t* frameDuration, int64_t* timeScale)
{
    if (!frameDuration || !timeScale)
        return kMarlixInvalidArg;
    *frameDuration = m_info.frameDuration;
    *timeScale = m_info.timeScale;
    return kMarlixOk;
}
