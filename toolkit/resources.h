#pragma once
// Files embedded in the executable: the window definition and its pictures.

#include "toolkit/types.h"

// The bytes of an embedded file; throws std::runtime_error naming a missing one.
String ReadResource(const String& name);
bool HasResource(const String& name);
