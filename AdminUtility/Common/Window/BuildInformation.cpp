#include "BuildInformation.h"

#ifndef LUMARIS_BUILD_TIME
#define LUMARIS_BUILD_TIME "000000000000"
#endif
#ifndef LUMARIS_RC_TAG
#define LUMARIS_RC_TAG "none"
#endif
#ifndef LUMARIS_REVISION
#define LUMARIS_REVISION "0000000000000000000000000000000000000000"
#endif

namespace BuildInformation
{

QString timeStamp()
{
    return QStringLiteral(LUMARIS_BUILD_TIME);
}

QString releaseCandidateTag()
{
    return QStringLiteral(LUMARIS_RC_TAG);
}

QString revision()
{
    return QStringLiteral(LUMARIS_REVISION);
}

QString text()
{
    const auto line = [](const char* name, const QString& value) {
        return QStringLiteral("\t%1\t%2\n").arg(QLatin1String(name), -10).arg(value);
    };
    return QStringLiteral("** Build information\n") + line("Time:", timeStamp())
        + line("RC Tag:", releaseCandidateTag()) + line("Revision:", revision());
}

}
