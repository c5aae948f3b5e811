#include "engine/function_library.h"
