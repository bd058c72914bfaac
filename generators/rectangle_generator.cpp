#include "generators/rectangle_generator.h"
