#include "TestSupport.h"
#include "modeller/core/Storage.h"
