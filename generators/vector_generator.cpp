#include "generators/vector_generator.h"
