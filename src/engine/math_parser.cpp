#include "engine/math_parser.h"
