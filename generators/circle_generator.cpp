#include "generators/circle_generator.h"
