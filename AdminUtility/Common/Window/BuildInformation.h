#pragma once

#include <QString>

// What this build is: filled in by the build system, shown in the build details.
namespace BuildInformation
{
// Twelve digits, year to minute.
QString timeStamp();
QString releaseCandidateTag();
// Forty hexadecimal digits.
QString revision();
// The block shown at the top of the build details.
QString text();
}
