// The driver library's binary contract: reference-counted interfaces whose virtual
// functions sit in fixed slots, and result codes. The four-character item codes
// and their values are named in MarlixCodes.h.
// Plain C++ without Qt: the driver library is built against the same header.
#pragma once

#include "../Tables/MarlixCodes.h"

#include <cstdint>

// ---------------------------------------------------------------------------
// Basic types

// Signed 32-bit status: 0 success, negative failure; probes accept any non-negative value.
using MarlixResult = int32_t;

constexpr MarlixResult kMarlixOk = 0;
constexpr MarlixResult kMarlixFalse = 1;  // a non-negative "no": probes still count it as answered
constexpr MarlixResult kMarlixNotImplemented = static_cast<MarlixResult>(0x80000001u);  // no such item
constexpr MarlixResult kMarlixOutOfMemory = static_cast<MarlixResult>(0x80000002u);
constexpr MarlixResult kMarlixInvalidArg = static_cast<MarlixResult>(0x80000003u);      // bad value or type
constexpr MarlixResult kMarlixNoInterface = static_cast<MarlixResult>(0x80000004u);
constexpr MarlixResult kMarlixFail = static_cast<MarlixResult>(0x80000008u);
constexpr MarlixResult kMarlixDisconnected = static_cast<MarlixResult>(0x80000009u);    // device gone

constexpr bool MarlixSucceeded(MarlixResult r) { return r >= 0; }

// Interface identifier: 16 bytes in storage order, passed by value.
struct MarlixIID
{
    uint8_t bytes[16];
};

constexpr bool MarlixIIDEqual(const MarlixIID& a, const MarlixIID& b)
{
    for (int i = 0; i < 16; ++i) {
        if (a.bytes[i] != b.bytes[i])
            return false;
    }
    return true;
}

constexpr MarlixIID IID_IMarlixAttributes
    = {{0xab, 0xc1, 0x18, 0x43, 0xd9, 0x66, 0x44, 0xcb, 0x96, 0xe2, 0xa1, 0xcb, 0x5d, 0x31, 0x35, 0xc4}};
constexpr MarlixIID IID_IMarlixConfiguration
    = {{0xef, 0x90, 0x38, 0x0b, 0x4a, 0xe5, 0x43, 0x46, 0x90, 0x77, 0xe2, 0x88, 0xe1, 0x49, 0xf1, 0x29}};
constexpr MarlixIID IID_IMarlixNotification
    = {{0x0a, 0x1f, 0xb2, 0x07, 0xe2, 0x15, 0x44, 0x1b, 0x9b, 0x19, 0x6f, 0xa1, 0x57, 0x59, 0x46, 0xc5}};
constexpr MarlixIID IID_IMarlixStatus
    = {{0x5f, 0x55, 0x82, 0x00, 0x40, 0x28, 0x49, 0xbc, 0xbe, 0xac, 0xdb, 0x3f, 0xa4, 0xa9, 0x6e, 0x46}};
constexpr MarlixIID IID_IMarlixInput
    = {{0xaf, 0x22, 0x76, 0x2b, 0xdf, 0xac, 0x48, 0x46, 0xaa, 0x79, 0xfa, 0x88, 0x83, 0x56, 0x09, 0x95}};
constexpr MarlixIID IID_IMarlixOutput
    = {{0xcc, 0x5c, 0x8a, 0x6e, 0x3f, 0x2f, 0x4b, 0x3a, 0x87, 0xea, 0xfd, 0x78, 0xaf, 0x30, 0x05, 0x64}};

// ---------------------------------------------------------------------------
// Interfaces. Slot 0 QueryInterface, 1 AddRef, 2 Release, then the operations in
// the order declared. Strings handed out are malloc'ed UTF-8; the caller frees them.
// Strings handed in stay owned by the caller.

