#include "engine/cp1251.h"
