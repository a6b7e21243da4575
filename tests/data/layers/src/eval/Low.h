// A file of the lowest layer that includes one of the layer above it.
#pragma once

#include "calc/High.h"
