// Defaults of the physical constants.
#include "calc/ConstantsArray.h"

namespace zul {

ConstantsArray::ConstantsArray()
    : values_{-26.2f, -16.1f, -8.6f, -3.2f, 0.0f, 1.2f, 1.0f, -1.1f, 970.0f, 7900.0f, 4.18f, 1.005f, 1.25f} {}

}  // namespace zul
