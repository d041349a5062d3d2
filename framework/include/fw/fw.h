// Everything a dialog class needs.
#pragma once
#include "fw/backend.h"
#include "fw/canvas.h"
#include "fw/controls.h"
#include "fw/exchange.h"
#include "fw/geometry.h"
#include "fw/ids.h"
#include "fw/resources.h"
#include "fw/services.h"
#include "fw/sheet.h"
#include "fw/window.h"
