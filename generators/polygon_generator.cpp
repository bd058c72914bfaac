#include "generators/polygon_generator.h"
