// Everything a user of the engine calls: include this one header.
#pragma once

#include "engine/Device.h"
#include "engine/Direct3DDevice.h"
#include "engine/DirectDraw.h"
#include "engine/Engine.h"
#include "engine/ExecuteBuffer.h"
#include "engine/Frame.h"
#include "engine/Light.h"
#include "engine/Material.h"
#include "engine/Mesh.h"
#include "engine/MeshBuilder.h"
#include "engine/Viewport.h"
#include "engine/WinDevice.h"
