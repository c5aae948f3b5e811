#include "engine/evaluation.h"