class IMarlixUnknown
{
public:
    virtual MarlixResult QueryInterface(MarlixIID iid, void** out) = 0;  // slot 0
    virtual uint32_t AddRef() = 0;                                      // slot 1
    virtual uint32_t Release() = 0;                                     // slot 2

protected:
    // Objects die through Release, never through delete on an interface pointer.
    ~IMarlixUnknown() = default;
};

class IMarlixDisplayMode : public IMarlixUnknown
{
public:
    virtual MarlixResult GetName(char** name) = 0;                                   // 3
    virtual MarlixCode GetDisplayMode() = 0;                                       // 4
    virtual int32_t GetWidth() = 0;                                                  // 5
    virtual int32_t GetHeight() = 0;                                                 // 6
    virtual MarlixResult GetFrameRate(int64_t* frameDuration, int64_t* timeScale) = 0;  // 7
    virtual MarlixCode GetFieldDominance() = 0;                                    // 8
};

class IMarlixDisplayModeIterator : public IMarlixUnknown
{
public:
    // 0 and a mode (one reference for the caller) while modes remain; negative at the end.
    virtual MarlixResult Next(IMarlixDisplayMode** mode) = 0;  // 3
};

class IMarlixInput : public IMarlixUnknown
{
public:
    virtual MarlixResult FindDisplayMode(MarlixCode mode, IMarlixDisplayMode** out) = 0;  // 3
    virtual MarlixResult GetDisplayModeIterator(IMarlixDisplayModeIterator** iterator) = 0;  // 4
};

class IMarlixOutput : public IMarlixUnknown
{
public:
    virtual MarlixResult FindDisplayMode(MarlixCode mode, IMarlixDisplayMode** out) = 0;  // 3
    virtual MarlixResult GetDisplayModeIterator(IMarlixDisplayModeIterator** iterator) = 0;  // 4
};

class IMarlix : public IMarlixUnknown
{
public:
    virtual MarlixResult GetModelName(char** name) = 0;    // 3
    virtual MarlixResult GetDisplayName(char** name) = 0;  // 4
};

// Read-only capabilities of a device.
class IMarlixAttributes : public IMarlixUnknown
{
public:
    virtual MarlixResult GetFlag(MarlixCode id, bool* value) = 0;      // 3
    // In/out: "socn" reads the value as the conversion mode to probe.
    virtual MarlixResult GetInt(MarlixCode id, int64_t* value) = 0;    // 4
    virtual MarlixResult GetFloat(MarlixCode id, double* value) = 0;   // 5
    virtual MarlixResult GetString(MarlixCode id, char** value) = 0;   // 6
};

// Device settings: live at once, persistent after WriteToPreferences.
class IMarlixConfiguration : public IMarlixUnknown
{
public:
    virtual MarlixResult SetFlag(MarlixCode id, bool value) = 0;              // 3
    virtual MarlixResult GetFlag(MarlixCode id, bool* value) = 0;             // 4
    virtual MarlixResult SetInt(MarlixCode id, int64_t value) = 0;            // 5
    virtual MarlixResult GetInt(MarlixCode id, int64_t* value) = 0;           // 6
    virtual MarlixResult SetFloat(MarlixCode id, double value) = 0;           // 7
    virtual MarlixResult GetFloat(MarlixCode id, double* value) = 0;          // 8
    virtual MarlixResult SetString(MarlixCode id, const char* value) = 0;     // 9
    virtual MarlixResult GetString(MarlixCode id, char** value) = 0;          // 10
    virtual MarlixResult WriteToPreferences() = 0;                              // 11
};

// Live state of a device.
class IMarlixStatus : public IMarlixUnknown
{
public:
    virtual MarlixResult GetFlag(MarlixCode id, bool* value) = 0;     // 3
    virtual MarlixResult GetInt(MarlixCode id, int64_t* value) = 0;   // 4
    virtual MarlixResult GetFloat(MarlixCode id, double* value) = 0;  // 5 (not used by the program)
    virtual MarlixResult GetString(MarlixCode id, char** value) = 0;  // 6 (not used by the program)
    // Call with a null buffer to learn the size, then with a buffer of that size.
    virtual MarlixResult GetBytes(MarlixCode id, void* buffer, uint32_t* size) = 0;  // 7
};

