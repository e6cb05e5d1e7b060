// Opens the driver library once per process and hands out its factory objects.
// Every factory loads the library on first use and answers null when the library or
// its entry point is missing; the dynamic loader's error text goes to standard error.
#pragma once

#include "MarlixAPI.h"

void InitMarlixAPI();
void InitMarlixPreviewAPI();
// True once the library has been opened by a factory call; it does not open it.
bool IsMarlixAPIPresent();

IMarlixIterator* CreateMarlixIteratorInstance();
IMarlixAPIInformation* CreateMarlixAPIInformationInstance();
IMarlixVideoConversion* CreateVideoConversionInstance();
IMarlixDiscovery* CreateMarlixDiscoveryInstance();
IMarlixGLScreenPreviewHelper* CreateOpenGLScreenPreviewHelper();
