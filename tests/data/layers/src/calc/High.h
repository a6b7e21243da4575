// A file of the calculation layer.
#pragma once