// Implemented by the program; called on a library thread.
class IMarlixNotificationCallback : public IMarlixUnknown
{
public:
    virtual MarlixResult Notify(MarlixCode topic, uint64_t param1, uint64_t param2) = 0;  // 3
};

class IMarlixNotification : public IMarlixUnknown
{
public:
    virtual MarlixResult Subscribe(MarlixCode topic, IMarlixNotificationCallback* callback) = 0;    // 3
    // No Notify of this callback starts afterwards, but one may still be running
    // when it returns: the driver holds a reference to the callback meanwhile.
    virtual MarlixResult Unsubscribe(MarlixCode topic, IMarlixNotificationCallback* callback) = 0;  // 4
};

// Walks every installed device; each device comes with one reference for the caller.
class IMarlixIterator : public IMarlixUnknown
{
public:
    virtual MarlixResult Next(IMarlix** device) = 0;  // 3
};

class IMarlixAPIInformation : public IMarlixUnknown
{
public:
    virtual MarlixResult GetFlag(MarlixCode id, bool* value) = 0;     // 3 (not used by the program)
    virtual MarlixResult GetInt(MarlixCode id, int64_t* value) = 0;   // 4 (not used by the program)
    virtual MarlixResult GetFloat(MarlixCode id, double* value) = 0;  // 5 (not used by the program)
    virtual MarlixResult GetString(MarlixCode id, char** value) = 0;  // 6
};

// Implemented by the program; called on a library thread, once per arrival and removal.
class IMarlixDeviceNotificationCallback : public IMarlixUnknown
{
public:
    virtual MarlixResult MarlixDeviceArrived(IMarlix* device) = 0;  // 3
    virtual MarlixResult MarlixDeviceRemoved(IMarlix* device) = 0;  // 4
};

class IMarlixDiscovery : public IMarlixUnknown
{
public:
    virtual MarlixResult InstallDeviceNotifications(IMarlixDeviceNotificationCallback* callback) = 0;  // 3
    // No callback starts afterwards, but one may still be running when it
    // returns: the driver holds a reference to the callback meanwhile.
    virtual MarlixResult UninstallDeviceNotifications() = 0;  // 4
};

// Created on demand only; this program calls nothing beyond the reference slots.
class IMarlixVideoConversion : public IMarlixUnknown
{
};

class IMarlixGLScreenPreviewHelper : public IMarlixUnknown
{
};

// ---------------------------------------------------------------------------
// Factory entry points (C linkage) and their pointer types

using MarlixIteratorFactory = IMarlixIterator* (*)();
using MarlixAPIInformationFactory = IMarlixAPIInformation* (*)();
using MarlixVideoConversionFactory = IMarlixVideoConversion* (*)();
using MarlixDiscoveryFactory = IMarlixDiscovery* (*)();
using MarlixPreviewHelperFactory = IMarlixGLScreenPreviewHelper* (*)();

#define MARLIX_ENTRY_ITERATOR "CreateMarlixIteratorInstance_0003"
#define MARLIX_ENTRY_API_INFORMATION "CreateMarlixAPIInformationInstance_0001"
#define MARLIX_ENTRY_VIDEO_CONVERSION "CreateVideoConversionInstance_0001"
#define MARLIX_ENTRY_DISCOVERY "CreateMarlixDiscoveryInstance_0002"
#define MARLIX_ENTRY_PREVIEW_HELPER "CreateOpenGLScreenPreviewHelper_0001"

#define MARLIX_LIBRARY_NAME "libMarlixAPI.so"
#define MARLIX_PREVIEW_LIBRARY_NAME "libMarlixPreviewAPI.so"
