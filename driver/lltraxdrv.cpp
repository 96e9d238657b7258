#include "driver/lltraxdrv.h"

#include <dlfcn.h>

#include <iterator>

TGetNumCards GetNumCards = nullptr;
TDriverEntry QueryCardInfo = nullptr;
TDriverEntry QueryBARBase = nullptr;
TDriverEntry WaitForIRQ = nullptr;
TDriverEntry COSWaitForIRQ = nullptr;
TDriverEntry WDGHandleIRQ = nullptr;
TDriverEntry AbortRequest = nullptr;
TDriverEntry CloseCard = nullptr;
TDriverEntry WDGInit = nullptr;
TDriverEntry WDGSetTimeout = nullptr;
TDriverEntry WDGSetResetDuration = nullptr;
TDriverEntry WDGPet = nullptr;
TDriverEntry WDGReadTemp = nullptr;
TDriverEntry WDGReadStatus = nullptr;
TDriverEntry WDGStart = nullptr;
TDriverEntry WDGStop = nullptr;
TDriverEntry EmergencyReboot = nullptr;
TDriverEntry InPortB = nullptr;
TDriverEntry OutPortB = nullptr;
TDriverEntry InPort = nullptr;
TDriverEntry OutPort = nullptr;
TDriverEntry InPortL = nullptr;
TDriverEntry OutPortL = nullptr;
TDriverEntry InPortDWord = nullptr;
TDriverEntry OutPortDWord = nullptr;
TDriverEntry RelInPortB = nullptr;
TDriverEntry RelOutPortB = nullptr;
TDriverEntry RelInPort = nullptr;
TDriverEntry RelOutPort = nullptr;
TDriverEntry RelInPortL = nullptr;
TDriverEntry RelOutPortL = nullptr;
TDriverEntry RelInPortDWord = nullptr;
TDriverEntry RelOutPortDWord = nullptr;

bool DriverBound = false;

namespace {

int loadAttempts = 0;

struct TOpaqueEntry {
    const char* Name;
    TDriverEntry* Slot;
};

// Spelling each name once keeps the looked-up symbol and its variable in step.
#define LLTRAXDRV_ENTRY(name) {#name, &name}
// In lookup order, after GetNumCards.
const TOpaqueEntry opaqueEntries[] = {
    LLTRAXDRV_ENTRY(QueryCardInfo),
    LLTRAXDRV_ENTRY(QueryBARBase),
    LLTRAXDRV_ENTRY(WaitForIRQ),
    LLTRAXDRV_ENTRY(COSWaitForIRQ),
    LLTRAXDRV_ENTRY(WDGHandleIRQ),
    LLTRAXDRV_ENTRY(AbortRequest),
    LLTRAXDRV_ENTRY(CloseCard),
    LLTRAXDRV_ENTRY(WDGInit),
    LLTRAXDRV_ENTRY(WDGSetTimeout),
    LLTRAXDRV_ENTRY(WDGSetResetDuration),
    LLTRAXDRV_ENTRY(WDGPet),
    LLTRAXDRV_ENTRY(WDGReadTemp),
    LLTRAXDRV_ENTRY(WDGReadStatus),
    LLTRAXDRV_ENTRY(WDGStart),
    LLTRAXDRV_ENTRY(WDGStop),
    LLTRAXDRV_ENTRY(EmergencyReboot),
    LLTRAXDRV_ENTRY(InPortB),
    LLTRAXDRV_ENTRY(OutPortB),
    LLTRAXDRV_ENTRY(InPort),
    LLTRAXDRV_ENTRY(OutPort),
    LLTRAXDRV_ENTRY(InPortL),
    LLTRAXDRV_ENTRY(OutPortL),
    LLTRAXDRV_ENTRY(InPortDWord),
    LLTRAXDRV_ENTRY(OutPortDWord),
    LLTRAXDRV_ENTRY(RelInPortB),
    LLTRAXDRV_ENTRY(RelOutPortB),
    LLTRAXDRV_ENTRY(RelInPort),
    LLTRAXDRV_ENTRY(RelOutPort),
    LLTRAXDRV_ENTRY(RelInPortL),
    LLTRAXDRV_ENTRY(RelOutPortL),
    LLTRAXDRV_ENTRY(RelInPortDWord),
    LLTRAXDRV_ENTRY(RelOutPortDWord),
};
#undef LLTRAXDRV_ENTRY
static_assert(std::size(opaqueEntries) == 32);

template <class F>
F lookUp(void* library, const char* name) {
    return reinterpret_cast<F>(dlsym(library, name));
}

}  // namespace

void LoadDriverLibrary() noexcept {
    if (DriverBound) return;

    ++loadAttempts;
    // Local, so the driver's names cannot shadow or be shadowed by anything
    // else loaded later. The handle is dropped on purpose: the library stays
    // loaded for the rest of the run.
    void* library = dlopen("libtraxdrv.so", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        dlerror();  // a missing driver is expected; leave no error pending
        return;
    }

    GetNumCards = lookUp<TGetNumCards>(library, "GetNumCards");
    bool all = GetNumCards != nullptr;
    for (const TOpaqueEntry& entry : opaqueEntries) {
        *entry.Slot = lookUp<TDriverEntry>(library, entry.Name);
        all = all && *entry.Slot != nullptr;
    }
    dlerror();  // same for entry points an older driver lacks
    DriverBound = all;
}

int DriverLoadAttempts() noexcept { return loadAttempts; }
