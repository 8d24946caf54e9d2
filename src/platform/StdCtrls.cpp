#include "platform/StdCtrls.h"
