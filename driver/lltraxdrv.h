#pragma once
// Run-time binding of the board maker's driver library (libtraxdrv.so).
//
// The program must start and work on machines without the driver, so the
// library is never linked: LoadDriverLibrary() opens it by name when a page
// first needs it and fills in one variable per entry point. Every variable is
// null until a binding finds its entry point.

#include <cstdint>

// Only the card count is ever called. The other entry points are bound so a
// binding is complete only with a full driver, but are never called, so they
// share one opaque type.
using TGetNumCards = std::int32_t (*)();  // number of cards; <= 0 means none
using TDriverEntry = void (*)();

// Entry points, in lookup order.
extern TGetNumCards GetNumCards;
extern TDriverEntry QueryCardInfo;
extern TDriverEntry QueryBARBase;
extern TDriverEntry WaitForIRQ;
extern TDriverEntry COSWaitForIRQ;
extern TDriverEntry WDGHandleIRQ;
extern TDriverEntry AbortRequest;
extern TDriverEntry CloseCard;
extern TDriverEntry WDGInit;
extern TDriverEntry WDGSetTimeout;
extern TDriverEntry WDGSetResetDuration;
extern TDriverEntry WDGPet;
extern TDriverEntry WDGReadTemp;
extern TDriverEntry WDGReadStatus;
extern TDriverEntry WDGStart;
extern TDriverEntry WDGStop;
extern TDriverEntry EmergencyReboot;
extern TDriverEntry InPortB;
extern TDriverEntry OutPortB;
extern TDriverEntry InPort;
extern TDriverEntry OutPort;
extern TDriverEntry InPortL;
extern TDriverEntry OutPortL;
extern TDriverEntry InPortDWord;
extern TDriverEntry OutPortDWord;
extern TDriverEntry RelInPortB;
extern TDriverEntry RelOutPortB;
extern TDriverEntry RelInPort;
extern TDriverEntry RelOutPort;
extern TDriverEntry RelInPortL;
extern TDriverEntry RelOutPortL;
extern TDriverEntry RelInPortDWord;
extern TDriverEntry RelOutPortDWord;

// True once a binding found all 33 entry points.
extern bool DriverBound;

// Binds the driver library. Does nothing once DriverBound is true. Otherwise
// opens "libtraxdrv.so" through the loader's usual search; if that fails,
// every variable keeps its value. If it opens, every entry point is looked up
// again and stored (null when missing), and DriverBound says whether all were
// found. The library stays loaded for the rest of the run. Never throws and
// prints nothing: a missing driver is a normal state, not an error.
void LoadDriverLibrary() noexcept;

// Diagnostic only, for tests: how many times the library has been opened (or
// tried) in this run.
int DriverLoadAttempts() noexcept;
