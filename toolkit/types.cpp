#include "toolkit/types.h"

#include <cmath>

#include "toolkit/strings.h"

int RoundHalfEven(double value) {
    // The default floating-point environment rounds to nearest, ties to even.
    return int(std::nearbyint(value));
}

String TStrings::Text() const {
    String text;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        if (i) text += '\n';
        text += FLines[i];
    }
    return text;
}
