// The 3D view controls: the host TD3dView and its viewport control TVport.
#pragma once

#include "view/TD3dView.h"
#include "view/TVport.h"
#include "view/TVportData.h"
