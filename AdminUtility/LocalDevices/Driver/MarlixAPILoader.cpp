#include "MarlixAPILoader.h"

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cstdio>

namespace {

// Written once under the guards below, read-only afterwards.
pthread_once_t gMarlixOnce = PTHREAD_ONCE_INIT;
pthread_once_t gPreviewOnce = PTHREAD_ONCE_INIT;
std::atomic<bool> gLoaded{false};  // also read outside the guard
MarlixIteratorFactory gIteratorFactory = nullptr;
MarlixAPIInformationFactory gAPIInformationFactory = nullptr;
MarlixVideoConversionFactory gVideoConversionFactory = nullptr;
MarlixDiscoveryFactory gDiscoveryFactory = nullptr;
MarlixPreviewHelperFactory gPreviewFactory = nullptr;

void printLoaderError()
{
    const char* error = dlerror();
    fprintf(stderr, "%s\n", error ? error : "");
}

template <typename Factory>
Factory lookUp(void* library, const char* entry)
{
    return reinterpret_cast<Factory>(dlsym(library, entry));
}

// The first three entries are optional and say so when missing; the discovery entry
// shares its message with a library that did not open.
void loadMarlixAPI()
{
    void* library = dlopen(MARLIX_LIBRARY_NAME, RTLD_NOW | RTLD_GLOBAL);
    if (library) {
        gLoaded = true;
        gIteratorFactory = lookUp<MarlixIteratorFactory>(library, MARLIX_ENTRY_ITERATOR);
        if (!gIteratorFactory)
            printLoaderError();
        gAPIInformationFactory = lookUp<MarlixAPIInformationFactory>(library, MARLIX_ENTRY_API_INFORMATION);
        if (!gAPIInformationFactory)
            printLoaderError();
        gVideoConversionFactory = lookUp<MarlixVideoConversionFactory>(library, MARLIX_ENTRY_VIDEO_CONVERSION);
        if (!gVideoConversionFactory)
            printLoaderError();
        gDiscoveryFactory = lookUp<MarlixDiscoveryFactory>(library, MARLIX_ENTRY_DISCOVERY);
    }
    if (!library || !gDiscoveryFactory)
        printLoaderError();
}

void loadMarlixPreviewAPI()
{
    void* library = dlopen(MARLIX_PREVIEW_LIBRARY_NAME, RTLD_NOW | RTLD_GLOBAL);
    if (library)
        gPreviewFactory = lookUp<MarlixPreviewHelperFactory>(library, MARLIX_ENTRY_PREVIEW_HELPER);
    if (!library || !gPreviewFactory)
        printLoaderError();
}

template <typename Object>
Object* create(Object* (*factory)())
{
    return factory ? factory() : nullptr;
}

} // namespace

void InitMarlixAPI()
{
    pthread_once(&gMarlixOnce, loadMarlixAPI);
}

void InitMarlixPreviewAPI()
{
    pthread_once(&gPreviewOnce, loadMarlixPreviewAPI);
}

// Whether a factory call has opened the library so far; asking never opens it.
bool IsMarlixAPIPresent()
{
    return gLoaded;
}

IMarlixIterator* CreateMarlixIteratorInstance()
{
    InitMarlixAPI();
    return create(gIteratorFactory);
}

IMarlixAPIInformation* CreateMarlixAPIInformationInstance()
{
    InitMarlixAPI();
    return create(gAPIInformationFactory);
}

IMarlixVideoConversion* CreateVideoConversionInstance()
{
    InitMarlixAPI();
    return create(gVideoConversionFactory);
}

IMarlixDiscovery* CreateMarlixDiscoveryInstance()
{
    InitMarlixAPI();
    return create(gDiscoveryFactory);
}

IMarlixGLScreenPreviewHelper* CreateOpenGLScreenPreviewHelper()
{
    InitMarlixAPI();
    InitMarlixPreviewAPI();
    return create(gPreviewFactory);
}
