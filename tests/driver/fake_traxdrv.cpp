// Stand-in for the board maker's driver library, built as libtraxdrv.so so
// tests can put it (or the variant missing one entry point) on the loader's
// path. The card count is steered by TRAXDRV_TEST_CARDS, read at each call.

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

FAKE_EXPORT std::int32_t GetNumCards() {
    const char* text = std::getenv("TRAXDRV_TEST_CARDS");
    if (!text || !*text) return 0;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < INT32_MIN || value > INT32_MAX) return 0;
    return static_cast<std::int32_t>(value);
}

// The rest are never called. Distinct bodies keep the compiler from folding
// them into one address, so tests can tell them apart by symbol.
#define FAKE_ENTRY(name, n) \
    FAKE_EXPORT int name() { return n; }

FAKE_ENTRY(QueryCardInfo, 1)
FAKE_ENTRY(QueryBARBase, 2)
FAKE_ENTRY(WaitForIRQ, 3)
FAKE_ENTRY(COSWaitForIRQ, 4)
FAKE_ENTRY(WDGHandleIRQ, 5)
FAKE_ENTRY(AbortRequest, 6)
FAKE_ENTRY(CloseCard, 7)
FAKE_ENTRY(WDGInit, 8)
FAKE_ENTRY(WDGSetTimeout, 9)
FAKE_ENTRY(WDGSetResetDuration, 10)
FAKE_ENTRY(WDGPet, 11)
FAKE_ENTRY(WDGReadTemp, 12)
FAKE_ENTRY(WDGReadStatus, 13)
FAKE_ENTRY(WDGStart, 14)
FAKE_ENTRY(WDGStop, 15)
FAKE_ENTRY(EmergencyReboot, 16)
FAKE_ENTRY(InPortB, 17)
FAKE_ENTRY(OutPortB, 18)
FAKE_ENTRY(InPort, 19)
FAKE_ENTRY(OutPort, 20)
FAKE_ENTRY(InPortL, 21)
FAKE_ENTRY(OutPortL, 22)
FAKE_ENTRY(InPortDWord, 23)
FAKE_ENTRY(OutPortDWord, 24)
FAKE_ENTRY(RelInPortB, 25)
FAKE_ENTRY(RelOutPortB, 26)
FAKE_ENTRY(RelInPort, 27)
FAKE_ENTRY(RelOutPort, 28)
FAKE_ENTRY(RelInPortL, 29)
FAKE_ENTRY(RelOutPortL, 30)
FAKE_ENTRY(RelInPortDWord, 31)
#ifndef FAKE_TRAXDRV_PARTIAL
FAKE_ENTRY(RelOutPortDWord, 32)
#endif
